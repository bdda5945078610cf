// SPDX-License-Identifier: GPL-3.0-or-later
// The text rules of the generator: labels, glosses, Romanian verbs, the stop list and
// affixes.
#include "gendict/Affixes.h"
#include "gendict/Gloss.h"
#include "gendict/RomanianVerb.h"
#include "gendict/SenseLabel.h"
#include "gendict/StopList.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet::gendict;

TEST(SenseLabel, SplitsLeadingLabelsAndJudgesThem)
{
    const LabelledText split = SenseLabel::splitLeading(u" (vulgar, Moldavia) (rare) a (bad) man"_s);
    EXPECT_EQ(split.labels, u"vulgar, Moldavia, rare"_s);
    EXPECT_EQ(split.text, u"a (bad) man"_s);
    EXPECT_EQ(SenseLabel::splitLeading(u"pile (of objects)"_s).labels, u""_s);
    EXPECT_EQ(SenseLabel::splitLeading(u"((slang) glans) x"_s).labels, u"(slang) glans"_s);

    EXPECT_EQ(SenseLabel::classify(u"computing"), SenseKind::Technical);
    EXPECT_EQ(SenseLabel::classify(u"biochemistry, genetics"), SenseKind::Technical);
    EXPECT_EQ(SenseLabel::classify(u"of a person, vulgar"), SenseKind::Excluded);
    EXPECT_EQ(SenseLabel::classify(u"computing, slang"), SenseKind::Excluded);
    EXPECT_EQ(SenseLabel::classify(u"ethnic slur"), SenseKind::Excluded);
    EXPECT_EQ(SenseLabel::classify(u"dated, transitive"), SenseKind::General);
    // Whole words only: "slangy" is not "slang".
    EXPECT_EQ(SenseLabel::classify(u"slangy"), SenseKind::General);

    // Slang is left out, but is no offence; register and region labels put a sense last.
    EXPECT_TRUE(SenseLabel::isOffensive(u"slang, derogatory"));
    EXPECT_FALSE(SenseLabel::isOffensive(u"slang"));
    EXPECT_TRUE(SenseLabel::isRegister(u"chiefly Moldavia"));
    EXPECT_TRUE(SenseLabel::isRegister(u"popular/folk usage"));
    EXPECT_FALSE(SenseLabel::isRegister(u"historical, transitive"));
    EXPECT_EQ(SenseLabel::labelsOfTableGloss(u"(figuratively) geometry: part of a curve"), u"figuratively, geometry"_s);
}

TEST(Gloss, SplitsRenderingsOutsideNotesAndSpotsFormOf)
{
    EXPECT_EQ(Gloss::renderings(u"bow (gesture, greeting), curtsy; nod."),
              (QStringList{u"bow (gesture, greeting)"_s, u"curtsy"_s, u"nod"_s}));
    EXPECT_EQ(Gloss::withoutNotes(u"horseradish  (plant) [+din] root"), u"horseradish root"_s);

    for (const char16_t *formOf : {u"plural of casă", u"third-person singular simple perfect indicative of scula",
                                   u"Alternative form of ceva", u"Abbreviation of primul: 1st",
                                   u"Used other than figuratively or idiomatically: see foame"})
        EXPECT_TRUE(Gloss::isFormOf(formOf)) << QString::fromUtf16(formOf).toStdString();
    for (const char16_t *meaning : {u"the act of screwing", u"piece of cloth", u"native or resident of Cluj"})
        EXPECT_FALSE(Gloss::isFormOf(meaning)) << QString::fromUtf16(meaning).toStdString();
}

TEST(Gloss, ReversesOnlyShortEquivalents)
{
    bool verb = false;
    EXPECT_EQ(Gloss::reversedHeadword(u"to pump", &verb), u"pump"_s);
    EXPECT_TRUE(verb);
    EXPECT_EQ(Gloss::reversedHeadword(u"A pile (of objects)", &verb), u"pile"_s);
    EXPECT_FALSE(verb);
    EXPECT_EQ(Gloss::reversedHeadword(u"moment of inertia (physics)", &verb), u"moment of inertia"_s);
    EXPECT_EQ(Gloss::reversedHeadword(u"a village in Alba, Romania", &verb), std::nullopt);
    EXPECT_EQ(Gloss::reversedHeadword(u"get/become hoarse", &verb), std::nullopt);
    EXPECT_EQ(Gloss::reversedHeadword(u"(x)", &verb), std::nullopt);
}

TEST(Gloss, TellsDefinitionsFromEquivalents)
{
    for (const char16_t *english : {u"a player in defense", u"the same", u"one who sells", u"to make much more of it"})
        EXPECT_TRUE(Gloss::isDefinitionLike(english, Language::English)) << QString::fromUtf16(english).toStdString();
    for (const char16_t *english : {u"moment of inertia (physics, mechanics: rotating bodies)", u"to air out",
                                    u"anything"})
        EXPECT_FALSE(Gloss::isDefinitionLike(english, Language::English)) << QString::fromUtf16(english).toStdString();
    EXPECT_TRUE(Gloss::isDefinitionLike(u"care se întâmplă", Language::Romanian));
    EXPECT_TRUE(Gloss::isDefinitionLike(u"o persoană", Language::Romanian));
    EXPECT_FALSE(Gloss::isDefinitionLike(u"a se lăsa dus de val", Language::Romanian));
    EXPECT_FALSE(Gloss::isDefinitionLike(u"a player", Language::Romanian));
}

TEST(Gloss, DefinitionsLetterDescriptionsAndSayings)
{
    EXPECT_TRUE(Gloss::isDefinition(u"a ruler or straight edge used to verify"));
    EXPECT_TRUE(Gloss::isDefinition(u"a native of Cluj"));
    EXPECT_FALSE(Gloss::isDefinition(u"barrel used for churning butter"));
    EXPECT_FALSE(Gloss::isDefinition(u"a ruler"));
    const auto isWord = [](const QString &word) { return word == u"a"_s || word == u"the"_s; };
    EXPECT_EQ(Gloss::lowerCased(u"A designated minister of charity"_s, isWord), u"a designated minister of charity"_s);
    EXPECT_EQ(Gloss::lowerCased(u"The Romanian name of the river"_s, isWord), u"the Romanian name of the river"_s);
    EXPECT_EQ(Gloss::lowerCased(u"Danube River delta of Europe"_s, isWord), u"Danube River delta of Europe"_s);
    EXPECT_EQ(Gloss::lowerCased(u"Dog"_s, isWord), u"Dog"_s);

    EXPECT_TRUE(Gloss::describesALetter(u"The first letter of the Romanian alphabet, written in the Latin script"));
    EXPECT_TRUE(Gloss::describesALetter(u"the letter ă"));
    EXPECT_FALSE(Gloss::describesALetter(u"a letter, an epistle"));

    // A saying keeps its comma; other glosses split at it.
    EXPECT_EQ(Gloss::renderingsOfGloss(u"like father, like son", u"așchia"), QStringList{u"like father, like son"_s});
    EXPECT_EQ(Gloss::renderingsOfGloss(u"first come, first served", u"cine, ce"),
              QStringList{u"first come, first served"_s});
    EXPECT_EQ(Gloss::renderingsOfGloss(u"to strike, to hit", u"lovi"), (QStringList{u"to strike"_s, u"to hit"_s}));
    EXPECT_EQ(Gloss::renderingsOfGloss(u"dog, hound", u"câine"), (QStringList{u"dog"_s, u"hound"_s}));
}

TEST(Gloss, SaysDefinitionsAsGlossesWhereTheirWordsAllow)
{
    const auto check = [](const QString &definition, const QString &headword, const QString &gloss,
                          Gloss::Rewrite expected) {
        Gloss::Rewrite rewrite = Gloss::Rewrite::None;
        EXPECT_EQ(Gloss::glossOfDefinition(definition, headword, &rewrite), gloss) << definition.toStdString();
        EXPECT_EQ(rewrite, expected) << definition.toStdString();
    };
    check(u"a native or resident of Mureș County"_s, u"mureșean"_s, u"inhabitant of Mureș County"_s,
          Gloss::Rewrite::Inhabitant);
    check(u"the act or result of sifting"_s, u"cernere"_s, u"sifting"_s, Gloss::Rewrite::Activity);
    check(u"the action of making something more literary"_s, u"x"_s, u"making something more literary"_s,
          Gloss::Rewrite::Activity);
    check(u"the function of an actuary"_s, u"actuariat"_s, u"function of an actuary"_s, Gloss::Rewrite::Article);
    check(u"a small (clay) pot or jug"_s, u"ulcea"_s, u"small (clay) pot or jug"_s, Gloss::Rewrite::Article);
    // Left as they are: a gerund too long, a relative clause, a finite verb, a saying's
    // head, a longer phrase, no "of" after "act", no definition at all.
    for (const auto &[definition, headword] :
         {std::pair{u"the act of making a thing much more literary"_s, u"x"_s},
          {u"a person who plays the viola"_s, u"altist"_s}, {u"a person who follows angelolatry"_s, u"x"_s},
          {u"a lie has no legs"_s, u"minciuna"_s}, {u"the icing on the cake"_s, u"cireașă de pe tort"_s},
          {u"a seller or vendor of onions"_s, u"cepar"_s}, {u"the act doing household chores"_s, u"x"_s},
          {u"barrel used for churning butter"_s, u"putinei"_s}})
        check(definition, headword, definition, Gloss::Rewrite::None);
}

TEST(Gloss, DropsStrayMarksOfTableTranslations)
{
    EXPECT_EQ(Gloss::withoutStrayMarks(u"tâță :sâni"), u"tâță"_s);
    EXPECT_EQ(Gloss::withoutStrayMarks(u"grădinar : (often by vegetable garden)"), u"grădinar"_s);
    EXPECT_EQ(Gloss::withoutStrayMarks(u"douăzeci și două &"), u"douăzeci și două"_s);
    EXPECT_EQ(Gloss::withoutStrayMarks(u"asigurări f"), u"asigurări"_s);
    EXPECT_EQ(Gloss::withoutStrayMarks(u"thailandeze f pl"), u"thailandeze"_s);
    EXPECT_EQ(Gloss::withoutStrayMarks(u"șofer m"), u"șofer"_s);
    EXPECT_EQ(Gloss::withoutStrayMarks(u"pl"), u""_s);
    EXPECT_EQ(Gloss::withoutStrayMarks(u"a f sg"), u"a"_s);
    EXPECT_EQ(Gloss::withoutStrayMarks(u"al m sg"), u"al"_s);
    EXPECT_EQ(Gloss::withoutStrayMarks(u"No smoking — Fumatul interzis"), u""_s);
    EXPECT_EQ(Gloss::withoutStrayMarks(u"vitamina B"), u"vitamina B"_s);
    EXPECT_EQ(Gloss::withoutStrayMarks(u"semn & (și)"), u"semn & (și)"_s);
}

TEST(Gloss, DropsTableMarkersAndKeepsQualifiersAndTags)
{
    QString qualifiers;
    QStringList tags;
    EXPECT_EQ(Gloss::withoutMarkers(u"piuliță {f}", &qualifiers, &tags), u"piuliță"_s);
    EXPECT_EQ(tags, QStringList{u"f"_s});
    EXPECT_EQ(Gloss::withoutMarkers(u"neprevizibil {m} { n }", &qualifiers, &tags), u"neprevizibil"_s);
    EXPECT_EQ(tags, (QStringList{u"m"_s, u"n"_s}));
    EXPECT_EQ(Gloss::withoutMarkers(u": părăsit {m} {n}", &qualifiers), u"părăsit"_s);
    EXPECT_EQ(Gloss::withoutMarkers(u"coi {m} [vulgar]", &qualifiers), u"coi"_s);
    EXPECT_EQ(qualifiers, u"vulgar"_s);
}

TEST(RomanianVerb, BareHeadwordAndLongInfinitive)
{
    const auto check = [](const QString &written, const QString &bare, const QString &longForm) {
        const RomanianVerb verb = RomanianVerb::parse(written);
        EXPECT_EQ(verb.bareInfinitive(), bare) << written.toStdString();
        EXPECT_EQ(verb.longInfinitive(), longForm) << written.toStdString();
    };
    check(u"pompa"_s, u"pompa"_s, u"a pompa"_s);
    check(u"a absorbi"_s, u"absorbi"_s, u"a absorbi"_s);
    check(u"a se purta"_s, u"purta"_s, u"a se purta"_s);
    check(u"(a se) certa"_s, u"certa"_s, u"a se certa"_s);
    check(u"se ridica"_s, u"ridica"_s, u"a se ridica"_s);
    check(u"a"_s, u""_s, u""_s);
    // A particle joined to its pronoun is not doubled.
    check(u"a-și da duhul"_s, u"a-și da duhul"_s, u"a-și da duhul"_s);
}

TEST(StopList, MatchesWholeWordsAndStemsInAnyCase)
{
    const StopList list = StopList::fromWords({u"fuck"_s}, {u"pulă"_s, u"cur"_s});
    EXPECT_TRUE(list.holdsAWordOf(u"Fuck", Language::English));
    EXPECT_TRUE(list.holdsAWordOf(u"cap de pula\u0306", Language::Romanian)); // ă decomposed
    EXPECT_TRUE(list.holdsAWordOf(u"fuck-up", Language::English));
    EXPECT_FALSE(list.holdsAWordOf(u"fuckable pula", Language::English));
    EXPECT_FALSE(list.holdsAWordOf(u"pul", Language::Romanian));
    // Each language has its own: an English cur is a dog.
    EXPECT_FALSE(list.holdsAWordOf(u"cur", Language::English));

    // A stem begins words; one between stars may stand anywhere in them.
    const StopList stems = StopList::fromWords({u"*fuck*"_s, u"nigga*"_s}, {u"pizd*"_s});
    EXPECT_TRUE(stems.holdsAWordOf(u"Motherfucker", Language::English));
    EXPECT_TRUE(stems.holdsAWordOf(u"my niggas", Language::English));
    EXPECT_TRUE(stems.holdsAWordOf(u"pizdos", Language::Romanian));
    EXPECT_FALSE(stems.holdsAWordOf(u"a pizdos", Language::English));
    EXPECT_FALSE(stems.holdsAWordOf(u"snigga", Language::English));
    EXPECT_TRUE(StopList::fromWords({u"half-breed"_s}, {}).holdsAWordOf(u"a Half-breed", Language::English));
    // Marked words name an obscene sense as well.
    const StopList marked = StopList::fromWords({u"!*fuck*"_s, u"whore"_s}, {});
    EXPECT_TRUE(marked.holdsAWordOf(u"whore", Language::English));
    EXPECT_FALSE(marked.namesAnObsceneSense(u"whore", Language::English));
    EXPECT_TRUE(marked.namesAnObsceneSense(u"fuck up", Language::English));
    EXPECT_TRUE(marked.holdsAWordOf(u"fucker", Language::English));

    // A phrase is its words one after the other, whatever stands between them.
    const StopList phrases = StopList::fromWords({u"jerk off"_s}, {u"face labă"_s});
    EXPECT_TRUE(phrases.holdsAWordOf(u"to jerk  off", Language::English));
    EXPECT_TRUE(phrases.holdsAWordOf(u"a face labă", Language::Romanian));
    EXPECT_FALSE(phrases.holdsAWordOf(u"jerk", Language::English));
    EXPECT_FALSE(phrases.holdsAWordOf(u"off jerk", Language::English));
    EXPECT_FALSE(phrases.holdsAWordOf(u"labă", Language::Romanian));
}

TEST(Affixes, FunctionWordAffixesGoAndAffixesSortLast)
{
    EXPECT_TRUE(Affixes::hasOnlyFunctionWords({u"-a"_s, u"the, to"_s}, Language::English));
    EXPECT_TRUE(Affixes::hasOnlyFunctionWords({u"-ul"_s, u"The"_s}, Language::English));
    EXPECT_FALSE(Affixes::hasOnlyFunctionWords({u"-ism"_s, u"-ism"_s}, Language::English));
    EXPECT_FALSE(Affixes::hasOnlyFunctionWords({u"ex-"_s, u"the; sometime"_s}, Language::English));
    EXPECT_TRUE(Affixes::hasOnlyFunctionWords({u"-'s"_s, u"al, a"_s}, Language::Romanian));
    EXPECT_FALSE(Affixes::hasOnlyFunctionWords({u"to"_s, u"a"_s}, Language::Romanian)); // a word, no affix
    EXPECT_TRUE(Affixes::isAffix(u"anti-"));
    EXPECT_FALSE(Affixes::isAffix(u"-"));
    EXPECT_FALSE(Affixes::isAffix(u"T-shirt"));
}
