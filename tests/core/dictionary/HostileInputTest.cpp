// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile input made here at run time: archives past the size limits or with more
// members than open files allowed (in-process with small limits), endless lines, the
// folders of a killed load, and an extractor whose parent was killed.
#include "core/dictionary/DictionaryLoader.h"
#include "core/dictionary/ExtractionFolder.h"
#include "core/dictionary/TextLines.h"
#include "extractor/ArchiveExtractor.h"

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

ReadLinesResult Read(const QByteArray &contents, qsizetype maxLines = 10, qsizetype maxKept = 0)
{
    QBuffer buffer;
    buffer.setData(contents);
    buffer.open(QIODevice::ReadOnly);
    return ReadLines(buffer, {maxLines, 5, maxKept});
}

TEST(ReadLines, StopsAtTheLineLimitsOrKeepsWhatDoesNotFit)
{
    using End = ReadLinesResult::End;
    EXPECT_EQ(Read("\xEF\xBB\xBF" "12345\r\nab\n\nlast").lines, (QStringList{u"12345"_s, u"ab"_s, QString(), u"last"_s}));
    const ReadLinesResult endless = Read("ab\n" + QByteArray(1 << 20, 'x'));
    EXPECT_EQ(endless.end, End::LineTooLong);
    EXPECT_EQ(endless.lines, QStringList{u"ab"_s});
    EXPECT_EQ(Read("123456").end, End::LineTooLong);
    EXPECT_EQ(Read("a\nb\nc\n", 2).lines, (QStringList{u"a"_s, u"b"_s}));

    // With room to keep them, longer lines and those past the last are passed over as
    // their bytes, in order, and the read goes on to the end; more than fits ends it.
    const QByteArray bom("\xEF\xBB\xBF");
    const ReadLinesResult kept = Read(bom + "123456\r\na\n" + QByteArray(40, 'x') + "\n\xE3\xE3\xE3\nb\nc\r\nd", 2, 60);
    EXPECT_EQ(kept.end, End::Complete);
    EXPECT_EQ(kept.lines, (QStringList{u"a"_s, u"b"_s}));
    EXPECT_EQ(kept.kept, (QByteArrayList{"123456", QByteArray(40, 'x'), "\xE3\xE3\xE3", "c", "d"}));
    EXPECT_EQ(Read("a\n" + QByteArray(1 << 20, 'x') + "\nb\n", 10, 60).end, End::LineTooLong);
    // Only the first byte order mark belongs to the file.
    EXPECT_EQ(Read(bom + bom + "a\n" + bom + "b").lines, (QStringList{u"\uFEFFa"_s, u"\uFEFFb"_s}));
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
