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

Assembly sampleAssembly()
{
    Assembly assembly(StopList::fromWords({u"fuck"_s}, {u"pulă"_s}));
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
    const SynsetKey penis(PartOfSpeech::Noun, 5526713);
    assembly.addWordNetLemma(penis, {u"shaft"_s, u"dick"_s}, {u"obscenity"_s}, u"penis"_s);
    const SynsetKey sex(PartOfSpeech::Noun, 846021);
    assembly.addWordNetLemma(sex, {u"fuck"_s, u"screw"_s}, {}, u"înșurubare"_s);
    const SynsetKey heart(PartOfSpeech::Noun, 5396366);
    assembly.addWordNetLemma(heart, {u"pump"_s, u"ticker"_s}, {}, u"inim\u0103"_s);
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
    // A gloss or synset naming a stop-list word goes whole, as do WordNet's obscene synsets.
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
    EXPECT_EQ(ro.removed.value(Assembly::UsageDomainRule), 2);
    EXPECT_EQ(en.removed.value(Assembly::LongGlossRule), 1);
}
