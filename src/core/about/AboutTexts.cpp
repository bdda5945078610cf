// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/about/AboutTexts.h"

#include "core/mainwindow/InterfaceTexts.h"
#include "core/texts/TextTable.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace quillet::about {

namespace {

QString Version(int major, int minor)
{
    return QString::number(major) + u"."_s + QString::number(minor);
}

constexpr std::array<TextRow<AboutText>, 10> Rows{{
    {AboutText::WindowCaption, u"About", u"Despre"},
    {AboutText::HomePageTip, u"Visit Author Home Page", u"Vizitați pagina autorului"},
    {AboutText::MailTip, u"Email author", u"Scrieți-i autorului"},
    {AboutText::LatestVersionCaption, u"Download the latest version of Quillet Technical Dictionary",
     u"Descărcați cea mai nouă versiune a Dicționarului tehnic Quillet"},
    {AboutText::LatestVersionTip, u"Download the latest version of Quillet Dictionary",
     u"Descărcați cea mai nouă versiune a dicționarului Quillet"},
    {AboutText::OtherProgramCaption, u"Quillet Atlas: download the maker's other program",
     u"Quillet Atlas: descărcați celălalt program al autorului"},
    {AboutText::OtherProgramTip, u"Download Quillet Atlas, another program by the maker of Quillet",
     u"Descărcați Quillet Atlas, alt program al autorului Quillet"},
    {AboutText::MailName, u"Author's e-mail address", u"Adresa de e-mail a autorului"},
    {AboutText::InformationName, u"About the dictionary", u"Despre dicționar"},
    {AboutText::CloseName, u"Close", u"Închide"},
}};

// "1 English word", "57290 English words".
QString EnglishWords(int count, QStringView language)
{
    return QString::number(count) + u' ' + language.toString() + (count == 1 ? u" word"_s : u" words"_s);
}

} // namespace

QString AboutTitle(int major, int minor)
{
    return u"Dicționar  Quillet"_s + u" ver. "_s + Version(major, minor);
}

QString CreditLine()
{
    return u"Words: Wiktionary contributors (CC BY-SA 3.0 / GFDL), Open Multilingual Wordnet, "
           u"Princeton WordNet 3.0, CLDR"_s;
}

QStringList AboutTextLines(int major, int minor, const WordCounts &counts)
{
    const int n = counts.personal;
    const bool takesDe = n >= 20 && !(n % 100 >= 1 && n % 100 <= 19);
    const QString personalRomanian =
        n > 0 ? u" Termenii mei: "_s + QString::number(n)
                    + (n == 1 ? u" pereche."_s : takesDe ? u" de perechi."_s : u" perechi."_s)
              : QString();
    const QString personalEnglish =
        n > 0 ? u" My terms: "_s + QString::number(n) + (n == 1 ? u" pair."_s : u" pairs."_s) : QString();
    return {
        u"Dicționar englez-român tehnic"_s,
        u"ver. "_s + Version(major, minor),
        CreditLine(),
        QString(),
        u"Acest dicționar conține "_s + WordCount(counts.english, false, false) + u" din limba engleză și "_s
            + WordCount(counts.romanian, false, false) + u" din limba română."_s + personalRomanian,
        QString(),
        u"This dictionary contains "_s + EnglishWords(counts.english, u"English") + u" and "_s
            + EnglishWords(counts.romanian, u"Romanian") + u"."_s + personalEnglish,
    };
}

QStringList VersionLines(int major, int minor, const WordCounts &counts)
{
    const auto entries = [](int count, QStringView direction) {
        return QString::number(count) + u' ' + direction.toString() + (count == 1 ? u" entry"_s : u" entries"_s);
    };
    return {
        u"Quillet "_s + Version(major, minor),
        u"Dictionary: "_s + entries(counts.english, u"English-Romanian") + u", "_s
            + entries(counts.romanian, u"Romanian-English"),
        u"Copyright (C) 2026 The Quillet developers"_s,
        u"License GPLv3+: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl.html>"_s,
        u"The dictionary's words: CC BY-SA 3.0 or GFDL 1.3, from Wiktionary, Open Multilingual Wordnet,"_s,
        u"Princeton WordNet 3.0 and CLDR; see the copyright file that comes with Quillet."_s,
        u"This is free software: you are free to change and redistribute it."_s,
        u"There is NO WARRANTY, to the extent permitted by law."_s,
    };
}

QString TextOf(AboutText text, bool english)
{
    return TextIn(Rows, text, english);
}

} // namespace quillet::about
