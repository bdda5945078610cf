// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/ByteSearch.h"
#include "core/dictionary/Diacritics.h"
#include "core/lookup/SearchEngine.h"

#include "common/QStringPrinter.h"

#include <QRandomGenerator>
#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using quillet::Diacritics;
using quillet::DictTable;
using quillet::SearchDictionary;

namespace {

constexpr int ER = DictTable::EnglishRomanian;

void Fill(DictTable &table, int d, const QStringList &headwords)
{
    for (int k = 1; k <= headwords.size(); ++k) {
        table.set(d, DictTable::Headword, k, headwords[k - 1]);
        table.set(d, DictTable::Translation, k, u"t"_s + headwords[k - 1]);
    }
    table.setEntryCount(d, int(headwords.size()));
}

// The comparisons exactly as a user reads them: a case-sensitive prefix and a
// case-insensitive substring of the whole query, entry by entry in table order, at most
// 100 of each.
quillet::SearchResult Reference(const DictTable &table, int d, const QString &query)
{
    quillet::SearchResult result;
    for (int k = 1; k <= table.EntryCount(d); ++k) {
        const QString &headword = table(d, DictTable::Headword, k);
        if (headword.left(query.size()) == query && result.startingWith.size() < 100)
            result.startingWith.push_back(k);
        if (headword.contains(query, Qt::CaseInsensitive) && result.containing.size() < 100)
            result.containing.push_back(k);
    }
    return result;
}

// The same headwords as the lines of a loaded file, their index made from the lines for a
// single search (scanned, never sorted), as a look-up from the command line makes it.
DictTable SearchedOnce(const QStringList &headwords)
{
    QByteArray utf8;
    std::vector<quillet::LineSpan> lines;
    for (const QString &headword : headwords) {
        const QByteArray line = headword.toUtf8();
        lines.push_back({std::uint32_t(utf8.size()), std::uint32_t(line.size())});
        utf8 += line + '\n';
    }
    quillet::HeadwordIndex index = quillet::HeadwordIndex::OfLines(utf8, lines);
    index.setSearchedOnce(true);
    DictTable table;
    table.setLines(ER, DictTable::Headword, utf8, std::move(lines), std::move(index));
    table.setEntryCount(ER, int(headwords.size()));
    return table;
}

// Both ways of making the index give the same texts and find what the reference finds.
void ExpectSameSearches(const DictTable &table, const QStringList &headwords, const QStringList &queries)
{
    const DictTable once = SearchedOnce(headwords);
    for (int i = 0; i < quillet::HeadwordIndex::Texts; ++i)
        ASSERT_EQ(once.headwords(ER).text(i).bytes(), table.headwords(ER).text(i).bytes()) << i;
    for (const QString &q : queries) {
        const auto slow = Reference(table, ER, q);
        for (const DictTable *searched : {&table, &once}) {
            const auto fast = SearchDictionary(*searched, ER, q);
            ASSERT_EQ(fast.startingWith, slow.startingWith) << q.toStdString();
            ASSERT_EQ(fast.containing, slow.containing) << q.toStdString();
        }
    }
}

TEST(SearchEngine, HonoursTheEntryCountAndSkipsEmptySlots)
{
    DictTable table;
    Fill(table, ER, {u"a1"_s, u"a2"_s, u"a3"_s, u"a4"_s});
    table.setEntryCount(ER, 3);
    EXPECT_EQ(SearchDictionary(table, ER, u"a").startingWith, (std::vector<int>{1, 2, 3}));
    // The other direction is empty until something fills it.
    EXPECT_TRUE(SearchDictionary(table, DictTable::RomanianEnglish, u"a").startingWith.empty());

    DictTable sparse;
    sparse.set(ER, DictTable::Headword, 3, u"late"_s); // 1 and 2 not read yet
    sparse.setEntryCount(ER, DictTable::Capacity);
    EXPECT_EQ(SearchDictionary(sparse, ER, u"l").startingWith, (std::vector<int>{3}));
    EXPECT_TRUE(SearchDictionary(sparse, ER, u"late\nx").containing.empty());
    EXPECT_TRUE(SearchDictionary(sparse, ER, u"").containing.empty());
}

TEST(SearchEngine, FoldsLettersLikeTheCaseInsensitiveComparison)
{
    DictTable table;
    Fill(table, ER, {u"ȘURUB"_s, u"șurub"_s, u"surub"_s, u"ÎNCHIS"_s, u"Straße"_s, u"İzmir"_s,
                     u"ǅemal"_s, u"𐐀dese"_s});
    ExpectSameSearches(table,
                       {u"ȘURUB"_s, u"șurub"_s, u"surub"_s, u"ÎNCHIS"_s, u"Straße"_s, u"İzmir"_s, u"ǅemal"_s,
                        u"𐐀dese"_s},
                       {u"șurub"_s, u"ȘUR"_s, u"închis"_s, u"STRASSE"_s, u"straße"_s, u"izmir"_s, u"i̇zmir"_s,
                        u"ǆ"_s, u"𐐨"_s});
    // A diacritic still differs from the plain letter.
    EXPECT_EQ(SearchDictionary(table, ER, u"SURUB").containing, (std::vector<int>{3}));
}

TEST(SearchEngine, AgreesWithTheEntryByEntryComparisonOnRandomData)
{
    const QString letters = u"abcdeșțăîâABCDEȘ -"_s;
    auto *random = QRandomGenerator::global();
    auto word = [&](int maxLength) {
        QString w;
        const int length = int(random->bounded(maxLength + 1));
        for (int i = 0; i < length; ++i)
            w += letters[random->bounded(int(letters.size()))];
        return w;
    };
    DictTable table;
    QStringList words;
    // Long enough that many share their first eight bytes, which the prefix order sorts by.
    for (int i = 0; i < 3000; ++i)
        words << word(14);
    Fill(table, ER, words);
    table.set(ER, DictTable::Headword, 17, u"changed later"_s); // out of order rewrite

    words[16] = u"changed later"_s;
    QStringList queries;
    while (queries.size() < 400)
        if (const QString q = word(5); !q.isEmpty())
            queries << q;
    ExpectSameSearches(table, words, queries);
}

TEST(ByteSearch, FindsANeedleAtEveryOffsetAcrossTheScannedBlocks)
{
    // Every start in and between the 16- and 32-byte blocks, up to the very last one, and
    // needles whose rare bytes lie apart or repeat.
    quillet::ByteSearch::ByteCounts counts{};
    counts['a'] = 100; // the filler: the needle's other bytes are the rare ones
    for (const std::string needle : {"xy", "xaay", "xxxx", "abcdefghijklmnopqrstuvwxyz0123456789"}) {
        for (std::size_t at = 0; at + needle.size() <= 100; ++at) {
            std::string haystack(100, 'a');
            haystack.replace(at, needle.size(), needle);
            const quillet::ByteSearch search(needle, counts);
            ASSERT_EQ(search.findIn(haystack, 0), haystack.find(needle)) << needle << " at " << at;
            EXPECT_EQ(search.findIn(haystack, at + 1), haystack.find(needle, at + 1)) << needle << " at " << at;
        }
    }
}

TEST(CommaBelowLetters, ReadsCedillaLettersAsTheDictionaryWritesThem)
{
    EXPECT_EQ(quillet::CommaBelowLetters(u"\u015Furub \u0163eav\u0103 \u015E\u0162 ș ç"_s), u"șurub țeavă ȘȚ ș ç"_s);
}

TEST(Diacritics, MarksComeOffLatinLettersOnly)
{
    EXPECT_EQ(quillet::FoldDiacritics(u"ăâîșşțţ ĂÂÎȘŞȚŢ"), u"aaisstt AAISSTT"_s);
    EXPECT_EQ(quillet::FoldDiacritics(u"éöñçłØấ"), u"eonclOa"_s);
    EXPECT_EQ(quillet::FoldDiacritics(u"s\u0326urub"), u"surub"_s); // a loose comma below
    EXPECT_EQ(quillet::FoldDiacritics(u"ß αά 1/2 \U0001D11E"), u"ß αά 1/2 \U0001D11E"_s);
}

TEST(Diacritics, BothPassesForgiveMissingMarksOnlyWhenAsked)
{
    constexpr int RE = DictTable::RomanianEnglish;
    DictTable table;
    Fill(table, RE, {u"șurub"_s, u"surub"_s, u"sudură"_s, u"Șa"_s, u"oțel"_s, u"clopoţel"_s});

    const auto ignored = [&](QStringView query) { return SearchDictionary(table, RE, query, Diacritics::Ignored); };
    EXPECT_EQ(ignored(u"șurub").startingWith, (std::vector<int>{1, 2}));
    EXPECT_EQ(ignored(u"sudura").containing, (std::vector<int>{3}));
    EXPECT_EQ(ignored(u"tel").containing, (std::vector<int>{5, 6}));  // comma below and cedilla alike
    EXPECT_EQ(ignored(u"sa").startingWith, (std::vector<int>{}));     // the first pass keeps letter case
    EXPECT_EQ(ignored(u"sa").containing, (std::vector<int>{4}));
    EXPECT_TRUE(ignored(u"\u0326").containing.empty());
    EXPECT_EQ(SearchDictionary(table, RE, u"surub").containing, (std::vector<int>{2}));

    // A headword changed after the load is found by its new text under both rules.
    table.set(RE, DictTable::Headword, 2, u"ventil"_s);
    EXPECT_EQ(ignored(u"surub").startingWith, (std::vector<int>{1}));
}

} // namespace
