// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/DictionaryJoin.h"
#include "gendict/WordNet.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;
using namespace quillet::gendict;

namespace {

constexpr quint32 Far = 10 * WordNet::MaxShift;

// Verbs at 1000 and, close behind one another, at 1000 + Far and 1000 + Far + 10; a
// noun line starting where no verb does.
WordNet sampleWordNet()
{
    WordNet wordNet;
    wordNet.addSynset({PartOfSpeech::Verb, 1000}, {u"eat"_s});
    wordNet.addSynset({PartOfSpeech::Verb, 1000 + Far}, {u"drink"_s});
    wordNet.addSynset({PartOfSpeech::Verb, 1000 + Far + 10}, {u"sip"_s});
    wordNet.addSynset({PartOfSpeech::Noun, 1000 + 3 * Far}, {u"food"_s});
    return wordNet;
}

std::optional<quint32> foundOffset(const WordNet &wordNet, PartOfSpeech pos, quint32 offset)
{
    const std::optional<SynsetMatch> match = wordNet.find({pos, offset});
    if (!match)
        return std::nullopt;
    EXPECT_EQ(match->key.pos(), pos);
    EXPECT_EQ(match->key.offset() - offset, match->shift);
    return match->key.offset();
}

} // namespace

TEST(WordNetFind, ExactKeyOrTheOneSynsetOfItsClassMovedOnByAFewBytes)
{
    const WordNet wordNet = sampleWordNet();
    const auto verb = [&](quint32 offset) { return foundOffset(wordNet, PartOfSpeech::Verb, offset); };

    // Exact keys win, even with another synset within reach behind them.
    EXPECT_EQ(verb(1000), 1000u);
    EXPECT_EQ(verb(1000 + Far), 1000 + Far);

    // A key just before a synset line, up to MaxShift bytes before it, means that synset.
    EXPECT_EQ(verb(999), 1000u);
    EXPECT_EQ(verb(1000 - WordNet::MaxShift), 1000u);
    // Further away, or past the synset (moves only go forward), it means nothing.
    EXPECT_EQ(verb(1000 - WordNet::MaxShift - 1), std::nullopt);
    EXPECT_EQ(verb(1001), std::nullopt);
    EXPECT_EQ(verb(1000 + 5 * Far), std::nullopt); // after the last synset
    EXPECT_EQ(verb(0), std::nullopt);

    // Two verb lines within reach: no guess.
    EXPECT_EQ(foundOffset(wordNet, PartOfSpeech::Verb, 1000 + Far - 1), std::nullopt);
    EXPECT_EQ(foundOffset(wordNet, PartOfSpeech::Verb, 1000 + Far - 5), std::nullopt);
    // Between the two, only the second is within reach.
    EXPECT_EQ(foundOffset(wordNet, PartOfSpeech::Verb, 1000 + Far + 1), 1000 + Far + 10);

    // Only synsets of the key's own word class count, exact or moved.
    EXPECT_EQ(foundOffset(wordNet, PartOfSpeech::Verb, 1000 + 3 * Far), std::nullopt);
    EXPECT_EQ(foundOffset(wordNet, PartOfSpeech::Verb, 1000 + 3 * Far - 1), std::nullopt);
    EXPECT_EQ(foundOffset(wordNet, PartOfSpeech::Adjective, 999), std::nullopt);
    EXPECT_EQ(foundOffset(wordNet, PartOfSpeech::Noun, 1000 + 3 * Far - 1), 1000 + 3 * Far);
    // The exact lookup of lemmas does not move.
    EXPECT_EQ(wordNet.lemmas({PartOfSpeech::Verb, 999}), nullptr);
}

TEST(WordNetFind, JoinUsesMovedSynsetsAndCountsThemPerShift)
{
    const WordNet wordNet = sampleWordNet();
    Assembly assembly(Lexicon{});
    DictionaryJoin join(wordNet, assembly);
    join.add({{PartOfSpeech::Verb, 1000}, u"m\u00E2nca"_s});
    join.add({{PartOfSpeech::Verb, 982}, u"hr\u0103ni"_s});               // moved by 18
    join.add({{PartOfSpeech::Verb, 1000 + Far + 9}, u"sorbi"_s});       // moved by 1
    join.add({{PartOfSpeech::Verb, 1000 + Far + 9}, u" "_s});           // moved by 1, unusable
    join.add({{PartOfSpeech::Verb, 1000 + Far - 5}, u"bea"_s});         // ambiguous
    join.add({{PartOfSpeech::Noun, 1000 + 3 * Far + 1}, u"hran\u0103"_s}); // nothing

    // Verbs: "to " before the English, "a " before the Romanian of an English headword.
    const QList<DictEntry> romanianEnglish{
        {u"m\u00E2nca"_s, u"to eat"_s},
        {u"hr\u0103ni"_s, u"to eat"_s},
        {u"sorbi"_s, u"to sip"_s},
    };
    EXPECT_EQ(EntriesOf(assembly.romanianEnglish()), romanianEnglish);
    EXPECT_EQ(EntriesOf(assembly.englishRomanian()),
              (QList<DictEntry>{{u"eat"_s, u"a m\u00E2nca, a hr\u0103ni"_s}, {u"sip"_s, u"a sorbi"_s}}));
    EXPECT_EQ(join.shiftedLines(), (QMap<quint32, qsizetype>{{1, 2}, {18, 1}}));
    EXPECT_EQ(join.unresolvedLines(), 2);
}
