// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's output, byte for byte, for every case of fixture/lookups/queries.txt
// in each format, against what the reference program printed (record.sh beside them):
// a change to how the dictionary is loaded or searched must not change one byte of it.
// The starter, which answers the common look-ups without Qt, prints the very bytes the
// command line prints, or hands the request to quillet-cli with its arguments unchanged.
#include "CommandLine.h"
#include "core/terms/PersonalWords.h"
#include "core/terms/TermsLocation.h"

#include "common/TestFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;

namespace {

const QString Fixture = QStringLiteral(QUILLET_SOURCE_DIR "/tests/fixture/lookups");

// The records of one format, as record.sh writes them, made by this build.
QByteArray Records(const QString &format)
{
    QByteArray records;
    for (const QString &line : QString::fromUtf8(ReadFile(Fixture + u"/queries.txt"_s)).split(u'\n')) {
        if (line.isEmpty())
            continue;
        QStringList arguments = line.split(u'\t');
        arguments.insert(arguments.size() - 1, u"--"_s);
        arguments.prepend(u"--format="_s + format);
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const int status = RunCommandLine(arguments, QStringLiteral(QUILLET_LOOKUP_FIXTURE_DIR), outStream, errStream)
                               .value_or(-1);
        records += u"@@ %1 @@ %2\n"_s.arg(line).arg(status).toUtf8() + out.toUtf8();
    }
    return records;
}

// The first record where the two differ, for the failure message.
QByteArray FirstDifference(const QByteArray &expected, const QByteArray &actual)
{
    const QList<QByteArray> a = expected.split('@');
    const QList<QByteArray> b = actual.split('@');
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            return "expected:\n" + a[i] + "\nactual:\n" + b[i];
    return "the records differ in number";
}

TEST(LookupOutput, EveryFormatIsByteForByteAsRecorded)
{
    for (const QString &format : {u"text"_s, u"tsv"_s, u"json"_s}) {
        const QByteArray expected = ReadFile(Fixture + u"/expected-"_s + format + u".txt"_s);
        const QByteArray actual = Records(format);
        EXPECT_GT(expected.count("\n@@ "), 700) << format.toStdString();
        EXPECT_TRUE(expected == actual) << format.toStdString() << "\n" << FirstDifference(expected, actual).toStdString();
    }
}

// A folder with the starter, the tests' dictionary and, in place of quillet-cli, a
// script that says it was handed the request and with what arguments. No session bus, so
// no window runs for the starter to hand the request to.
class LookupProgram {
public:
    static constexpr QLatin1StringView HandedOver{"handed over:"};

    LookupProgram()
    {
        QFile::copy(QStringLiteral(QUILLET_STARTER), program());
        QFile::link(QStringLiteral(QUILLET_LOOKUP_FIXTURE_DIR "/Database.db"), folder_.filePath(u"Database.db"_s));
        WriteFile(folder_.filePath(u"quillet-cli"_s), "#!/bin/sh\nprintf 'handed over:'; printf ' [%s]' \"$@\"\n");
        for (const QString &name : {program(), folder_.filePath(u"quillet-cli"_s)})
            QFile::setPermissions(name, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir().mkpath(home());
    }

    QString program() const { return folder_.filePath(u"quillet"_s); }
    QString folder() const { return folder_.path(); }
    QString home() const { return folder_.filePath(u"home"_s); }

    struct Run {
        int status = -1;
        QByteArray out;
        QByteArray err;
        bool handedOver() const { return out.startsWith(HandedOver.latin1()); }
    };
    Run run(const QStringList &arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &name : {u"XDG_DATA_HOME"_s, u"XDG_RUNTIME_DIR"_s, u"DBUS_SESSION_BUS_ADDRESS"_s})
            environment.remove(name);
        environment.insert(u"HOME"_s, home());
        process.setProcessEnvironment(environment);
        process.start(program(), arguments);
        process.waitForFinished(60000);
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

private:
    QTemporaryDir folder_;
};

// Every look-up of the records in the text format, written the way the program takes it
// (--lookup WORD, -d before it): what it answers itself is what the command line prints,
// out, errors and status alike; the rest, a word with marks say, is handed over.
TEST(LookupProgram, AnswersByteForByteAsTheCommandLine)
{
    const LookupProgram lookup;
    const PersonalWordFiles noTerms = PersonalWordFiles::In(lookup.home());
    int answered = 0;
    for (const QString &line : QString::fromUtf8(ReadFile(Fixture + u"/queries.txt"_s)).split(u'\n')) {
        QStringList arguments = line.split(u'\t');
        if (line.isEmpty() || arguments.startsWith(u"-i"_s))
            continue;
        arguments.insert(arguments.size() - 1, u"--lookup"_s);
        const LookupProgram::Run run = lookup.run(arguments);
        if (run.handedOver())
            continue;
        ++answered;
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const int status = RunCommandLine(arguments, QStringLiteral(QUILLET_LOOKUP_FIXTURE_DIR), outStream, errStream,
                                          noTerms)
                               .value_or(-1);
        EXPECT_EQ(run.out.toStdString(), out.toUtf8().toStdString()) << line.toStdString();
        EXPECT_EQ(run.err.toStdString(), err.toUtf8().toStdString()) << line.toStdString();
        EXPECT_EQ(run.status, status) << line.toStdString();
    }
    EXPECT_GT(answered, 300);
}

// Anything but such a look-up goes to quillet-cli with its arguments as they came: other
// options or forms of them, words with marks, words that find nothing (near misses), the
// user's own terms, and an archive that is missing or damaged.
TEST(LookupProgram, HandsEverythingElseOverUnchanged)
{
    const LookupProgram lookup;
    const auto expectHandedOver = [&lookup](const QStringList &arguments) {
        QByteArray said = LookupProgram::HandedOver.latin1();
        for (const QString &argument : arguments)
            said += " [" + argument.toUtf8() + ']';
        EXPECT_EQ(lookup.run(arguments).out.toStdString(), said.toStdString()) << arguments.join(u' ').toStdString();
    };
    for (const QStringList &arguments :
         {QStringList{u"--version"_s}, {u"-h"_s}, {u"pump"_s}, {u"-l"_s, u"pump"_s}, {u"--lookup=pump"_s},
          {u"--lookup"_s, u"pump"_s, u"-f"_s, u"tsv"_s}, {u"-i"_s, u"--lookup"_s, u"pump"_s},
          {u"--lookup"_s, u"pump"_s, u"-d"_s, u"xx"_s}, {u"--lookup"_s, u"pump"_s, u"--lookup"_s, u"pump"_s},
          {u"--lookup"_s, u"roată"_s}, {u"--lookup"_s, u"-pump"_s}, {u"--lookup"_s, u"  "_s},
          {u"--lookup"_s, u"qqqzzzxxx"_s}, {u"-d"_s, u"re"_s, u"--lookup"_s, u"qqqzzzxxx"_s}})
        expectHandedOver(arguments);

    const LookupProgram::Run own = lookup.run({u"--lookup"_s, u"ve"_s});
    ASSERT_FALSE(own.handedOver()) << own.out.toStdString();
    const QString terms = PersonalWordFiles::In(lookup.home() + u"/.local/share/Quillet"_s).terms;
    QDir().mkpath(QFileInfo(terms).path());
    WriteFile(terms, {});
    EXPECT_FALSE(lookup.run({u"--lookup"_s, u"ve"_s}).handedOver()) << "an empty terms file holds no terms";
    WriteFile(terms, "ve\tmine\n");
    expectHandedOver({u"--lookup"_s, u"ve"_s});
    QFile::remove(terms);

    const QString archive = lookup.folder() + u"/Database.db"_s;
    const QByteArray whole = ReadFile(QStringLiteral(QUILLET_LOOKUP_FIXTURE_DIR "/Database.db"));
    QFile::remove(archive);
    expectHandedOver({u"--lookup"_s, u"ve"_s});
    // Cut short, and the English headwords' bytes changed (they no longer authenticate).
    const qsizetype headwords = whole.indexOf("ert_e.txt") + 200;
    for (const QByteArray &damaged : {whole.first(whole.size() / 2),
                                      QByteArray(whole).replace(headwords, 64, QByteArray(64, 'x'))}) {
        WriteFile(archive, damaged);
        expectHandedOver({u"-d"_s, u"er"_s, u"--lookup"_s, u"ve"_s});
    }
}

// The terms file is where the command line looks for it.
TEST(LookupProgram, FindsTheTermsFileWhereTheCommandLineDoes)
{
    QCoreApplication::setApplicationName(u"Quillet"_s);
    const QByteArray home = qgetenv("HOME");
    for (const char *dataHome : {"", "/tmp/quillet-data-home"}) {
        qputenv("XDG_DATA_HOME", dataHome);
        EXPECT_EQ(plain::TermsFilePath().value_or(""), PersonalWordFiles::InDataFolder().terms.toStdString()) << dataHome;
    }
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(plain::TermsFilePath().value_or(""), PersonalWordFiles::InDataFolder().terms.toStdString());
    qputenv("HOME", home);
}

} // namespace

