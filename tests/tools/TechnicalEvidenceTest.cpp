// SPDX-License-Identifier: GPL-3.0-or-later
// What marks a sense as technical, and which WordNet synset a short gloss means.
#include "gendict/SenseMatch.h"
#include "gendict/TechnicalEvidence.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet::gendict;

namespace {

const SynsetKey Device(PartOfSpeech::Noun, 10), Instrument(PartOfSpeech::Noun, 20), Flute(PartOfSpeech::Noun, 30),
    Relay(PartOfSpeech::Noun, 40), Physics(PartOfSpeech::Noun, 50), Stress(PartOfSpeech::Noun, 60),
    Physicist(PartOfSpeech::Noun, 70), Fruit(PartOfSpeech::Noun, 80), Block(PartOfSpeech::Noun, 90),
    Nut(PartOfSpeech::Noun, 100), Worry(PartOfSpeech::Noun, 110);

SynsetLinks links(const QString &gloss, QList<SynsetKey> hypernyms = {}, QList<quint32> domains = {}, int lexFile = 6)
{
    return {{}, domains, hypernyms, gloss, lexFile};
}

// A device with a musical instrument and a relay below it; a physics domain; a nut that
// is a fruit and one that is a metal block.
void fill(WordNet &wordNet, WordNetIndex &index)
{
    wordNet.addSynset(Device, {u"device"_s}, links(u"an instrumentality invented for a purpose"_s));
    wordNet.addSynset(Instrument, {u"musical_instrument"_s}, links(u"produces musical tones"_s, {Device}));
    wordNet.addSynset(Flute, {u"flute"_s}, links(u"a high-pitched woodwind"_s, {Instrument}));
    wordNet.addSynset(Relay, {u"relay"_s}, links(u"opens or closes a second circuit"_s, {Device}));
    wordNet.addSynset(Physics, {u"physics"_s}, links(u"the science of matter and energy"_s));
    wordNet.addSynset(Stress, {u"stress"_s}, links(u"force that produces strain"_s, {}, {Physics.offset()}, 19));
    wordNet.addSynset(Physicist, {u"physicist"_s}, links(u"a scientist"_s, {}, {Physics.offset()}, 18));
    wordNet.addSynset(Worry, {u"stress"_s, u"strain"_s}, links(u"difficulty that causes worry"_s));
    wordNet.addSynset(Fruit, {u"nut"_s}, links(u"usually large hard-shelled seed"_s, {}, {}, 20));
    wordNet.addSynset(Block, {u"block"_s}, links(u"a solid piece of something"_s));
    wordNet.addSynset(Nut, {u"nut"_s},
                      links(u"a small metal block with internal screw thread to be fitted onto a bolt"_s, {Block}));
    index.addLemma(PartOfSpeech::Noun, u"device"_s, {Device.offset()});
    index.addLemma(PartOfSpeech::Noun, u"musical_instrument"_s, {Instrument.offset()});
    index.addLemma(PartOfSpeech::Noun, u"nut"_s, {Fruit.offset(), Nut.offset()});
    index.addLemma(PartOfSpeech::Noun, u"stress"_s, {Worry.offset(), Stress.offset()});
}

} // namespace

TEST(TechnicalEvidence, GlossesNamingATechnicalThing)
{
    for (const char16_t *gloss : {u"metal fastener", u"electrical actuator", u"(Electronic) device", u"a machine part",
                                  u"building material", u"computer program", u"piece of Metal"})
        EXPECT_TRUE(TechnicalEvidence::glossNamesTechnicalThing(gloss)) << QString::fromUtf16(gloss).toStdString();
    for (const char16_t *gloss : {u"part of the arm", u"process of becoming different", u"television program",
                                  u"soft material", u"emotional pressure", u"devicey"})
        EXPECT_FALSE(TechnicalEvidence::glossNamesTechnicalThing(gloss)) << QString::fromUtf16(gloss).toStdString();
}

TEST(TechnicalEvidence, WordNetSynsetsByKindDomainAndGloss)
{
    WordNet wordNet;
    WordNetIndex index;
    fill(wordNet, index);
    const TechnicalSynsets technical(wordNet, index);
    // Below a technical kind, musical instruments aside; in a technical domain, people
    // aside; or named so by the gloss.
    EXPECT_TRUE(technical.isTechnical(Relay));
    EXPECT_TRUE(technical.isTechnical(Device));
    EXPECT_FALSE(technical.isTechnical(Flute));
    EXPECT_TRUE(technical.isTechnical(Stress));
    EXPECT_FALSE(technical.isTechnical(Physicist));
    EXPECT_TRUE(technical.isTechnical(Nut));
    EXPECT_FALSE(technical.isTechnical(Fruit));
    EXPECT_FALSE(technical.isTechnical(Worry));
    EXPECT_FALSE(technical.isTechnical(SynsetKey(PartOfSpeech::Verb, 10)));
}

TEST(SenseMatch, FindsTheSynsetAShortGlossMeans)
{
    WordNet wordNet;
    WordNetIndex index;
    fill(wordNet, index);
    const SenseMatch match(wordNet, index);
    EXPECT_EQ(match.synsetOf(u"nut"_s, PartOfSpeech::Noun, u"that fits on a bolt"), Nut);
    EXPECT_EQ(match.synsetOf(u"nut"_s, PartOfSpeech::Noun, u"hard-shelled fruit"), Fruit);
    EXPECT_EQ(match.synsetOf(u"stress"_s, PartOfSpeech::Noun, u"physics: force"), Stress);
    EXPECT_EQ(match.synsetOf(u"stress"_s, PartOfSpeech::Noun, u"emotional worry"), Worry);
    // No shared word, a tie, a word class or headword without synsets: no guess.
    EXPECT_EQ(match.synsetOf(u"nut"_s, PartOfSpeech::Noun, u"slang: the head"), std::nullopt);
    EXPECT_EQ(match.synsetOf(u"nut"_s, PartOfSpeech::Noun, u"metal seed"), std::nullopt);
    EXPECT_EQ(match.synsetOf(u"nut"_s, PartOfSpeech::Verb, u"bolt"), std::nullopt);
    EXPECT_EQ(match.synsetOf(u"bolt"_s, PartOfSpeech::Noun, u"fastener"), std::nullopt);
}
