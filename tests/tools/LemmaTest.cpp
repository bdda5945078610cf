#include "gendict/Lemma.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using quillet::gendict::Lemma;

namespace {

QString cleaned(const QString &raw)
{
    return Lemma::clean(raw).value_or(u"<dropped>"_s);
}

} // namespace

TEST(Lemma, CleansWordNetSpellings)
{
    EXPECT_EQ(cleaned(u"kick_the_bucket"_s), u"kick the bucket"_s);
    EXPECT_EQ(cleaned(u"hole-and-corner(a)"_s), u"hole-and-corner"_s);
    EXPECT_EQ(cleaned(u"afloat(p)"_s), u"afloat"_s);
    EXPECT_EQ(cleaned(u"galore(ip)"_s), u"galore"_s);
    EXPECT_EQ(cleaned(u"  ante_meridiem_(a)_"_s), u"ante meridiem"_s);
    // Only a marker at the very end goes, and only WordNet's three.
    EXPECT_EQ(cleaned(u"(a)priori"_s), u"(a)priori"_s);
    EXPECT_EQ(cleaned(u"vitamin(b)"_s), u"vitamin(b)"_s);
    EXPECT_EQ(cleaned(u"x(a)(p)"_s), u"x(a)"_s);
    EXPECT_EQ(cleaned(u"C++"_s), u"C++"_s);
}

TEST(Lemma, WritesCedillaLettersWithCommaBelow)
{
    EXPECT_EQ(cleaned(u"\u015Fans\u0103"_s), u"\u0219ans\u0103"_s);
    EXPECT_EQ(cleaned(u"\u0163\u0103ran"_s), u"\u021B\u0103ran"_s);
    EXPECT_EQ(cleaned(u"\u015Etefan \u0162epe\u015F"_s), u"\u0218tefan \u021Aepe\u0219"_s);
    // Composed forms, ǎ (a with caron) written as ă, invisible marks dropped.
    EXPECT_EQ(cleaned(u"fisu\u01CEr"_s), u"fisu\u0103r"_s);
    EXPECT_EQ(cleaned(u"s\u0327a\u0306"_s), u"\u0219\u0103"_s);
    EXPECT_EQ(cleaned(u"muschet\u0103\u200E"_s), u"muschet\u0103"_s);
    // Letters that merely look alike stay: s with caron, t with caron.
    EXPECT_EQ(cleaned(u"\u0161\u0165"_s), u"\u0161\u0165"_s);
}

TEST(Lemma, DropsLemmasThatCannotBeAnEntry)
{
    for (const QString &raw : {u""_s, u"   "_s, u"__"_s, u"(a)"_s, u" (ip) "_s, u"a\tb"_s,
                               u"trailing tab\t"_s, u"a\nb"_s, u"a\rb"_s, u"a\u2028b"_s})
        EXPECT_FALSE(Lemma::clean(raw).has_value()) << qPrintable(raw);
}
