// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile input made here at run time: endless lines, and the folders of a load that an
// earlier version left when it was killed.
#include "core/dictionary/ExtractionFolder.h"
#include "core/dictionary/TextLines.h"

#include "common/QStringPrinter.h"
#include "common/TestFiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;
using ::testing::HasSubstr;

namespace {

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

} // namespace
