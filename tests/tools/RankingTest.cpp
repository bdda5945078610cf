// SPDX-License-Identifier: GPL-3.0-or-later
// How the renderings of an entry are ranked.
#include "gendict/TranslationTable.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet::gendict;

namespace {

QString translation(const TranslationTable &table, Tally *moves = nullptr)
{
    const QList<TableEntry> entries = table.entries(moves);
    return entries.size() == 1 ? entries[0].entry.translation : u"<not one entry>"_s;
}

} // namespace

TEST(Ranking, ByEvidenceThenOwnSourceFirstThenEachSourcesRank)
{
    TranslationTable table(Language::English);
    const auto add = [&](Source source, qint64 id, qint64 rank, const QString &rendering) {
        table.add(u"h"_s, {source, id, false, rank}, rendering);
    };
    // Reversed pairs arrive first, in alphabetical order, each keeping its own rank.
    add(Source::Reversed, 1, 5, u"b"_s);
    add(Source::Reversed, 2, 1, u"c"_s);
    add(Source::Reversed, 3, 0, u"d (note)"_s);
    add(Source::Entries, 10, 1, u"b"_s);
    add(Source::Entries, 11, 0, u"a1"_s);
    add(Source::Entries, 11, 0, u"a2"_s);
    add(Source::WordNet, 20, 0, u"A2"_s);
    add(Source::WordNet, 21, 0, u"d"_s);
    // a2 and b are given by two sources each, the rest by one; within a sense the more
    // attested first; a rendering already listed is not repeated; d's two sources are
    // its WordNet sense and a reversed pair (rank 0), so it ranks before c.
    Tally moves;
    EXPECT_EQ(translation(table, &moves), u"a2, a1; b; d; c"_s);
    EXPECT_EQ(moves.value(TranslationTable::EvidenceMove), 1);
    EXPECT_EQ(moves.value(TranslationTable::TechnicalMove), 0);

    // Ties go to the commoner word: the one that renders more headwords.
    TranslationTable ties(Language::Romanian);
    ties.add(u"squeal"_s, {Source::Reversed, 1, false, 0}, u"covița"_s);
    ties.add(u"squeal"_s, {Source::Reversed, 2, false, 0}, u"guița"_s);
    ties.add(u"squeak"_s, {Source::Reversed, 3, false, 0}, u"guița"_s);
    EXPECT_EQ(ties.entries().constFirst().entry.translation, u"guița; covița"_s);
}

TEST(Ranking, GlossaryThenTechnicalSensesFirstRegisterAndDefinitionsLast)
{
    TranslationTable table(Language::Romanian);
    table.add(u"h"_s, {Source::Entries, 1, false, 0}, u"general"_s);
    table.add(u"h"_s, {Source::Entries, 1, false, 0}, u"veche"_s, {true, 1});
    table.add(u"h"_s, {Source::Entries, 1, false, 0}, u"un lucru care face ceva"_s, {false, 2});
    table.add(u"h"_s, {Source::Entries, 2, false, 1}, u"piesă"_s);
    table.add(u"h"_s, {Source::Entries, 3, true, 2}, u"dispozitiv"_s);
    // A rendering every source of which labels it by register goes last; one given
    // plain by another source does not.
    table.add(u"h"_s, {Source::Entries, 4, false, 3}, u"rară"_s, {true, 0});
    table.add(u"h"_s, {Source::Entries, 5, false, 4}, u"populară"_s, {true, 0});
    table.add(u"h"_s, {Source::Reversed, 6, false, 0}, u"populară"_s);
    table.add(u"h"_s, {Source::Entries, 9, false, 9}, u"nouă"_s);
    // A sense all of whose renderings some technical sense gives counts as technical.
    table.add(u"h"_s, {Source::Reversed, 7, true, 0}, u"piesă"_s);
    // The glossary leads, in its own order, however little the other sources attest it.
    table.add(u"h"_s, {Source::Glossary, 0, true, 0}, u"termen2"_s, {false, 2});
    table.add(u"h"_s, {Source::Glossary, 0, true, 0}, u"termen1"_s, {false, 1});

    Tally moves;
    EXPECT_EQ(translation(table, &moves),
              u"termen1, termen2; piesă; dispozitiv; populară; general; nouă; "
              "veche, un lucru care face ceva; rară"_s);
    EXPECT_EQ(moves.value(TranslationTable::GlossaryMove), 1);
    EXPECT_EQ(moves.value(TranslationTable::LateMove), 1);
    EXPECT_EQ(table.glossaryOnlyPairs(), 2);
}

TEST(Ranking, DefinitionsAfterTranslationsAndNoUnmarkedDuplicates)
{
    TranslationTable english(Language::English);
    english.add(u"putinei"_s, {Source::Entries, 1, false, 0}, u"a barrel used for churning butter at home"_s);
    english.add(u"putinei"_s, {Source::Entries, 2, false, 1}, u"churn"_s, {true, 0});
    EXPECT_EQ(translation(english), u"churn; a barrel used for churning butter at home"_s);

    TranslationTable romanian(Language::Romanian);
    romanian.add(u"sewing machine"_s, {Source::Entries, 1, false, 0}, u"masina de cusut"_s);
    romanian.add(u"sewing machine"_s, {Source::Entries, 2, false, 1}, u"mașină de cusut"_s);
    romanian.add(u"sewing machine"_s, {Source::Entries, 3, false, 2}, u"tara"_s);
    EXPECT_EQ(translation(romanian), u"mașină de cusut; tara"_s);
}
