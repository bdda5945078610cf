// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace quillet::about {

// How many words each direction of the dictionary holds.
struct WordCounts {
    int english = 0;
    int romanian = 0;
    int personal = 0; // the user's own pairs (My terms)
};

// "Dicționar  Quillet ver. 1.1" for version 1.1.
QString AboutTitle(int major, int minor);

// The seven lines of the information text, in both languages at once; the user's own
// pairs, when there are any, are counted after the dictionary's words.
QStringList AboutTextLines(int major, int minor, const WordCounts &counts);

// The credit line: where the dictionary's words come from, with their licences.
QString CreditLine();

// What "quillet --version" prints: the version, the dictionary's size, the copyright
// and the licences, one line each.
QStringList VersionLines(int major, int minor, const WordCounts &counts);

// The About window's texts that follow the interface language.
enum class AboutText {
    WindowCaption,
    HomePageTip,
    MailTip,
    LatestVersionCaption,
    LatestVersionTip,
    OtherProgramCaption,
    OtherProgramTip,
    MailName,        // what assistive technology calls the mail address
    InformationName, // and the information text
    CloseName,       // and the button captioned "Click!"
};

QString TextOf(AboutText text, bool english);

} // namespace quillet::about
