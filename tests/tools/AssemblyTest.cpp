// SPDX-License-Identifier: GPL-3.0-or-later
// The entry rules applied to what the sources offer.
#include "gendict/Assembly.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet::gendict;

namespace {

QString translationOf(const Direction &direction, const QString &headword)
{
    for (const TableEntry &entry : direction.table.entries()) {
        if (entry.entry.headword == headword)
            return entry.entry.translation;
    }
    return u"<none>"_s;
}

Lexicon lexiconWith(const StopList &stopList)
{
    Lexicon lexicon;
    lexicon.stopList = stopList;
    return lexicon;
}

Assembly sampleAssembly()
{
    Assembly assembly(lexiconWith(StopList::fromWords({u"fuck"_s}, {u"pulă"_s})));
    // In the generator's order: the tables, the Romanian entries, then the Wordnet join.
    assembly.addTableSense({u"pump"_s, u"n"_s, u"device for moving liquid"_s, {u"pomp\u01CE {f}"_s}, 10});
    assembly.addTableSense({u"pump"_s, u"v"_s, u"to fill with air"_s, {u"a pompa"_s, u"umfla [slang]"_s}, 11});
    assembly.addTableSense({u"nut"_s, u"n"_s, u"slang: testicle"_s, {u"coi {n}"_s}, 12});
    assembly.addTableSense({u"prostitute"_s, u"v"_s, u""_s, {u"prostituá"_s}, 13});
    assembly.addRomanianEntry(u"sculă"_s,
                              {{u"noun"_s, {u"tool, instrument"_s, u"(vulgar) penis"_s}},
                               {u"verb"_s, {u"third-person singular simple perfect indicative of scula"_s}}},
                              1);
    assembly.addRomanianEntry(u"stivă"_s, {{u"noun"_s, {u"pile (of objects)"_s, u"(computing) stack"_s}}}, 2);
    assembly.addRomanianEntry(u"pompa"_s, {{u"verb"_s, {u"to pump"_s, u"a long definition of what it does"_s}}}, 3);
    assembly.addRomanianEntry(u"Alba"_s, {{u"name"_s, {u"A county of Romania"_s}}}, 4);
    assembly.addRomanianEntry(u"regula"_s, {{u"verb"_s, {u"to set"_s, u"(colloquial) to fuck, to screw"_s}}}, 5);
    assembly.addRomanianEntry(u"фисурэ"_s, {{u"noun"_s, {u"crack"_s}}}, 6);
    assembly.addWordNetLemma({PartOfSpeech::Noun, 5526713}, {u"shaft"_s, u"dick"_s}, true, u"penis"_s);
    assembly.addWordNetLemma({PartOfSpeech::Noun, 846021}, {u"fuck"_s, u"screw"_s}, true, u"înșurubare"_s);
    assembly.addWordNetLemma({PartOfSpeech::Noun, 5396366}, {u"pump"_s, u"ticker"_s}, false, u"inim\u0103"_s);
    return assembly;
}

} // namespace

TEST(Assembly, KeepsTheCleanSensesOfEverySourceTechnicalFirst)
{
    const Assembly assembly = sampleAssembly();
    const Direction &ro = assembly.romanianEnglish();
    const Direction &en = assembly.englishRomanian();

    // Labelled and form-of senses go, the rest stays; technical senses lead.
    EXPECT_EQ(translationOf(ro, u"sculă"_s), u"tool, instrument"_s);
    EXPECT_EQ(translationOf(ro, u"stivă"_s), u"stack; pile (of objects)"_s);
    EXPECT_EQ(translationOf(en, u"stack"_s), u"stivă"_s);
    EXPECT_EQ(translationOf(en, u"pile"_s), u"stivă"_s);
    // English verbs translate to "a " + infinitive; Romanian verbs stay bare headwords.
    EXPECT_EQ(translationOf(en, u"pump"_s), u"pompă; a pompa; inimă"_s);
    EXPECT_EQ(translationOf(ro, u"pompa"_s), u"to pump; a long definition of what it does"_s);
    EXPECT_EQ(translationOf(en, u"a long definition of what it does"_s), u"<none>"_s);
    EXPECT_EQ(translationOf(ro, u"pompă"_s), u"pump"_s);
    EXPECT_EQ(translationOf(en, u"prostitute"_s), u"a prostitua"_s);
    // A gloss naming a stop-list word goes whole, as do WordNet's offensive synsets.
    EXPECT_EQ(translationOf(ro, u"regula"_s), u"to set"_s);
    EXPECT_EQ(translationOf(en, u"screw"_s), u"<none>"_s);
    EXPECT_EQ(translationOf(en, u"shaft"_s), u"<none>"_s);
    EXPECT_EQ(translationOf(ro, u"coi"_s), u"<none>"_s);
    EXPECT_EQ(translationOf(ro, u"umfla"_s), u"<none>"_s);
    // Names and Cyrillic Romanian words are left out.
    EXPECT_EQ(translationOf(ro, u"Alba"_s), u"<none>"_s);
    EXPECT_EQ(translationOf(ro, u"фисурэ"_s), u"<none>"_s);
    EXPECT_EQ(translationOf(en, u"crack"_s), u"<none>"_s);

    EXPECT_EQ(ro.removed.value(Assembly::LabelRule), 3);
    EXPECT_EQ(ro.removed.value(Assembly::FormOfRule), 1);
    EXPECT_EQ(ro.removed.value(Assembly::NameRule), 1);
    EXPECT_EQ(ro.removed.value(Assembly::ScriptRule), 1);
    EXPECT_EQ(ro.removed.value(Assembly::UsageDomainRule), 4);
    EXPECT_EQ(en.removed.value(Assembly::LongGlossRule), 1);
}

TEST(Assembly, KeepsRenderingsAndHeadwordsToLemmas)
{
    Lexicon lexicon;
    lexicon.romanianLemmas = {u"director"_s, u"neprevizibil"_s, u"balerin"_s, u"misiune"_s, u"vădi"_s,
                              u"interacțiune"_s, u"caz"_s, u"miez"_s};
    lexicon.romanianVerbs = {u"vădi"_s};
    for (const auto &[form, headword] : {std::pair{u"directori"_s, u"director"_s},
                                         {u"neprevizibilă"_s, u"neprevizibil"_s}, {u"balerină"_s, u"balerin"_s},
                                         {u"misiuni"_s, u"misiune"_s}, {u"vădit"_s, u"vădi"_s},
                                         {u"interacțiunea"_s, u"interacțiune"_s}, {u"cazul"_s, u"caz"_s}, {u"miezul"_s, u"miez"_s}})
        lexicon.romanianForms.add(form, headword);
    Assembly assembly(lexicon);
    assembly.addTableSense({u"director"_s, u"n"_s, u""_s, {u"director {m}"_s, u"directori {m-p}"_s}, 1});
    assembly.addTableSense({u"glasses"_s, u"n"_s, u""_s, {u"ochelari {m-p}"_s}, 2});
    assembly.addTableSense({u"unpredictable"_s, u"adj"_s, u""_s,
                            {u"neprevizibil {m} {n}"_s, u"neprevizibilă {f}"_s}, 3});
    assembly.addTableSense({u"ballerina"_s, u"n"_s, u""_s, {u"balerină"_s}, 4});
    assembly.addTableSense({u"mission"_s, u"n"_s, u""_s, {u"misiuni"_s}, 5});
    assembly.addTableSense({u"obvious"_s, u"adj"_s, u""_s, {u"vădit"_s}, 6});
    assembly.addTableSense({u"weak interaction"_s, u"n"_s, u""_s, {u"interacțiunea slabă (fizică)"_s}, 7});
    assembly.addRomanianEntry(u"cazul genitiv"_s, {{u"noun"_s, {u"genitive case"_s}}}, 8);
    assembly.addRomanianEntry(u"miezul nopții"_s, {{u"noun"_s, {u"midnight"_s}}}, 9);
    assembly.addTableSense({u"collapse"_s, u"v"_s, u""_s, {u"prăbușire {f}"_s, u"prăbuși"_s}, 9});
    assembly.addWordNetLemma({PartOfSpeech::Adjective, 7}, {u"unforeseeable"_s}, false, u"neprevizibilă"_s);

    const Direction &en = assembly.englishRomanian();
    // A plural or an adjective's feminine beside its base form goes; a plural alone is
    // the word; a feminine noun is a word of its own; a verb's participle is an adjective.
    EXPECT_EQ(translationOf(en, u"director"_s), u"director"_s);
    EXPECT_EQ(translationOf(en, u"glasses"_s), u"ochelari"_s);
    EXPECT_EQ(translationOf(en, u"unpredictable"_s), u"neprevizibil"_s);
    EXPECT_EQ(translationOf(en, u"ballerina"_s), u"balerină"_s);
    EXPECT_EQ(translationOf(en, u"obvious"_s), u"vădit"_s);
    // Other inflected forms, from any source, become their headword.
    EXPECT_EQ(translationOf(en, u"mission"_s), u"misiune"_s);
    EXPECT_EQ(translationOf(en, u"unforeseeable"_s), u"neprevizibil"_s);
    EXPECT_EQ(translationOf(assembly.romanianEnglish(), u"misiune"_s), u"mission"_s);
    EXPECT_EQ(translationOf(assembly.romanianEnglish(), u"misiuni"_s), u"<none>"_s);
    // A phrase loses the article of its head noun; as a headword it loses its notes.
    EXPECT_EQ(translationOf(en, u"weak interaction"_s), u"interacțiune slabă (fizică)"_s);
    EXPECT_EQ(translationOf(assembly.romanianEnglish(), u"interacțiune slabă"_s), u"weak interaction"_s);
    EXPECT_EQ(translationOf(assembly.romanianEnglish(), u"caz genitiv"_s), u"genitive case"_s);
    EXPECT_EQ(translationOf(en, u"genitive case"_s), u"caz genitiv"_s);
    EXPECT_EQ(translationOf(en, u"midnight"_s), u"miezul nopții"_s);
    // A noun marked so in a verb's line stays a noun.
    EXPECT_EQ(translationOf(en, u"collapse"_s), u"prăbușire, a prăbuși"_s);
    EXPECT_EQ(en.removed.value(Assembly::BesideBaseFormRule), 2);
    EXPECT_EQ(en.removed.value(Assembly::InflectedFormRule), 4);
}

TEST(Assembly, LeavesOutOffensiveWordsAndSensesButNotTheDecentSensesOfAWord)
{
    Lexicon lexicon = lexiconWith(StopList::fromWords({u"!*fuck*"_s, u"kike*"_s, u"whore"_s}, {u"pizd*"_s}));
    lexicon.offensiveRomanian = {u"poponar"_s};
    lexicon.offensiveEnglish = {u"yid"_s};
    WordNetIndex index;
    const SynsetKey fruit(PartOfSpeech::Noun, 100), madman(PartOfSpeech::Noun, 200), testis(PartOfSpeech::Noun, 300);
    index.addLemma(PartOfSpeech::Noun, u"nut"_s, {fruit.offset(), madman.offset(), testis.offset()});
    index.addLemma(PartOfSpeech::Noun, u"testicle"_s, {testis.offset()});
    index.addLemma(PartOfSpeech::Noun, u"madman"_s, {madman.offset()});
    index.addLemma(PartOfSpeech::Noun, u"prostitute"_s, {500});
    index.addLemma(PartOfSpeech::Noun, u"whore"_s, {500});
    index.setTagCount(PartOfSpeech::Noun, u"nut"_s, 1, 8);
    index.setTagCount(PartOfSpeech::Noun, u"nut"_s, 2, 3);
    lexicon.wordNetIndex = &index;
    Assembly assembly(lexicon);
    assembly.addTableSense({u"buttfucker"_s, u"n"_s, u""_s, {u"poponar"_s, u"fundaș"_s}, 1});
    assembly.addTableSense({u"defender"_s, u"n"_s, u"sports"_s, {u"fundaș {m}"_s}, 2});
    assembly.addTableSense({u"homosexual"_s, u"n"_s, u""_s, {u"homosexual"_s, u"poponar"_s}, 3});
    assembly.addTableSense({u"Jew"_s, u"n"_s, u""_s, {u"evreu"_s, u"jidan"_s}, 4});
    assembly.addTableSense({u"yid"_s, u"n"_s, u""_s, {u"jidan"_s}, 5});
    assembly.addTableSense({u"insult"_s, u"n"_s, u""_s, {u"pizdos"_s}, 6});
    assembly.addRomanianEntry(u"fundaș"_s, {{u"noun"_s, {u"(sports) defender"_s, u"(derogatory) faggot"_s}}}, 7);
    assembly.addWordNetLemma(fruit, {u"nut"_s}, false, u"nucă"_s);
    assembly.addWordNetLemma(madman, {u"nut"_s, u"madman"_s}, false, u"nebun"_s);
    assembly.addWordNetLemma(testis, {u"testicle"_s, u"nut"_s}, false, u"testicul"_s);
    // A synset listing a word marked as naming an obscene sense goes whole; one listing
    // another stop-list word loses that word only.
    assembly.addWordNetLemma({PartOfSpeech::Verb, 400}, {u"make love"_s, u"fuck"_s}, false, u"a face dragoste"_s);
    assembly.addWordNetLemma({PartOfSpeech::Noun, 500}, {u"prostitute"_s, u"whore"_s}, false, u"prostituată"_s);

    const Direction &en = assembly.englishRomanian();
    const Direction &ro = assembly.romanianEnglish();
    // Stems catch every word that begins with or holds them, in either language.
    EXPECT_EQ(translationOf(en, u"buttfucker"_s), u"<none>"_s);
    EXPECT_EQ(translationOf(en, u"insult"_s), u"<none>"_s);
    // Words offensive in every sense go wherever they come from; a word with a decent
    // sense keeps it, and only it.
    EXPECT_EQ(translationOf(en, u"homosexual"_s), u"homosexual"_s);
    EXPECT_EQ(translationOf(en, u"Jew"_s), u"evreu, jidan"_s);
    EXPECT_EQ(translationOf(en, u"yid"_s), u"<none>"_s);
    EXPECT_EQ(translationOf(ro, u"fundaș"_s), u"defender"_s);
    // A synonym is paired only in the word's common senses: its first and its tagged.
    EXPECT_EQ(translationOf(en, u"nut"_s), u"nucă; nebun"_s);
    EXPECT_EQ(translationOf(en, u"testicle"_s), u"testicul"_s);
    EXPECT_EQ(translationOf(ro, u"testicul"_s), u"testicle"_s);
    EXPECT_EQ(translationOf(en, u"make love"_s), u"<none>"_s);
    EXPECT_EQ(translationOf(ro, u"prostituată"_s), u"prostitute"_s);
    EXPECT_EQ(translationOf(en, u"whore"_s), u"<none>"_s);
    EXPECT_EQ(en.removed.value(Assembly::StopListRule), 6);
    EXPECT_EQ(en.removed.value(Assembly::OffensiveWordRule), 2);
    EXPECT_EQ(en.removed.value(Assembly::RareSenseRule), 1);
}

TEST(Assembly, TurnsGlossesIntoEnglishHeadwordsOnlyWhenTheyAreEnglishWords)
{
    WordNetIndex index;
    for (const QString &lemma : {u"young"_s, u"coin"_s, u"moment_of_inertia"_s, u"bloat"_s, u"especially"_s,
                                 u"lesion"_s, u"bean"_s, u"type"_s})
        index.addLemma(PartOfSpeech::Noun, lemma, {1});
    index.addLemma(PartOfSpeech::Verb, u"bloat"_s, {2});
    EnglishMorphology morphology(index);
    morphology.addException(PartOfSpeech::Noun, u"children"_s, {u"child"_s});
    Lexicon lexicon;
    lexicon.english = &morphology;
    lexicon.tableHeadwords = {u"lathe"_s};
    Assembly assembly(lexicon);
    const auto gloss = [&](const QString &headword, const QString &text) {
        static qint64 number = 0;
        assembly.addRomanianEntry(headword, {{u"noun"_s, {text}}}, ++number);
    };
    gloss(u"tânăr"_s, u"young, especially young"_s);
    gloss(u"act"_s, u"act of"_s);
    gloss(u"umflat"_s, u"bloated"_s);
    gloss(u"copii"_s, u"children"_s);
    gloss(u"strung"_s, u"lathe"_s);
    gloss(u"catazonă"_s, u"catazone"_s);
    gloss(u"moment de inerție"_s, u"moment of inertia"_s);
    gloss(u"monedă"_s, u"young coin, small silver coin"_s);
    gloss(u"leziune"_s, u"lesions"_s);
    gloss(u"fasole"_s, u"type of bean"_s);

    QStringList headwords;
    for (const TableEntry &entry : assembly.englishRomanian().table.entries())
        headwords.append(entry.entry.headword);
    // A plural headword becomes its singular; a participle stays an adjective.
    EXPECT_EQ(headwords, (QStringList{u"young"_s, u"bloated"_s, u"child"_s, u"lathe"_s, u"catazone"_s,
                                      u"moment of inertia"_s, u"young coin"_s, u"lesion"_s}));
    EXPECT_EQ(assembly.englishRomanian().removed.value(Assembly::NotEnglishRule), 4);
}

TEST(Assembly, GlossaryPairsLeadBothDirectionsInTheGlossarysOrder)
{
    Assembly assembly(Lexicon{});
    assembly.addTableSense({u"bolt"_s, u"n"_s, u"door fastening"_s, {u"zăvor {n}"_s}, 1});
    assembly.addRomanianEntry(u"bulon"_s, {{u"noun"_s, {u"bolt"_s}}}, 1);
    assembly.addGlossaryPair({0, u"bolt"_s, u"șurub"_s, 1});
    assembly.addGlossaryPair({0, u"bolt"_s, u"bulon"_s, 2});
    assembly.addGlossaryPair({0, u"to weld"_s, u"a suda"_s, 3});
    assembly.addGlossaryPair({1, u"ground"_s, u"masă"_s, 1, true, false});

    const Direction &en = assembly.englishRomanian();
    const Direction &ro = assembly.romanianEnglish();
    EXPECT_EQ(translationOf(en, u"bolt"_s), u"șurub, bulon; zăvor"_s);
    EXPECT_EQ(translationOf(en, u"weld"_s), u"a suda"_s);
    EXPECT_EQ(translationOf(ro, u"suda"_s), u"to weld"_s);
    EXPECT_EQ(translationOf(ro, u"bulon"_s), u"bolt"_s);
    EXPECT_EQ(translationOf(en, u"ground"_s), u"masă"_s);
    EXPECT_EQ(translationOf(ro, u"masă"_s), u"<none>"_s);
    // No other source gives bolt/șurub, weld or ground/masă.
    EXPECT_EQ(en.table.glossaryOnlyPairs(), 3);
    EXPECT_EQ(ro.table.glossaryOnlyPairs(), 2);
}

TEST(Lexicon, LemmasAndOffensiveWordsFromWhatTheSourcesSay)
{
    Lexicon lexicon;
    lexicon.addRomanianEntry(u"fundaș"_s, {{u"noun"_s, {u"(sports) defender"_s, u"(derogatory) faggot"_s}}});
    lexicon.addRomanianEntry(u"poponar"_s, {{u"noun"_s, {u"(derogatory) faggot"_s}}});
    lexicon.addRomanianEntry(u"mișto"_s, {{u"adj"_s, {u"(slang) cool"_s}}});
    lexicon.addRomanianEntry(u"scule"_s, {{u"noun"_s, {u"plural of sculă"_s}}});
    lexicon.addRomanianEntry(u"vădi"_s, {{u"verb"_s, {u"to show"_s}}});
    EXPECT_EQ(lexicon.romanianLemmas, (QSet<QString>{u"fundaș"_s, u"poponar"_s, u"mișto"_s, u"vădi"_s}));
    EXPECT_EQ(lexicon.romanianVerbs, QSet<QString>{u"vădi"_s});
    EXPECT_EQ(lexicon.offensiveRomanian, QSet<QString>{u"poponar"_s});

    WordNet wordNet;
    const SynsetKey slur(PartOfSpeech::Noun, 1), slang(PartOfSpeech::Noun, 2), slangDomain(PartOfSpeech::Noun, 3),
        spade(PartOfSpeech::Noun, 4), obscene(PartOfSpeech::Noun, 5);
    wordNet.addSynset(slur, {u"kike"_s}, {{}, {}, {}, u"(ethnic slur) offensive term for a Jew"_s, 18});
    wordNet.addSynset(slang, {u"cop"_s, u"copper"_s}, {{slangDomain.offset()}, {}, {}, u"uncomplimentary term"_s, 18});
    wordNet.addSynset(slangDomain, {u"slang"_s});
    wordNet.addSynset(spade, {u"spade"_s, u"coon"_s}, {{}, {}, {}, u"a disparaging term for a Black person"_s, 18});
    wordNet.addSynset(obscene, {u"censor"_s}, {{}, {}, {}, u"someone who removes obscene words"_s, 18});
    EXPECT_TRUE(Lexicon::isOffensiveSynset(wordNet, slur, false));
    EXPECT_TRUE(Lexicon::isOffensiveSynset(wordNet, spade, false));
    EXPECT_FALSE(Lexicon::isOffensiveSynset(wordNet, slang, false));
    EXPECT_TRUE(Lexicon::isOffensiveSynset(wordNet, slang, true));
    EXPECT_FALSE(Lexicon::isOffensiveSynset(wordNet, obscene, true));
    wordNet.addSynset({PartOfSpeech::Noun, 6}, {u"spade"_s}, {{}, {}, {}, u"a tool for digging"_s, 6});
    lexicon.addOffensiveEnglish(wordNet);
    lexicon.addTableSenses({{u"Kraut"_s, u"n"_s, u"ethnic slur: German"_s, {u"neamț"_s}, 1},
                            {u"nut"_s, u"n"_s, u"slang: head"_s, {u"cap"_s}, 2},
                            {u"nut"_s, u"n"_s, u"fruit"_s, {u"nucă"_s}, 3}});
    // Only words with no decent sense at all; slang alone is no offence.
    EXPECT_EQ(lexicon.offensiveEnglish, (QSet<QString>{u"kike"_s, u"coon"_s, u"kraut"_s}));
    EXPECT_EQ(lexicon.tableHeadwords, (QSet<QString>{u"Kraut"_s, u"nut"_s}));
}
