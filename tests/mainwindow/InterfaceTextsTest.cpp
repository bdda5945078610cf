#include "mainwindow/InterfaceTexts.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillet {
namespace {

const InterfaceText &Row(TextTarget target)
{
    const auto rows = InterfaceTextRows();
    return *std::find_if(rows.begin(), rows.end(),
                         [target](const InterfaceText &row) { return row.target == target; });
}

TEST(InterfaceTexts, EveryTargetOnceInTheOrderTheWindowWritesThem)
{
    const auto rows = InterfaceTextRows();
    ASSERT_EQ(rows.size(), 34u);
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(static_cast<std::size_t>(rows[i].target), i) << "row " << i + 1;
    EXPECT_EQ(rows.front().text(true), u"English-Romanian"_s);
    EXPECT_EQ(rows.back().target, TextTarget::mnuIgnoreDiacritics_Caption);
    EXPECT_EQ(rows.back().text(false), u"Ignora diacriticele"_s);

    // Only the rows whose texts come from elsewhere are empty.
    for (const InterfaceText &row : rows) {
        const bool ownText = row.target != TextTarget::ColumnHeadings
                             && row.target != TextTarget::mnuCopyRec2_FromCopyRec
                             && row.target != TextTarget::mnuCopyTranslation2_FromCopyTranslation;
        EXPECT_EQ(!row.english.isEmpty(), ownText) << static_cast<int>(row.target);
        EXPECT_EQ(!row.romanian.isEmpty(), ownText) << static_cast<int>(row.target);
    }
    // Texts that others join to numbers carry their blanks.
    EXPECT_EQ(Row(TextTarget::WordCountSuffix).text(false), u" cuvinte"_s);
    EXPECT_EQ(Row(TextTarget::lblPuncte).text(true), u"Points: "_s);
    EXPECT_EQ(Row(TextTarget::lblPuncte1).text(false), u" din "_s);
}

TEST(InterfaceTexts, ColumnHeadingsFollowTheDirectionAndTheLanguage)
{
    using Headings = std::pair<QString, QString>;
    EXPECT_EQ(ColumnHeadings(true, false), Headings(u"English"_s, u"Romanian"_s));
    EXPECT_EQ(ColumnHeadings(true, true), Headings(u"Romanian"_s, u"English"_s));
    EXPECT_EQ(ColumnHeadings(false, false), Headings(u"Engleza"_s, u"Romana"_s));
    EXPECT_EQ(ColumnHeadings(false, true), Headings(u"Romana"_s, u"Engleza"_s));
}

} // namespace
} // namespace quillet
