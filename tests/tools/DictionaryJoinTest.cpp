// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/DictionaryJoin.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet::gendict;

namespace {

const SynsetKey Country(PartOfSpeech::Noun, 8544813);
const SynsetKey Rural(PartOfSpeech::Noun, 8645963);
const SynsetKey Hard(PartOfSpeech::Adjective, 1154367);
const SynsetKey Stephen(PartOfSpeech::Noun, 11315350);

WordNet sampleWordNet()
{
    WordNet wordNet;
    wordNet.addSynset(Country, {u"state"_s, u"nation"_s, u"country"_s, u"land"_s});
    wordNet.addSynset(Rural, {u"country"_s, u"rural_area"_s, u"area(a)"_s});
    wordNet.addSynset(Hard, {u"hard(a)"_s, u"hard(p)"_s, u"Hard"_s});
    // A person's name: an instance of a person noun.
    SynsetLinks person;
    person.instance = true;
    person.lexFile = 18;
    wordNet.addSynset(Stephen, {u"Stephen"_s, u"Sir_Leslie_Stephen"_s}, person);
    return wordNet;
}

} // namespace

TEST(DictionaryJoin, PairsEveryEnglishLemmaInSourceOrderWithoutRepeats)
{
    const WordNet wordNet = sampleWordNet();
    Assembly assembly(Lexicon{});
    DictionaryJoin join(wordNet, assembly);
    join.add({Country, u"\u021Bar\u0103"_s});
    join.add({Country, u"stat"_s});
    join.add({Rural, u"\u0163ar\u0103"_s}); // cedilla spelling: the same headword
    join.add({Rural, u"  "_s});              // unusable, adds nothing
    join.add({Hard, u"tare"_s});
    join.add({SynsetKey(PartOfSpeech::Verb, 1), u"juca"_s});
    join.add({Country, u"stat"_s});
    join.add({Stephen, u"Ștefan"_s});

    const QList<DictEntry> englishRomanian{
        {u"state"_s, u"\u021Bar\u0103, stat"_s},
        {u"nation"_s, u"\u021Bar\u0103, stat"_s},
        {u"country"_s, u"\u021Bar\u0103, stat"_s},
        {u"land"_s, u"\u021Bar\u0103, stat"_s},
        {u"rural area"_s, u"\u021Bar\u0103"_s},
        {u"area"_s, u"\u021Bar\u0103"_s},
        {u"hard"_s, u"tare"_s},
        {u"Hard"_s, u"tare"_s},
    };
    EXPECT_EQ(EntriesOf(assembly.englishRomanian()), englishRomanian);

    const QList<DictEntry> romanianEnglish{
        {u"\u021Bar\u0103"_s, u"state, nation, country, land; rural area, area"_s}, // a sense a synset
        {u"stat"_s, u"state, nation, country, land"_s},
        {u"tare"_s, u"hard"_s}, // "Hard" only differs in case
    };
    EXPECT_EQ(EntriesOf(assembly.romanianEnglish()), romanianEnglish);
    EXPECT_EQ(join.unresolvedLines(), 1);
}

TEST(DictionaryJoin, SynsetKeysReadAsTheOmwWritesThem)
{
    EXPECT_EQ(SynsetKey::parse(u"13493399-n"), SynsetKey(PartOfSpeech::Noun, 13493399));
    // A satellite adjective is found among the adjectives.
    EXPECT_EQ(SynsetKey::parse(u"00130518-s"), SynsetKey(PartOfSpeech::Adjective, 130518));
    EXPECT_EQ(SynsetKey::parse(u"00130518-a"), SynsetKey(PartOfSpeech::Adjective, 130518));
    for (const char16_t *bad : {u"", u"1349339-n", u"134933990-n", u"13493399n", u"13493399-x",
                                u"1349339a-n", u"13493399-nn"})
        EXPECT_FALSE(SynsetKey::parse(bad).has_value()) << QString::fromUtf16(bad).toStdString();
}

TEST(DictionaryJoin, PiecesOfNamesAreNoHeadwords)
{
    const WordNet wordNet = sampleWordNet();
    Lexicon lexicon;
    lexicon.romanianLemmas.insert(u"republică"_s);
    lexicon.romanianForms.add(u"republica"_s, u"republică"_s);
    Assembly assembly(std::move(lexicon));
    DictionaryJoin join(wordNet, assembly);
    join.setNameHeads({u"Coasta"_s, u"Republica"_s, u"Cehia"_s});
    // A word of the English name, itself no English lemma.
    EXPECT_TRUE(join.isNamePiece(u"El"_s, {u"El Salvador"_s, u"Salvador"_s}));
    EXPECT_FALSE(join.isNamePiece(u"Monaco"_s, {u"Monaco"_s, u"Principality of Monaco"_s}));
    // The head of a longer name, where every English name is longer too or where it is
    // a form of a common word.
    EXPECT_TRUE(join.isNamePiece(u"Coasta"_s, {u"Ivory Coast"_s, u"Cote d'Ivoire"_s}));
    EXPECT_TRUE(join.isNamePiece(u"Republica"_s, {u"Moldova"_s, u"Republic of Moldova"_s}));
    EXPECT_FALSE(join.isNamePiece(u"Cehia"_s, {u"Czech Republic"_s, u"Czechia"_s}));
    EXPECT_FALSE(join.isNamePiece(u"Vatican"_s, {u"Vatican City"_s, u"Holy See"_s}));
    EXPECT_FALSE(join.isNamePiece(u"coasta"_s, {u"coast"_s}));
}
