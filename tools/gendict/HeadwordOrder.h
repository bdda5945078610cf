// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/DictEntry.h"

#include <QList>
#include <QString>

namespace quillet::gendict {

// The order of the dictionary files: words before affixes ("-ism", "anti-") and headwords
// that start with a digit ("1-ul", "100 metri"), each
// alphabetical regardless of case and diacritics, and the same on every machine (no
// locale). Entries compare by the case-folded headword without its diacritics, then by
// the case-folded headword, then by the headword itself, each in Unicode code-unit order.
class HeadwordOrder {
public:
    // The primary key: case-folded, decomposed (NFD), combining marks dropped.
    static QString baseForm(const QString &headword);

    static void sort(QList<DictEntry> &entries);
};

} // namespace quillet::gendict
