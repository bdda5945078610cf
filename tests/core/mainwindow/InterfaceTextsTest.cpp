// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/InterfaceTexts.h"

#include "common/QStringPrinter.h"

#include <QList>

#include <gtest/gtest.h>

#include <tuple>

using namespace Qt::StringLiterals;

namespace quillet {
namespace {

// The column headings are checked through the window; here, that no row lacks a language.
TEST(InterfaceTexts, EveryRowWithItsOwnTextHasItInBothLanguages)
{
    for (const InterfaceText &row : InterfaceTextRows()) {
        const bool ownText = row.target != TextTarget::ColumnHeadings
                             && row.target != TextTarget::mnuCopyRec2_FromCopyRec
                             && row.target != TextTarget::mnuCopyTranslation2_FromCopyTranslation;
        EXPECT_EQ(!row.english.isEmpty(), ownText) << static_cast<int>(row.target);
        EXPECT_EQ(!row.romanian.isEmpty(), ownText) << static_cast<int>(row.target);
    }
}

TEST(InterfaceTexts, CountsReadRightInBothLanguages)
{
    const QList<std::tuple<qsizetype, bool, QString, QString>> counts{
        {0, false, u"0 words"_s, u"0 cuvinte"_s},         {1, false, u"1 word"_s, u"1 cuvânt"_s},
        {2, false, u"2 words"_s, u"2 cuvinte"_s},         {19, false, u"19 words"_s, u"19 cuvinte"_s},
        {20, false, u"20 words"_s, u"20 de cuvinte"_s},   {101, false, u"101 words"_s, u"101 cuvinte"_s},
        {119, false, u"119 words"_s, u"119 cuvinte"_s},   {120, false, u"120 words"_s, u"120 de cuvinte"_s},
        {100, true, u">100 words"_s, u">100 de cuvinte"_s}, {1005, false, u"1005 words"_s, u"1005 cuvinte"_s}};
    for (const auto &[count, limited, english, romanian] : counts) {
        EXPECT_EQ(WordCount(count, limited, true), english);
        EXPECT_EQ(WordCount(count, limited, false), romanian);
    }
}

} // namespace
} // namespace quillet
