// SPDX-License-Identifier: GPL-3.0-or-later
// The word behind an inflected or misspelt query: the forms table, the English rules,
// the near misses and how the finder puts them together, on small tables of their own.
#include "core/lookup/EnglishMorphology.h"
#include "core/lookup/FormsTable.h"
#include "core/lookup/NearMisses.h"
#include "core/lookup/RomanianMorphology.h"
#include "core/lookup/WordFinder.h"

#include "common/QStringPrinter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet;
using ::testing::ElementsAre;

namespace {

constexpr int ER = DictTable::EnglishRomanian;
constexpr int RE = DictTable::RomanianEnglish;

void Fill(DictTable &table, int d, const QStringList &headwords)
{
    for (int k = 1; k <= headwords.size(); ++k) {
        table.set(d, DictTable::Headword, k, headwords[k - 1]);
        table.set(d, DictTable::Translation, k, u"t"_s + headwords[k - 1]);
    }
    table.setEntryCount(d, int(headwords.size()));
}

std::vector<int> NearMissesIn(const QStringList &headwords, QStringView query)
{
    DictTable table;
    Fill(table, ER, headwords);
    return FindNearMisses(HeadwordKeys(table, ER), query);
}

TEST(FormsTable, FindsBaseFormsByTheFormWhateverItsCaseAndMarks)
{
    const FormsTable forms(FormsTable::encode({{u"roțile"_s, u"roată"_s},
                                               {u"roți"_s, u"roată"_s},
                                               {u"roți"_s, u"roată"_s}, // once is enough
                                               {u"rotile"_s, u"rotilă"_s},
                                               {u"șuruburile"_s, u"șurub"_s},
                                               {u"pompe"_s, u"pompă"_s},
                                               {u"pompe"_s, u"pompa"_s}}));
    EXPECT_EQ(forms.size(), 6);
    const FoundBases wheels = forms.basesOf(u"Roțile");
    EXPECT_EQ(wheels.spelledAlike, QStringList{u"roată"_s});
    EXPECT_EQ(wheels.marksApart, QStringList{u"rotilă"_s});
    EXPECT_EQ(forms.basesOf(u"suruburile").marksApart, QStringList{u"șurub"_s});
    EXPECT_EQ(forms.basesOf(u"pompe").spelledAlike, (QStringList{u"pompa"_s, u"pompă"_s}));
    for (const QStringView missing : {u"", u"roat", u"roțilee", u"a"})
        EXPECT_TRUE(forms.basesOf(missing).spelledAlike.isEmpty()) << missing.toString().toStdString();

    // Lines that are no pair are passed over; the others are still found.
    const FormsTable damaged("no tab\n\tempty form\nroți\troată\nempty base\t\nșuruburi\tșurub"_ba);
    EXPECT_EQ(damaged.size(), 2);
    EXPECT_EQ(damaged.basesOf(u"șuruburi").spelledAlike, QStringList{u"șurub"_s});
    EXPECT_TRUE(FormsTable().basesOf(u"roți").spelledAlike.isEmpty());
}

TEST(EnglishMorphology, DetachesTheEndingsOfRegularForms)
{
    const QList<std::pair<QString, QString>> regular{
        {u"bearings"_s, u"bearing"_s},   {u"switches"_s, u"switch"_s},  {u"batteries"_s, u"battery"_s},
        {u"boxes"_s, u"box"_s},          {u"pumped"_s, u"pump"_s},      {u"welding"_s, u"weld"_s},
        {u"compressing"_s, u"compress"_s}, {u"lubricated"_s, u"lubricate"_s}, {u"cooling"_s, u"cool"_s},
        {u"stopped"_s, u"stop"_s},       {u"larger"_s, u"large"_s},     {u"Gears"_s, u"gear"_s},
        {u"firemen"_s, u"fireman"_s},    {u"pump's"_s, u"pump"_s},      {u"automatically"_s, u"automatic"_s},
        {u"ball bearings"_s, u"ball bearing"_s}, {u"copied"_s, u"copy"_s}};
    for (const auto &[form, base] : regular)
        EXPECT_TRUE(EnglishBaseCandidates(form).contains(base)) << form.toStdString();
    // Too short a stem, or nothing to detach.
    EXPECT_TRUE(EnglishBaseCandidates(u"is").isEmpty());
    EXPECT_TRUE(EnglishBaseCandidates(u"pump").isEmpty());
    EXPECT_FALSE(EnglishBaseCandidates(u"buses s").contains(u"buses "_s));

    // Romanian: the definite article or case ending comes off.
    const QList<std::pair<QString, QString>> romanian{{u"pompele"_s, u"pompe"_s}, {u"presiunii"_s, u"presiuni"_s},
                                                      {u"arborelui"_s, u"arbore"_s}, {u"motorul"_s, u"motor"_s},
                                                      {u"tensiunea"_s, u"tensiune"_s}, {u"roata"_s, u"roată"_s},
                                                      {u"rulmenților"_s, u"rulmenți"_s}};
    for (const auto &[form, stem] : romanian)
        EXPECT_TRUE(RomanianArticleCandidates(form).contains(stem)) << form.toStdString();
    EXPECT_TRUE(RomanianArticleCandidates(u"ale").isEmpty());
}

TEST(NearMisses, CountSwapsAsOneEditAndRankTheClosestFirst)
{
    const auto distance = [](std::u32string_view a, std::u32string_view b) { return EditDistance(a, b, 3); };
    EXPECT_EQ(distance(U"rulment", U"rulmnet"), 1);
    EXPECT_EQ(distance(U"pump", U"pmup"), 1);
    EXPECT_EQ(distance(U"valve", U"vale"), 1);
    EXPECT_EQ(distance(U"valve", U"valves"), 1);
    EXPECT_EQ(distance(U"abc", U"ca"), 3); // no swap after an edit between the two
    EXPECT_EQ(distance(U"", U"abc"), 3);
    EXPECT_EQ(EditDistance(U"capacitor", U"kapasitro", 1), 2); // past the bound: bound + 1

    // Fewest edits first, then the same first letter, then the nearer length, then table order.
    const QStringList headwords{u"rulmenți"_s, u"rulment"_s, u"bulment"_s, u"rulmentul"_s, u"Rulmenț"_s,
                                u"ventil"_s, u"rumen"_s};
    EXPECT_THAT(NearMissesIn(headwords, u"rulmnet"), ElementsAre(2, 5, 1, 3));
    // Case and marks are no edits, yet the query's own marks come first; one or two
    // letters allow nothing else.
    EXPECT_THAT(NearMissesIn({u"Șa"_s, u"sa"_s, u"ta"_s}, u"sa"), ElementsAre(2, 1));
    EXPECT_THAT(NearMissesIn({u"pump"_s, u"pomp"_s, u"pumps"_s}, u"pmup"), ElementsAre(1));
    // At one edit, the likelier slip: a swap or a double letter, then a letter left out,
    // then one changed, then one too many; marks typed tell apart headwords alike without.
    EXPECT_THAT(NearMissesIn({u"cabal"_s, u"cable"_s}, u"cabel"), ElementsAre(2, 1));
    EXPECT_THAT(NearMissesIn({u"bakery"_s, u"battery"_s}, u"batery"), ElementsAre(2, 1));
    EXPECT_THAT(NearMissesIn({u"resist"_s, u"prepune"_s, u"resistor"_s}, u"resistr"), ElementsAre(3, 1));
    EXPECT_THAT(NearMissesIn({u"prepune"_s, u"presiune"_s}, u"presune"), ElementsAre(2, 1));
    EXPECT_THAT(NearMissesIn({u"frâna"_s, u"frână"_s}, u"frnă"), ElementsAre(2, 1));
    EXPECT_TRUE(NearMissesIn({u"pump"_s}, u"").empty());
}

TEST(WordFinder, OffersHeadwordsOnlyAndNearMissesOnlyWhenNothingElseIsFound)
{
    DictTable table;
    Fill(table, ER, {u"ball bearing"_s, u"bearing"_s, u"Pump"_s, u"axis"_s, u"stop"_s});
    Fill(table, RE, {u"pompă"_s, u"pompa"_s, u"șurub"_s, u"sudură"_s});
    WordFinder finder(table);
    finder.setForms(ER, FormsTable(FormsTable::encode({{u"axes"_s, u"axis"_s}, {u"axes"_s, u"ax"_s}})));
    finder.setForms(RE, FormsTable(FormsTable::encode(
                            {{u"pompe"_s, u"pompă"_s}, {u"pompele"_s, u"pompă"_s}, {u"roțile"_s, u"roată"_s},
                             {u"șuruburile"_s, u"șurub"_s}, {u"sudura"_s, u"sudură"_s}})));
    const auto bases = [&](int d, QStringView query, Diacritics diacritics = Diacritics::Distinct) {
        return finder.baseForms(d, query, diacritics);
    };
    EXPECT_THAT(bases(ER, u"bearings"), ElementsAre(2));
    EXPECT_THAT(bases(ER, u"ball bearings"), ElementsAre(1));
    EXPECT_THAT(bases(ER, u"pumps"), ElementsAre(3)); // "Pump" but for case
    EXPECT_THAT(bases(ER, u"axes"), ElementsAre(4));   // the listed form; "ax" is no headword
    EXPECT_THAT(bases(ER, u"stopped"), ElementsAre(5));
    EXPECT_THAT(bases(RE, u"pompele"), ElementsAre(1));
    EXPECT_THAT(bases(RE, u"pompelor"), ElementsAre(1)); // unlisted: "pompe" and its article
    EXPECT_THAT(bases(RE, u"unei pompe"), ElementsAre(1));
    EXPECT_THAT(bases(RE, u"a pompa"), ElementsAre(2));
    EXPECT_THAT(bases(ER, u"to pump"), ElementsAre(3));
    EXPECT_THAT(bases(RE, u"suruburile"), ElementsAre(3)); // typed without its marks
    EXPECT_TRUE(bases(RE, u"roțile").empty());             // "roată" is no headword here
    // A headword is looked up as itself, not as a form, letter case aside.
    EXPECT_TRUE(bases(RE, u"pompa").empty());
    EXPECT_TRUE(bases(ER, u"PUMP").empty());
    EXPECT_THAT(bases(RE, u"sudura"), ElementsAre(4)); // a form here, a headword when marks are ignored
    EXPECT_TRUE(bases(RE, u"sudura", Diacritics::Ignored).empty());
    EXPECT_TRUE(finder.isHeadword(RE, u"Șurub", Diacritics::Distinct));

    const SearchResult nothing;
    const WordFinds misspelt = finder.find(RE, u"surbu", nothing, Diacritics::Distinct);
    EXPECT_TRUE(misspelt.baseForms.empty());
    EXPECT_THAT(misspelt.nearMisses, ElementsAre(3));
    EXPECT_TRUE(finder.find(RE, u"surbu", SearchResult{{}, {2}}, Diacritics::Distinct).isEmpty());
    EXPECT_TRUE(finder.find(RE, u"pompele", nothing, Diacritics::Distinct).nearMisses.empty());
}

TEST(WordFinder, OffersOtherLetterCaseAndBaseFormsBesideAHeadword)
{
    DictTable table;
    Fill(table, ER, {u"thread"_s, u"threaded"_s, u"valve"_s, u"Valve"_s, u"heat"_s, u"heater"_s, u"bearing"_s,
                     u"bear"_s});
    Fill(table, RE, {u"pompă"_s, u"pompe"_s, u"pompa"_s, u"roată"_s, u"roțile"_s, u"Șurub"_s});
    WordFinder finder(table);
    finder.setForms(RE, FormsTable(FormsTable::encode(
                            {{u"pompe"_s, u"pompă"_s}, {u"pompe"_s, u"pompa"_s}, {u"roțile"_s, u"roată"_s}})));
    const SearchResult nothing;

    // The spellings the Starting-with list tells apart, the query's own left out.
    EXPECT_THAT(finder.otherCase(ER, u"VALVE", Diacritics::Distinct), ElementsAre(3, 4));
    EXPECT_THAT(finder.otherCase(ER, u"valve", Diacritics::Distinct), ElementsAre(4));
    EXPECT_TRUE(finder.otherCase(RE, u"Șurub", Diacritics::Distinct).empty());
    EXPECT_TRUE(finder.otherCase(RE, u"surub", Diacritics::Distinct).empty()); // marks count
    EXPECT_THAT(finder.otherCase(RE, u"surub", Diacritics::Ignored), ElementsAre(6));
    const WordFinds capital = finder.find(ER, u"Threaded", nothing, Diacritics::Distinct);
    EXPECT_THAT(capital.otherCase, ElementsAre(2));
    EXPECT_THAT(capital.baseForms, ElementsAre(1));
    EXPECT_TRUE(capital.nearMisses.empty());

    // A headword that is also a form: its base forms, itself left out, after its own rows.
    const WordFinds threaded = finder.find(ER, u"threaded", SearchResult{{2}, {2}}, Diacritics::Distinct);
    EXPECT_THAT(threaded.baseForms, ElementsAre(1));
    EXPECT_TRUE(threaded.besideHeadword);
    EXPECT_TRUE(finder.baseForms(ER, u"heater", Diacritics::Distinct).empty()); // no comparative of "heat"
    EXPECT_THAT(finder.baseForms(ER, u"bearing", Diacritics::Distinct), ElementsAre(8));
    EXPECT_THAT(finder.baseForms(RE, u"pompe", Diacritics::Distinct), ElementsAre(3, 1));
    EXPECT_THAT(finder.baseForms(RE, u"roțile", Diacritics::Distinct), ElementsAre(4));
    EXPECT_FALSE(finder.find(ER, u"thread", SearchResult{{1}, {1, 2}}, Diacritics::Distinct).besideHeadword);
}

} // namespace
