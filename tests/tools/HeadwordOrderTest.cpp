// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/HeadwordOrder.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace Qt::StringLiterals;
using namespace quillet::gendict;

namespace {

QStringList sortedHeadwords(QStringList headwords)
{
    // Shuffled with a fixed seed: the result must not depend on the incoming order.
    std::shuffle(headwords.begin(), headwords.end(), std::mt19937(7));
    QList<DictEntry> entries;
    for (const QString &headword : headwords)
        entries.append({headword, u"x"_s});
    HeadwordOrder::sort(entries);
    QStringList result;
    for (const DictEntry &entry : entries)
        result.append(entry.headword);
    return result;
}

} // namespace

TEST(HeadwordOrder, AlphabeticalIgnoringCaseAndDiacriticsThenByThem)
{
    const QStringList expected{
        u"a b"_s,                       // a blank sorts before any letter
        u"Ab"_s, u"ab"_s, u"\u0103b"_s, // same base "ab": case-folded, then exact
        u"ac"_s,
        u"\u00EEnger"_s,                // î sorts with i
        u"\u0219ansa"_s,                // ș sorts with s
        u"\u0218arpe"_s,
        u"strat"_s,
        // Same base "tara": the case-folded form decides before the exact spelling,
        // so "țara" comes before "Țară" although "Ț" precedes "ț".
        u"Tara"_s, u"tara"_s, u"\u021Bara"_s, u"\u021Aar\u0103"_s,
        u"tare"_s,
        // Affixes and headwords that start with a digit come after every word.
        u"-a"_s, u"-ism"_s, u"1-ul"_s, u"100 metri"_s, u"2"_s, u"anti-"_s,
    };
    EXPECT_EQ(sortedHeadwords(expected), expected);
}

TEST(HeadwordOrder, BaseFormDropsCaseAndMarks)
{
    EXPECT_EQ(HeadwordOrder::baseForm(u"\u021A\u0102R\u00CE"_s), u"tari"_s);
    // Precomposed and decomposed spellings meet in the same base form.
    EXPECT_EQ(HeadwordOrder::baseForm(u"\u0219"_s), HeadwordOrder::baseForm(u"s\u0326"_s));
}
