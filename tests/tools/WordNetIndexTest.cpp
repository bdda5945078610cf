// SPDX-License-Identifier: GPL-3.0-or-later
// WordNet's sense order and counts, and its account of English inflection.
#include "gendict/EnglishMorphology.h"
#include "gendict/GenError.h"
#include "gendict/WordNetIndex.h"

#include "QtPrinters.h"
#include "common/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet::gendict;

namespace {

const QByteArray Licence = "  1 This software and database is being provided to you, the LICENSEE, by  \n";

// "nut": the fruit, the madman and the fastener, the first two seen in texts; the verb
// "bloat"; "fire engine".
void writeWordNet(const QString &dir, const QByteArray &nounIndex = {})
{
    using quillet::testing::WriteFile;
    WriteFile(dir + u"/index.noun"_s, Licence + (nounIndex.isEmpty()
                                                     ? "fire_engine n 1 0 1 0 00000300  \n"
                                                       "nut n 3 2 @ ~ 3 2 00000100 00000200 00000250  \n"
                                                       "pump n 1 0 1 1 00000400  \n"
                                                     : nounIndex));
    WriteFile(dir + u"/index.verb"_s, Licence + "bloat v 1 0 1 0 00000500  \ntry v 1 0 1 1 00000600  \n");
    WriteFile(dir + u"/index.adj"_s, Licence + "big a 1 0 1 1 00000700  \n");
    WriteFile(dir + u"/index.adv"_s, Licence);
    WriteFile(dir + u"/cntlist.rev"_s, "nut%1:20:00:: 1 12\nnut%1:18:00:: 2 3\nbig%5:00:00:large:00 1 40\n");
    WriteFile(dir + u"/noun.exc"_s, "children child\n");
    WriteFile(dir + u"/verb.exc"_s, "tried try\n");
    WriteFile(dir + u"/adj.exc"_s, "bigger big\n");
    WriteFile(dir + u"/adv.exc"_s, "");
}

} // namespace

TEST(WordNetIndex, SenseOrderTagCountsAndCommonSenses)
{
    QTemporaryDir dir;
    writeWordNet(dir.path());
    const WordNetIndex index = WordNetIndex::load(dir.path());
    const SynsetKey fruit(PartOfSpeech::Noun, 100), madman(PartOfSpeech::Noun, 200), fastener(PartOfSpeech::Noun, 250);
    EXPECT_EQ(index.senses(u"Nut"_s, PartOfSpeech::Noun), (QList<SynsetKey>{fruit, madman, fastener}));
    EXPECT_EQ(index.senseNumber(u"nut"_s, fastener), 3);
    EXPECT_EQ(index.senseNumber(u"nut"_s, SynsetKey(PartOfSpeech::Verb, 250)), 0);
    EXPECT_EQ(index.tagCount(u"nut"_s, fruit), 12);
    EXPECT_EQ(index.tagCount(u"nut"_s, fastener), 0);
    EXPECT_EQ(index.sense(u"fire engine"_s, PartOfSpeech::Noun, 1), SynsetKey(PartOfSpeech::Noun, 300));
    EXPECT_EQ(index.sense(u"fire engine"_s, PartOfSpeech::Noun, 2), std::nullopt);
    // A satellite adjective's count ("5" in its key) belongs to the adjectives.
    EXPECT_EQ(index.tagCount(u"big"_s, SynsetKey(PartOfSpeech::Adjective, 700)), 40);
    // Common: the first sense, or one seen in texts.
    EXPECT_TRUE(index.isCommonSense(u"nut"_s, fruit));
    EXPECT_TRUE(index.isCommonSense(u"nut"_s, madman));
    EXPECT_FALSE(index.isCommonSense(u"nut"_s, fastener));
    EXPECT_TRUE(index.isCommonSense(u"fire_engine"_s, SynsetKey(PartOfSpeech::Noun, 300)));
    EXPECT_FALSE(index.isCommonSense(u"walnut"_s, fruit));

    // A line whose synsets are fewer than it says is malformed, and named.
    writeWordNet(dir.path(), "nut n 3 0 3 2 00000100 00000200  \n");
    try {
        WordNetIndex::load(dir.path());
        ADD_FAILURE() << "no error";
    } catch (const GenError &error) {
        EXPECT_TRUE(error.message().endsWith(
            u"index.noun:2: expected lemma, word class, counts, pointers and synset offsets"_s))
            << error.message().toStdString();
    }
}

TEST(EnglishMorphology, BaseFormsFromExceptionsAndRegularEndings)
{
    QTemporaryDir dir;
    writeWordNet(dir.path());
    const WordNetIndex index = WordNetIndex::load(dir.path());
    const EnglishMorphology morphology = EnglishMorphology::load(dir.path(), index);
    const std::pair<QString, QStringList> cases[] = {
        {u"pumps"_s, {u"pump"_s}},
        {u"nuts"_s, {u"nut"_s}},
        {u"bloated"_s, {u"bloat"_s}},
        {u"tries"_s, {u"try"_s}},
        {u"tried"_s, {u"try"_s}},
        {u"children"_s, {u"child"_s}},
        {u"bigger"_s, {u"big"_s}},
        {u"Fire engines"_s, {u"fire engine"_s}},
        // A lemma is no inflection of itself; an ending without a lemma behind it is none.
        {u"pump"_s, {}},
        {u"bus"_s, {}},
        {u"pumping"_s, {}}, // "pump" is a noun only here
    };
    for (const auto &[word, bases] : cases)
        EXPECT_EQ(morphology.baseForms(word), bases) << word.toStdString();
    EXPECT_TRUE(morphology.isLemma(u"Fire Engine"_s));
    EXPECT_FALSE(morphology.isLemma(u"children"_s));
    EXPECT_TRUE(morphology.isExceptionForm(u"children"_s));
}
