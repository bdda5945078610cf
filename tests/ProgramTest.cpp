// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line requests, in process and through the built program itself run as a
// user runs it: with no display, its requests must never reach for the window; the
// window, started on Qt's own options, stores its state when it is told to end by a
// signal. Both use the tests' own program folder: the programs beside a Database.db
// packed from the small tables in tests/fixture.
#include "CommandLine.h"
#include "core/app/CommandLineRequest.h"

#include "common/QStringPrinter.h"
#include "common/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <sys/inotify.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;
using ::testing::HasSubstr;
using ::testing::Optional;

namespace {

// A copy of the program beside the tests' own dictionary.
const QString ProgramWithFixture = QStringLiteral(QUILLET_FIXTURE_DIR "/quillet");

struct Finished {
    std::optional<int> status; // none: the window would open, or the program did not end
    QString out;
    QString err;
};

Finished Request(const QStringList &arguments, const QString &programDir = QStringLiteral(QUILLET_FIXTURE_DIR))
{
    Finished run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = RunCommandLine(arguments, programDir, out, err);
    return run;
}

// No display of any kind, and a home folder that is not the user's.
QProcessEnvironment Headless(const QString &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s, u"XDG_CONFIG_HOME"_s,
                                u"XDG_DATA_HOME"_s, u"XDG_RUNTIME_DIR"_s, u"DBUS_SESSION_BUS_ADDRESS"_s})
        environment.remove(name);
    environment.insert(u"HOME"_s, home);
    return environment;
}

Finished Start(const QString &program, const QStringList &arguments, const QString &outputFile = {},
               const QString &display = {})
{
    const QTemporaryDir home;
    QProcess process;
    QProcessEnvironment environment = Headless(home.path());
    if (!display.isEmpty())
        environment.insert(u"DISPLAY"_s, display);
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << arguments.join(u' ').toStdString();
    const bool normal = process.exitStatus() == QProcess::NormalExit;
    return Finished{normal ? std::optional(process.exitCode()) : std::nullopt,
                    QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

TEST(CommandLine, OneParserTellsTheWindowFromARequest)
{
    EXPECT_TRUE(OpensWindow({}));
    EXPECT_TRUE(OpensWindow({u"-style"_s, u"fusion"_s, u"--platform=offscreen"_s, u"-reverse"_s}));
    EXPECT_TRUE(OpensWindow({u"-session"_s, u"id"_s}));
    EXPECT_TRUE(OpensWindow({u"--show"_s, u" pump "_s}));
    EXPECT_TRUE(OpensWindow({u"--selection"_s}));
    EXPECT_EQ(ParseCommandLine({u"--show"_s, u" pump "_s}).lookup.word, u"pump"_s);
    for (const QStringList &request :
         {QStringList{u"-v"_s}, QStringList{u"-h"_s}, QStringList{u"-l"_s, u"pump"_s, u"-d"_s, u"er"_s},
          QStringList{u"-style"_s, u"fusion"_s, u"--lookup=pump"_s}, QStringList{u"-x"_s}, QStringList{u"pump"_s},
          QStringList{u"--format=tsv"_s}, QStringList{u"--show"_s}, QStringList{u"--show"_s, u" "_s},
          QStringList{u"--selection"_s, u"pump"_s}, QStringList{u"--show=pump"_s, u"--selection"_s},
          QStringList{u"--selection"_s, u"-dre"_s}, QStringList{u"--show=pump"_s, u"--import"_s, u"t.csv"_s}})
        EXPECT_FALSE(OpensWindow(request)) << request.join(u' ').toStdString();
    EXPECT_EQ(Request({u"-style"_s, u"fusion"_s}).status, std::nullopt);
}

TEST(CommandLine, ALookupPrintsBothListsOfTheDirectionAsked)
{
    const Finished english = Request({u"--lookup"_s, u"  valve "_s, u"--direction"_s, u"er"_s});
    EXPECT_THAT(english.status, Optional(ExitFound)) << english.err.toStdString();
    EXPECT_EQ(english.out, u"Starting with:\nvalve\tventil\n1 word\n\nContaining:\nvalve\tventil\n1 word\n"_s);
    EXPECT_TRUE(english.err.isEmpty());

    // The Containing pass ignores letter case; cedilla letters read as comma-below ones.
    const QString steel = u"Starting with:\noțel\tsteel\n1 word\n\nContaining:\n"
                          "clopoțel\tcampanula, bellflower\noțel\tsteel\n2 words\n"_s;
    EXPECT_EQ(Request({u"-l"_s, u"oțel"_s, u"-d"_s, u"re"_s}).out, steel);
    EXPECT_EQ(Request({u"-l"_s, u"o\u0163el"_s, u"-d"_s, u"re"_s}).out, steel);
    // Capitals: the headword spelled so but for case comes first.
    EXPECT_EQ(Request({u"-l"_s, u"OȚEL"_s, u"-d"_s, u"re"_s}).out,
              u"Same word, other case:\noțel\tsteel\n1 word\n\nStarting with:\n0 words\n\nContaining:\n"
              "clopoțel\tcampanula, bellflower\noțel\tsteel\n2 words\n"_s);

    const Finished full = Request({u"--lookup=a"_s, u"-d"_s, u"er"_s});
    const QStringList lines = full.out.split(u'\n');
    ASSERT_EQ(lines.size(), 1 + 100 + 1 + 1 + 1 + 100 + 1 + 1);
    EXPECT_EQ(lines[101], u">100 words"_s);
    EXPECT_EQ(lines[204], u">100 words"_s);
}

TEST(CommandLine, AnInflectedQueryOffersItsBaseFormsFromTheArchive)
{
    const Finished inflected = Request({u"-l"_s, u"șuruburile"_s, u"-d"_s, u"re"_s});
    EXPECT_THAT(inflected.status, Optional(ExitFound)) << inflected.err.toStdString();
    EXPECT_EQ(inflected.out,
              u"Base forms:\nșurub\tscrew, bolt\n1 word\n\nStarting with:\n0 words\n\nContaining:\n0 words\n"_s);
    // "roată" is listed as the base form of "roțile", but it is no headword here.
    EXPECT_THAT(Request({u"-l"_s, u"roțile"_s, u"-d"_s, u"re"_s}).status, Optional(ExitNothingFound));
}

TEST(CommandLine, BadUsageExitsWithTwoAndOneErrorLine)
{
    const QList<QStringList> bad = {{u"--bogus"_s},
                                    {u"--lookup"_s},
                                    {u"--lookup"_s, u" \t "_s},
                                    {u"--lookup"_s, u"valve"_s, u"--direction"_s, u"ER"_s},
                                    {u"--lookup"_s, u"a"_s, u"-l"_s, u"b"_s},
                                    {u"-d"_s, u"er"_s},
                                    {u"--lookup"_s, u"valve"_s, u"extra"_s},
                                    {u"valve"_s, u"--format=xml"_s},
                                    {u"-i"_s},
                                    {u"-ism"_s}};
    for (const QStringList &arguments : bad) {
        const Finished run = Request(arguments);
        const std::string shown = arguments.join(u' ').toStdString();
        EXPECT_THAT(run.status, Optional(ExitError)) << shown;
        EXPECT_TRUE(run.out.isEmpty()) << shown;
        EXPECT_TRUE(run.err.startsWith(u"quillet: "_s)) << shown;
        EXPECT_EQ(run.err.count(u'\n'), 1) << shown;
    }

    QTemporaryDir empty;
    const Finished unloaded = Request({u"--lookup"_s, u"valve"_s}, empty.path());
    EXPECT_THAT(unloaded.status, Optional(ExitError));
    EXPECT_THAT(unloaded.err.toStdString(), HasSubstr("Database.db"));
}

TEST(Program, AnswersTheCommandLineWithoutADisplay)
{
    EXPECT_TRUE(Start(ProgramWithFixture, {u"-h"_s}).out.startsWith(u"Usage: quillet"_s));

    // Without a direction both are searched, English-Romanian first; one finding is enough,
    // and the other direction then offers no near misses.
    const Finished both = Start(ProgramWithFixture, {u"--lookup"_s, u"valve"_s});
    EXPECT_EQ(both.status, 0) << both.err.toStdString();
    EXPECT_EQ(both.out, u"English-Romanian\nStarting with:\nvalve\tventil\n1 word\n\nContaining:\nvalve\tventil\n"
                        "1 word\n\nRomanian-English\nStarting with:\n0 words\n\nContaining:\n0 words\n"_s);

    // An English plural leads to its singular.
    const Finished offered = Start(ProgramWithFixture, {u"--lookup"_s, u"pumps"_s});
    EXPECT_EQ(offered.status, 0) << offered.err.toStdString();
    EXPECT_EQ(offered.out, u"English-Romanian\nBase forms:\npump\tpompă, inimă, cord\n1 word\n\nStarting with:\n"
                           "0 words\n\nContaining:\n0 words\n\nRomanian-English\nStarting with:\n0 words\n\n"
                           "Containing:\n0 words\n"_s);

    // A bare word, for scripts: one row per entry, or one JSON document.
    const Finished tsv = Start(ProgramWithFixture, {u"--format=tsv"_s, u"-i"_s, u"surub"_s});
    EXPECT_EQ(tsv.status, 0) << tsv.err.toStdString();
    EXPECT_EQ(tsv.out, u"re.starting-with\tșurub\tscrew, bolt\nre.containing\tșurub\tscrew, bolt\n"_s);
    // Marks kept apart, nothing matches: the headword but for its marks is a near miss.
    EXPECT_EQ(Start(ProgramWithFixture, {u"-f"_s, u"tsv"_s, u"surub"_s}).out, u"re.near-misses\tșurub\tscrew, bolt\n"_s);
    const Finished json = Start(ProgramWithFixture, {u"--format"_s, u"json"_s, u"-d"_s, u"er"_s, u"pumping"_s, u"station"_s});
    const QJsonObject answer = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(answer[u"query"_s].toString(), u"pumping station"_s);
    const QJsonArray lists = answer[u"directions"_s].toArray().at(0)[u"lists"_s].toArray();
    ASSERT_EQ(lists.size(), 2);
    EXPECT_EQ(lists[0][u"entries"_s].toArray().at(0)[u"translation"_s].toString(), u"stație de pompare"_s);
    EXPECT_EQ(lists[1][u"list"_s].toString(), u"containing"_s);
    EXPECT_TRUE(Start(ProgramWithFixture, {u"--"_s, u"-pump"_s}).out.contains(u"Near misses:\npump\t"_s));

    const Finished full = Start(ProgramWithFixture, {u"--lookup"_s, u"a"_s}, u"/dev/full"_s);
    EXPECT_EQ(full.status, 2);
    EXPECT_TRUE(full.err.startsWith(u"quillet: the output could not be written"_s)) << full.err.toStdString();
    const Finished closed = Start(u"sh"_s, {u"-c"_s, u"exec \"$0\" --lookup a >&-"_s, ProgramWithFixture});
    EXPECT_EQ(closed.status, 2);
    EXPECT_EQ(closed.err, u"quillet: the output could not be written: the output is closed\n"_s);
}

// No display: a clear line and status 2; short options with their values attached; every
// error in one style; "no match" for a word that finds nothing; the version with the
// dictionary's size and the licence.
TEST(Program, SaysWhatItCannotDoAndWhatItIs)
{
    for (const QString &display : {QString(), u":9876"_s}) {
        const Finished window = Start(ProgramWithFixture, {}, {}, display);
        EXPECT_EQ(window.status, 2) << display.toStdString();
        EXPECT_TRUE(window.err.startsWith(u"quillet: cannot open a display"_s)) << window.err.toStdString();
        EXPECT_FALSE(window.err.contains(u"einstall"_s));
    }

    const Finished attached = Start(ProgramWithFixture, {u"-dre"_s, u"-fjson"_s, u"-lșurub"_s});
    EXPECT_EQ(attached.status, 0) << attached.err.toStdString();
    const QJsonArray directions = QJsonDocument::fromJson(attached.out.toUtf8()).object()[u"directions"_s].toArray();
    ASSERT_EQ(directions.size(), 1);
    EXPECT_EQ(directions[0][u"direction"_s].toString(), u"re"_s);

    for (const QStringList &arguments : {QStringList{u"--bogus"_s}, QStringList{u"-x"_s}, QStringList{u"-l"_s},
                                         QStringList{u"-dxx"_s, u"pump"_s}}) {
        const Finished bad = Start(ProgramWithFixture, arguments);
        EXPECT_EQ(bad.status, 2);
        EXPECT_TRUE(bad.out.isEmpty());
        // "quillet: ", a problem in lower case, no full stop, double quotes, one line.
        static const QRegularExpression OneStyle(u"^quillet: [a-z-][^'.\n]*\\(see --help\\)\n$"_s);
        EXPECT_TRUE(OneStyle.match(bad.err).hasMatch()) << bad.err.toStdString();
    }

    const Finished none = Start(ProgramWithFixture, {u"-l"_s, u"qqqzzx"_s});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, u"quillet: no match for \"qqqzzx\"\n"_s);

    const Finished version = Start(ProgramWithFixture, {u"--version"_s});
    EXPECT_EQ(version.status, 0) << version.err.toStdString();
    const QStringList lines = version.out.split(u'\n');
    EXPECT_EQ(lines[0], u"Quillet 1.1"_s);
    EXPECT_EQ(lines[1], u"Dictionary: 129 English-Romanian entries, 128 Romanian-English entries"_s);
    EXPECT_TRUE(version.out.contains(u"Copyright (C)"_s));
    EXPECT_TRUE(version.out.contains(u"GPLv3+"_s));
}

// Whether the signal is in one of the process's signal sets (Linux's process status):
// "SigCgt" those it has a handler of its own for, "SigBlk" those it holds back.
bool InSet(qint64 pid, QByteArrayView set, int signalNumber)
{
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(set) && line.at(set.size()) == ':')
            return (line.mid(set.size() + 1).trimmed().toULongLong(nullptr, 16) >> (signalNumber - 1)) & 1;
    return false;
}

bool Catches(qint64 pid, int signalNumber)
{
    return InSet(pid, "SigCgt", signalNumber);
}

// Starts the window on Qt's own options, waits until it handles the signal, sends it,
// and returns the exit status (-1 for a crash or no end).
int EndBySignal(const QString &program, const QString &home, int signalNumber)
{
    QProcess process;
    process.setProcessEnvironment(Headless(home));
    process.start(program, {u"-platform"_s, u"offscreen"_s, u"-style"_s, u"fusion"_s});
    if (!process.waitForStarted())
        return -1;
    for (int tries = 0; tries < 600 && !Catches(process.processId(), signalNumber); ++tries)
        process.waitForFinished(50);
    ::kill(pid_t(process.processId()), signalNumber);
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

TEST(Program, EndsBySignalAfterStoringSettingsAndHistory)
{
    for (const int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
        const QTemporaryDir home;
        const QString history = home.filePath(u".local/share/Quillet/Dic.ini"_s);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(history).absolutePath()));
        WriteFile(history, "pump\nvalve\n");

        EXPECT_EQ(EndBySignal(ProgramWithFixture, home.path(), signalNumber), 0) << signalNumber;
        EXPECT_TRUE(ReadFile(home.filePath(u".config/Dictionar Quillet.ini"_s)).contains("[Startup]"));
        EXPECT_EQ(ReadFile(history), "pump\r\nvalve\r\n") << signalNumber; // written anew
    }
}

// Told to end as soon as it answers signals at all, while its libraries are still being
// loaded or the window made, the program ends in order all the same.
TEST(Program, EndsInOrderWhenToldAtOnce)
{
    int heldBack = 0; // runs told while the signals were still held back
    for (int run = 0; run < 6; ++run) {
        const int signalNumber = std::array{SIGTERM, SIGHUP, SIGINT}[run % 3];
        const QTemporaryDir home;
        QProcess process;
        process.setProcessEnvironment(Headless(home.path()));
        process.start(ProgramWithFixture, {u"-platform"_s, u"offscreen"_s});
        ASSERT_TRUE(process.waitForStarted());
        const qint64 pid = process.processId();
        bool blocked = false;
        while (!(blocked = InSet(pid, "SigBlk", signalNumber)) && !Catches(pid, signalNumber)
               && process.state() == QProcess::Running)
            QThread::yieldCurrentThread();
        ::kill(pid_t(pid), signalNumber);
        heldBack += blocked;
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << run;
        EXPECT_EQ(process.exitCode(), 0) << run;
        // An end asked for is no failure: nothing of the program's own is said but the
        // note that, with no session bus here, the window runs on its own.
        const QList<QByteArray> said = process.readAllStandardError().split('\n');
        EXPECT_FALSE(std::any_of(said.cbegin(), said.cend(), [](const QByteArray &line) {
            return line.startsWith("quillet:") && !line.startsWith("quillet: no session bus");
        })) << run;
    }
    EXPECT_GT(heldBack, 0) << "the signals are never held back before the program answers them";

    // A look-up told to end while it loads ends as any command does, saying nothing.
    const QTemporaryDir home;
    QProcess lookup;
    lookup.setProcessEnvironment(Headless(home.path()));
    lookup.start(ProgramWithFixture, {u"--lookup"_s, u"pumps"_s});
    ASSERT_TRUE(lookup.waitForStarted());
    ::kill(pid_t(lookup.processId()), SIGTERM);
    ASSERT_TRUE(lookup.waitForFinished(20000));
    EXPECT_EQ(lookup.readAllStandardError(), QByteArray());
}

// Every file made, changed or moved into a folder while the watch lasts.
class FolderWatch {
public:
    explicit FolderWatch(const QStringList &folders) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        for (const QString &folder : folders)
            inotify_add_watch(fd_, QFile::encodeName(folder).constData(),
                              IN_CREATE | IN_MODIFY | IN_MOVED_TO | IN_CLOSE_WRITE);
    }
    ~FolderWatch() { ::close(fd_); }
    QStringList touched() const
    {
        QStringList names;
        alignas(inotify_event) char buffer[64 * 1024];
        for (ssize_t got; (got = ::read(fd_, buffer, sizeof buffer)) > 0;)
            for (char *at = buffer; at < buffer + got;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                names.append(QString::fromLocal8Bit(event->len > 0 ? event->name : "?"));
                at += sizeof(inotify_event) + event->len;
            }
        return names;
    }

private:
    int fd_;
};

// The files under the folder that hold a translation of the tests' own dictionary.
QStringList FilesWithDictionaryText(const QString &folder)
{
    QStringList found;
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QByteArray contents = ReadFile(path);
        for (const char *text : {"stație de pompare", "ventil", "pompă, inimă, cord", "campanula"})
            if (contents.contains(text) && !path.endsWith(u".db"_s))
                found.append(path);
    }
    return found;
}

// The decrypted dictionary never lands on disk: while a look-up runs and while the window
// starts, reads its word forms and ends, nothing is written to the temporary folder or the
// program's folder, and no file anywhere the program writes holds dictionary text.
TEST(Program, WritesNoDictionaryTextToAnyFile)
{
    const QTemporaryDir home;
    const QString temp = home.filePath(u"tmp"_s);
    const QString runtime = home.filePath(u"runtime"_s); // the window's, which Qt would make in the temporary folder
    ASSERT_TRUE(QDir().mkpath(temp) && QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const FolderWatch watch({temp, QStringLiteral(QUILLET_FIXTURE_DIR), home.path()});
    QProcessEnvironment environment = Headless(home.path());
    environment.insert(u"TMPDIR"_s, temp);
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);

    QProcess lookup;
    lookup.setProcessEnvironment(environment);
    lookup.start(ProgramWithFixture, {u"--lookup"_s, u"pumps"_s});
    ASSERT_TRUE(lookup.waitForFinished(60000));
    EXPECT_TRUE(lookup.readAllStandardOutput().contains("pompă, inimă, cord"));
    EXPECT_EQ(watch.touched(), QStringList());

    QProcess window;
    window.setProcessEnvironment(environment);
    window.start(ProgramWithFixture, {u"-platform"_s, u"offscreen"_s});
    ASSERT_TRUE(window.waitForStarted());
    for (int tries = 0; tries < 600 && !Catches(window.processId(), SIGTERM); ++tries)
        window.waitForFinished(50);
    window.waitForFinished(1500); // the first list, then the word forms
    ::kill(pid_t(window.processId()), SIGTERM);
    ASSERT_TRUE(window.waitForFinished(20000));
    for (const QString &name : watch.touched()) // the settings and history it stores alone
        EXPECT_TRUE(name == ".config"_L1 || name == ".local"_L1) << name.toStdString() << " was written";
    EXPECT_TRUE(Entries(temp).isEmpty());
    EXPECT_EQ(FilesWithDictionaryText(home.path()), QStringList());
    EXPECT_EQ(FilesWithDictionaryText(QStringLiteral(QUILLET_FIXTURE_DIR)), QStringList());
}

} // namespace
