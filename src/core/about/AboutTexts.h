// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace quillet::about {

// How many words each direction of the dictionary holds.
struct WordCounts {
    int english = 0;
    int romanian = 0;
};

// "Dictionar  Quillet ver. 1.1" for version 1.1.
QString AboutTitle(int major, int minor);

// The seven lines of the information text, in both languages at once.
QStringList AboutTextLines(int major, int minor, const WordCounts &counts);

// The credit line: where the dictionary's words come from, with their licences.
QString CreditLine();

} // namespace quillet::about
