// Files that are not what they should be: endless lines, FIFOs and devices in place of
// the history, the leftovers of a killed load, an extractor whose parent was killed.
#include "dictionary/ExtractionFolder.h"
#include "dictionary/RegularFile.h"
#include "dictionary/SearchHistory.h"
#include "dictionary/TextLines.h"

#include "common/QStringPrinter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace quillet;

namespace {

ReadLinesResult Read(const QByteArray &contents, LineLimits limits)
{
    QBuffer buffer;
    buffer.setData(contents);
    buffer.open(QIODevice::ReadOnly);
    return ReadLines(buffer, limits);
}

TEST(ReadLines, StopsAtTheLineLimitsAndKeepsTheWholeLinesBefore)
{
    using End = ReadLinesResult::End;
    ReadLinesResult read = Read("\xEF\xBB\xBF" "12345\r\nab\n\nlast", {10, 5});
    EXPECT_EQ(read.end, End::Complete);
    EXPECT_EQ(read.lines, (QStringList{u"12345"_s, u"ab"_s, QString(), u"last"_s}));

    read = Read("ab\n123456\nnever", {10, 5});
    EXPECT_EQ(read.end, End::LineTooLong);
    EXPECT_EQ(read.lines, QStringList{u"ab"_s});
    EXPECT_EQ(Read("ab\n" + QByteArray(1 << 20, 'x'), {10, 5}).end, End::LineTooLong);
    EXPECT_EQ(Read("ab\n123456", {10, 5}).end, End::LineTooLong);

    read = Read("a\nb\nc\n", {2, 5});
    EXPECT_EQ(read.end, End::Complete);
    EXPECT_EQ(read.lines, (QStringList{u"a"_s, u"b"_s}));
}

class OddFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_EQ(::mkfifo(QFile::encodeName(path(u"fifo"_s)).constData(), 0600), 0);
        ASSERT_TRUE(QFile::link(u"/dev/zero"_s, path(u"zero"_s)));
        ASSERT_TRUE(QFile::link(path(u"nowhere"_s), path(u"dangling"_s)));
        ASSERT_TRUE(QDir(dir_.path()).mkdir(u"folder"_s));
    }
    QString path(const QString &name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

TEST_F(OddFiles, OnlyRegularFilesAreOpenedAndNothingWaits)
{
    QFile regular(path(u"plain"_s));
    ASSERT_TRUE(regular.open(QIODevice::WriteOnly));
    regular.close();
    const auto outcome = [this](const QString &name) {
        QFile file;
        return OpenRegularFile(file, path(name));
    };
    EXPECT_EQ(outcome(u"plain"_s), OpenOutcome::Opened);
    EXPECT_EQ(outcome(u"nowhere"_s), OpenOutcome::Missing);
    EXPECT_EQ(outcome(u"dangling"_s), OpenOutcome::Missing);
    for (const QString &odd : {u"fifo"_s, u"zero"_s, u"folder"_s})
        EXPECT_EQ(outcome(odd), OpenOutcome::Refused) << odd.toStdString();
}

TEST_F(OddFiles, AHistoryThatCannotBeReadIsToldApartFromNone)
{
    SearchHistory history;
    EXPECT_EQ(history.load(path(u"nowhere"_s)), SearchHistory::LoadOutcome::Missing);
    EXPECT_TRUE(history.unreadableFile().isEmpty());
    for (const QString &odd : {u"fifo"_s, u"zero"_s, u"folder"_s}) {
        history.setEntries({u"left over"_s});
        EXPECT_EQ(history.load(path(odd)), SearchHistory::LoadOutcome::Unreadable);
        EXPECT_EQ(history.unreadableFile(), path(odd));
        EXPECT_TRUE(history.entries().isEmpty());
    }
    if (::geteuid() != 0) {
        QFile writeOnly(path(u"Dic.ini"_s));
        ASSERT_TRUE(writeOnly.open(QIODevice::WriteOnly));
        writeOnly.write("pump\r\n");
        writeOnly.setPermissions(QFile::WriteOwner);
        EXPECT_EQ(history.load(path(u"Dic.ini"_s)), SearchHistory::LoadOutcome::Unreadable);
    }
}

TEST_F(OddFiles, AHugeHistoryIsReadOnlyAsFarAsItsLimits)
{
    QFile file(path(u"Dic.ini"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int k = 0; k < 5000; ++k)
        file.write("w" + QByteArray::number(k) + "\r\n");
    file.close();
    SearchHistory history;
    EXPECT_EQ(history.load(file.fileName()), SearchHistory::LoadOutcome::Loaded);
    EXPECT_EQ(history.entries().size(), SearchHistory::ReadLineLimit);

    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("pump\r\nvalve\r\n" + QByteArray(2 << 20, 'x'));
    file.close();
    history.load(file.fileName());
    EXPECT_EQ(history.entries(), (QStringList{u"pump"_s, u"valve"_s}));
}

qint64 DeadProcessId()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(ExtractionFolders, OnlyFoldersOfProcessesThatAreGoneAreRemoved)
{
    QTemporaryDir temp;
    const QDir dir(temp.path());
    const QString dead = QString::number(DeadProcessId());
    const QString own = QString::number(QCoreApplication::applicationPid());
    const QString stale = u"quillet-%1-aB3dE9"_s.arg(dead);
    const QStringList kept{u"quillet-%1-aB3dE9"_s.arg(own), u"quillet-1-aB3dE9"_s,
                           u"quillet-%1-longer7"_s.arg(dead), u"other-%1-aB3dE9"_s.arg(dead), u"target"_s};
    for (const QString &name : kept + QStringList{stale})
        ASSERT_TRUE(dir.mkdir(name));
    QFile inside(dir.filePath(stale + u"/ert_e.txt"_s));
    ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
    inside.close();
    const QString link = u"quillet-%1-lInK99"_s.arg(dead);
    ASSERT_TRUE(QFile::link(dir.filePath(u"target"_s), dir.filePath(link)));

    EXPECT_EQ(extraction::RemoveStaleFolders(dir.path()), 1);
    EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
              [&] { QStringList all = kept + QStringList{link}; all.sort(); return all; }());
    EXPECT_TRUE(extraction::FolderTemplate().endsWith(u"/quillet-"_s + own + u"-XXXXXX"_s));
}

bool Running(qint64 pid)
{
    QFile stat(u"/proc/%1/stat"_s.arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    const qsizetype state = text.lastIndexOf(')') + 2;
    return state < text.size() && text[state] != 'Z';
}

TEST(ChildProcess, DiesWithTheProgramThatWaitsForIt)
{
    QTemporaryDir dir;
    const QString pidFile = dir.filePath(u"child.pid"_s);
    QProcess parent;
    parent.setWorkingDirectory(dir.path());
    parent.start(QStringLiteral(QUILLET_SHELL_PARENT),
                 {u"echo $$ > child.tmp && mv child.tmp child.pid && exec sleep 30"_s});
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(pidFile) && waited.elapsed() < 5000)
        QThread::msleep(10);
    QFile file(pidFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const qint64 child = file.readAll().trimmed().toLongLong();
    ASSERT_TRUE(Running(child));

    ::kill(pid_t(parent.processId()), SIGKILL);
    parent.waitForFinished();
    while (Running(child) && waited.elapsed() < 10000)
        QThread::msleep(10);
    EXPECT_FALSE(Running(child));
}

} // namespace
