// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/Lemma.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using quillet::gendict::Lemma;

TEST(Lemma, CleansWordNetSpellingsAndWritesCommaBelowLetters)
{
    const std::pair<const char16_t *, const char16_t *> cases[] = {
        {u"kick_the_bucket", u"kick the bucket"},
        {u"hole-and-corner(a)", u"hole-and-corner"},
        {u"afloat(p)", u"afloat"},
        {u"galore(ip)", u"galore"},
        {u"  ante_meridiem_(a)_", u"ante meridiem"},
        // Only a marker at the very end goes, and only WordNet's three.
        {u"(a)priori", u"(a)priori"},
        {u"vitamin(b)", u"vitamin(b)"},
        {u"x(a)(p)", u"x(a)"},
        // Cedilla letters become comma-below ones, composed or not; ǎ (a with caron) is ă;
        // invisible marks go; letters that merely look alike (š, ť) stay.
        {u"\u015Fans\u0103 \u0163\u0103ran", u"\u0219ans\u0103 \u021B\u0103ran"},
        {u"\u015Etefan \u0162epe\u015F", u"\u0218tefan \u021Aepe\u0219"},
        {u"fisu\u01CEr", u"fisu\u0103r"},
        {u"s\u0327a\u0306", u"\u0219\u0103"},
        {u"muschet\u0103\u200E", u"muschet\u0103"},
        {u"\u0161\u0165", u"\u0161\u0165"},
    };
    for (const auto &[raw, clean] : cases)
        EXPECT_EQ(Lemma::clean(QString::fromUtf16(raw)), QString::fromUtf16(clean)) << QString::fromUtf16(raw).toStdString();
    for (const QString &raw : {u""_s, u"   "_s, u"__"_s, u" (ip) "_s, u"trailing tab\t"_s, u"a\nb"_s, u"a\rb"_s,
                               u"a\u2028b"_s})
        EXPECT_FALSE(Lemma::clean(raw).has_value()) << qPrintable(raw);
}
