// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile input made here at run time: endless lines.
#include "core/dictionary/TextLines.h"

#include "common/QStringPrinter.h"
#include "common/TestFiles.h"

#include <QBuffer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

} // namespace
