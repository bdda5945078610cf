// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/RomanianSpelling.h"

#include "QtPrinters.h"
#include "WordSetChecker.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet::gendict;
using quillet::gendict::test::WordSetChecker;

TEST(RomanianSpelling, InnerIBecomesAExceptAfterAPrefixOrWhereTheCheckerSaysNo)
{
    EXPECT_EQ(RomanianSpelling::modernWord(u"cîine"_s), u"câine"_s);
    EXPECT_EQ(RomanianSpelling::modernWord(u"mîngîia"_s), u"mângâia"_s);
    EXPECT_EQ(RomanianSpelling::modernWord(u"coborî"_s), u"coborî"_s);
    EXPECT_EQ(RomanianSpelling::modernWord(u"înalt"_s), u"înalt"_s);
    EXPECT_EQ(RomanianSpelling::modernWord(u"reîncepe"_s), u"reîncepe"_s);
    EXPECT_EQ(RomanianSpelling::modernWord(u"superîngust"_s), u"superîngust"_s);
    EXPECT_EQ(RomanianSpelling::modernWord(u"neîmblînzit"_s), u"neîmblânzit"_s);
    EXPECT_EQ(RomanianSpelling::modernWord(u"sînt"_s), u"sunt"_s);

    // The checker knows "câine" and "coîntîmpla" (a made-up word spelt the old way on
    // purpose): the first is rewritten, the second kept.
    const WordSetChecker checker({u"câine"_s, u"coîntîmpla"_s});
    RomanianSpelling spelling;
    spelling.learn({u"un cîine mare"_s, u"a coîntîmpla"_s, u"pînză"_s}, &checker);
    EXPECT_EQ(spelling.modern(u"a mîngîia un cîine"_s), u"a mîngîia un câine"_s);
    EXPECT_EQ(spelling.modern(u"a coîntîmpla"_s), u"a coîntîmpla"_s);
    // Known to neither: the rule decides.
    EXPECT_EQ(spelling.modern(u"pînză, pînze"_s), u"pânză, pînze"_s);
}

TEST(RomanianSpelling, HeadwordsWithoutTheirDiacriticsGoWhenMisspelt)
{
    QList<DictEntry> entries{{u"rețetă"_s, u"recipe"_s}, {u"reteta"_s, u"recipe"_s},  {u"țară"_s, u"country"_s},
                             {u"tara"_s, u"tare"_s},     {u"mașină de cusut"_s, u"x"_s}, {u"masina de cusut"_s, u"x"_s},
                             {u"masa"_s, u"x"_s}};
    const WordSetChecker checker({u"tara"_s, u"de"_s, u"cusut"_s, u"masa"_s});
    EXPECT_EQ(RomanianSpelling::dropUnmarkedDuplicates(entries, nullptr), 0);
    EXPECT_EQ(RomanianSpelling::dropUnmarkedDuplicates(entries, &checker), 2);
    QStringList left;
    for (const DictEntry &entry : entries)
        left.append(entry.headword);
    EXPECT_EQ(left, (QStringList{u"rețetă"_s, u"țară"_s, u"tara"_s, u"mașină de cusut"_s, u"masa"_s}));
}
