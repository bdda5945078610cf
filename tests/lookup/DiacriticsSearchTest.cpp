#include "dictionary/Diacritics.h"
#include "lookup/SearchEngine.h"

#include "common/QStringPrinter.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillet {
namespace {

TEST(Diacritics, MarksComeOffLatinLettersOnly)
{
    EXPECT_EQ(FoldDiacritics(u"ăâîșşțţ ĂÂÎȘŞȚŢ"), u"aaisstt AAISSTT"_s);
    EXPECT_EQ(FoldDiacritics(u"éöñçłØấ"), u"eonclOa"_s);
    EXPECT_EQ(FoldDiacritics(u"s\u0326urub"), u"surub"_s); // a loose comma below
    EXPECT_EQ(FoldDiacritics(u"ß αά 1/2 \U0001D11E"), u"ß αά 1/2 \U0001D11E"_s);
}

TEST(Diacritics, BothPassesForgiveMissingMarksOnlyWhenAsked)
{
    constexpr int RE = DictTable::RomanianEnglish;
    DictTable table;
    const QStringList headwords{u"șurub"_s, u"surub"_s, u"sudură"_s, u"Șa"_s, u"oțel"_s, u"clopoţel"_s};
    for (int k = 1; k <= headwords.size(); ++k)
        table.set(RE, DictTable::Headword, k, headwords[k - 1]);
    table.setEntryCount(RE, int(headwords.size()));

    const auto ignored = [&](QStringView query) { return SearchDictionary(table, RE, query, Diacritics::Ignored); };
    EXPECT_EQ(ignored(u"surub").startingWith, (std::vector<int>{1, 2}));
    EXPECT_EQ(ignored(u"șurub").startingWith, (std::vector<int>{1, 2}));
    EXPECT_EQ(ignored(u"sudura").containing, (std::vector<int>{3}));
    EXPECT_EQ(ignored(u"tel").containing, (std::vector<int>{5, 6}));  // comma below and cedilla alike
    EXPECT_EQ(ignored(u"sa").startingWith, (std::vector<int>{}));     // the first pass keeps letter case
    EXPECT_EQ(ignored(u"sa").containing, (std::vector<int>{4}));
    EXPECT_TRUE(ignored(u"\u0326").containing.empty());

    const auto exact = SearchDictionary(table, RE, u"surub");
    EXPECT_EQ(exact.startingWith, (std::vector<int>{2}));
    EXPECT_EQ(exact.containing, (std::vector<int>{2}));

    // A headword changed after the load is found by its new text under both rules.
    table.set(RE, DictTable::Headword, 2, u"ventil"_s);
    EXPECT_EQ(ignored(u"surub").startingWith, (std::vector<int>{1}));
}

} // namespace
} // namespace quillet
