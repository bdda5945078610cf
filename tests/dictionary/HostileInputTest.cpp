// Hostile input made here at run time: archives past the size limits or with more
// members than open files allowed (in-process with small limits), a bomb and an endless
// line through the loader, FIFOs and devices in place of the history, the folders of a
// killed load, and an extractor whose parent was killed.
#include "dictionary/DictionaryLoader.h"
#include "dictionary/ExtractionFolder.h"
#include "dictionary/SearchHistory.h"
#include "dictionary/TextLines.h"
#include "dictionary/extractor/ArchiveExtractor.h"

#include "common/QStringPrinter.h"
#include "common/TestArchives.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;
using ::testing::HasSubstr;

namespace {

const QByteArray Password(files::ArchivePassword.data(), files::ArchivePassword.size());

TEST(HostileArchive, MembersPastTheLimitsAreRefusedAndNothingStays)
{
    QTemporaryDir dir;
    const QString archive = dir.filePath(u"a.db"_s);
    const auto extract = [&](const std::vector<Member> &members) {
        WriteZip(archive, members, Password);
        return ArchiveExtractor(archive, Password, QDir(dir.filePath(u"out"_s)), {1000, 2500, 5}).run();
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"out"_s));
    const QByteArray fits(1000, 'a');
    ArchiveExtractor::Outcome run = extract({{"a", fits}, {"b", fits + 'a'}});
    EXPECT_EQ(run.status, ExtractorStatus::TooLarge);
    EXPECT_THAT(run.message.toStdString(), HasSubstr("\"b\" unpacks to more than 1000 bytes"));
    run = extract({{"a", fits}, {"b", fits}, {"c", fits}});
    EXPECT_THAT(run.message.toStdString(), HasSubstr("members unpack to more than 2500 bytes"));
    EXPECT_EQ(extract(std::vector<Member>(6, {"x"})).status, ExtractorStatus::TooLarge);
    EXPECT_TRUE(Entries(dir.filePath(u"out"_s)).isEmpty());
}

TEST(HostileArchive, ManyMembersNeedOneOpenFileAtATime)
{
    QTemporaryDir dir;
    // Plain members: deriving a key for each of hundreds of encrypted ones takes long.
    std::vector<Member> members;
    for (int k = 0; k < 300; ++k)
        members.push_back({"m" + QByteArray::number(k)});
    WriteZip(dir.filePath(u"a.db"_s), members);

    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &old), 0);
    struct rlimit few = old;
    few.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &few), 0);
    const ArchiveExtractor::Outcome run = ArchiveExtractor(dir.filePath(u"a.db"_s), Password, QDir(dir.path())).run();
    setrlimit(RLIMIT_NOFILE, &old);
    ASSERT_EQ(run.status, ExtractorStatus::Ok) << run.message.toStdString();
    EXPECT_EQ(Entries(dir.path()).size(), 301);
}

TEST(HostileDictionary, ABombOrAnEndlessLineStopsTheLoadWithAMessageAndLeavesNothing)
{
    QTemporaryDir root;
    const QDir program(root.filePath(u"program"_s));
    ASSERT_TRUE(QDir().mkpath(program.path()) && QDir().mkpath(root.filePath(u"tmp"_s)));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUILLET_EXTRACT), program.filePath(files::Extractor)));
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(root.filePath(u"tmp"_s)));
    const auto load = [&](const QByteArray &headwords) {
        WriteZip(program.filePath(files::Database), {{"ert_e.txt", headwords}, {"ert_r.txt", "b\n"}}, Password);
        DictTable table;
        LoadObserver observer;
        return DictionaryLoader(program.path()).LoadDictionary(table, observer).failure;
    };
    const LoadFailure bomb = load(QByteArray(65 << 20, '\n'));
    EXPECT_EQ(bomb.file, files::Database);
    EXPECT_THAT(bomb.cause.toStdString(), HasSubstr("\"ert_e.txt\" unpacks to more than 67108864 bytes"));
    EXPECT_EQ(load("a\n" + QByteArray(65 * 1024, 'x')).message(), u"ert_e.txt: line 2 is longer than 65536 bytes"_s);
    EXPECT_TRUE(Entries(root.filePath(u"tmp"_s)).isEmpty());
    EXPECT_EQ(Entries(program.path()).size(), 2);
    qputenv("TMPDIR", oldTemp);
}

ReadLinesResult Read(const QByteArray &contents, qsizetype maxLines = 10)
{
    QBuffer buffer;
    buffer.setData(contents);
    buffer.open(QIODevice::ReadOnly);
    return ReadLines(buffer, {maxLines, 5});
}

TEST(ReadLines, StopsAtTheLineLimitsAndKeepsTheWholeLinesBefore)
{
    using End = ReadLinesResult::End;
    EXPECT_EQ(Read("\xEF\xBB\xBF" "12345\r\nab\n\nlast").lines, (QStringList{u"12345"_s, u"ab"_s, QString(), u"last"_s}));
    const ReadLinesResult endless = Read("ab\n" + QByteArray(1 << 20, 'x'));
    EXPECT_EQ(endless.end, End::LineTooLong);
    EXPECT_EQ(endless.lines, QStringList{u"ab"_s});
    EXPECT_EQ(Read("123456").end, End::LineTooLong);
    EXPECT_EQ(Read("a\nb\nc\n", 2).lines, (QStringList{u"a"_s, u"b"_s}));
}

TEST(HistoryFile, OnlyARegularFileIsReadAndOnlyAsFarAsTheLimits)
{
    QTemporaryDir dir;
    const auto path = [&dir](const QString &name) { return dir.filePath(name); };
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(u"fifo"_s)).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, path(u"zero"_s)) && QDir(dir.path()).mkdir(u"folder"_s));
    SearchHistory history;
    EXPECT_EQ(history.load(path(u"none"_s)), SearchHistory::LoadOutcome::Missing);
    for (const QString &odd : {u"fifo"_s, u"zero"_s, u"folder"_s}) {
        EXPECT_EQ(history.load(path(odd)), SearchHistory::LoadOutcome::Unreadable); // and it does not wait
        EXPECT_EQ(history.unreadableFile(), path(odd));
    }

    QFile file(path(u"Dic.ini"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int k = 0; k < 5000; ++k)
        file.write("w" + QByteArray::number(k) + "\r\n");
    file.close();
    EXPECT_EQ(history.load(file.fileName()), SearchHistory::LoadOutcome::Loaded);
    EXPECT_TRUE(history.unreadableFile().isEmpty());
    EXPECT_EQ(history.entries().size(), SearchHistory::ReadLineLimit);
}

TEST(ExtractionFolders, OnlyFoldersOfProcessesThatAreGoneAreRemoved)
{
    const pid_t deadPid = ::fork();
    if (deadPid == 0)
        ::_exit(0);
    ::waitpid(deadPid, nullptr, 0);
    QTemporaryDir temp;
    const QDir dir(temp.path());
    const QString dead = QString::number(deadPid);
    const QString stale = u"quillet-%1-aB3dE9"_s.arg(dead);
    QStringList kept{u"quillet-%1-aB3dE9"_s.arg(QCoreApplication::applicationPid()), u"quillet-1-aB3dE9"_s,
                     u"quillet-%1-longer7"_s.arg(dead), u"other-%1-aB3dE9"_s.arg(dead), u"target"_s};
    for (const QString &name : kept + QStringList{stale})
        ASSERT_TRUE(dir.mkdir(name));
    (void)QFile(dir.filePath(stale + u"/ert_e.txt"_s)).open(QIODevice::WriteOnly);
    kept.append(u"quillet-%1-lInK99"_s.arg(dead));
    ASSERT_TRUE(QFile::link(dir.filePath(u"target"_s), dir.filePath(kept.last())));

    EXPECT_EQ(extraction::RemoveStaleFolders(dir.path()), 1);
    kept.sort();
    EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), kept);
}

bool Running(const QByteArray &pid)
{
    QFile stat(u"/proc/%1/stat"_s.arg(QString::fromLatin1(pid)));
    const QByteArray text = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
    const qsizetype state = text.lastIndexOf(')') + 2;
    return state > 1 && state < text.size() && text[state] != 'Z';
}

TEST(ChildProcess, DiesWithTheProgramThatWaitsForIt)
{
    QTemporaryDir dir;
    QProcess parent;
    parent.setWorkingDirectory(dir.path());
    parent.start(QStringLiteral(QUILLET_SHELL_PARENT), {u"echo $$ > c.tmp && mv c.tmp c.pid && exec sleep 30"_s});
    QFile pidFile(dir.filePath(u"c.pid"_s));
    QElapsedTimer waited;
    waited.start();
    while (!pidFile.exists() && waited.elapsed() < 5000)
        QThread::msleep(10);
    ASSERT_TRUE(pidFile.open(QIODevice::ReadOnly));
    const QByteArray child = pidFile.readAll().trimmed();
    ASSERT_TRUE(Running(child));

    ::kill(pid_t(parent.processId()), SIGKILL);
    parent.waitForFinished();
    while (Running(child) && waited.elapsed() < 10000)
        QThread::msleep(10);
    EXPECT_FALSE(Running(child));
}

} // namespace
