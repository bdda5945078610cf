// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/about/AboutTexts.h"

using namespace Qt::StringLiterals;

namespace quillet::about {

namespace {

QString Version(int major, int minor)
{
    return QString::number(major) + u"."_s + QString::number(minor);
}

} // namespace

QString AboutTitle(int major, int minor)
{
    return u"Dictionar  Quillet"_s + u" ver. "_s + Version(major, minor);
}

QString CreditLine()
{
    return u"Words: Wiktionary contributors (CC BY-SA 3.0 / GFDL), Open Multilingual Wordnet, "
           u"Princeton WordNet 3.0, CLDR"_s;
}

QStringList AboutTextLines(int major, int minor, const WordCounts &counts)
{
    const QString english = QString::number(counts.english);
    const QString romanian = QString::number(counts.romanian);
    return {
        u"Dictionar Englez-Roman Tehnic"_s,
        u"ver. "_s + Version(major, minor),
        CreditLine(),
        QString(),
        u"Acest dictionar contine "_s + english + u" cuvinte din limba Engleza si "_s + romanian
            + u" cuvinte din limba Romana."_s,
        QString(),
        u"This dictionary contain "_s + english + u" English words and "_s + romanian + u" Romanian words."_s,
    };
}

} // namespace quillet::about
