#pragma once

#include "gendict/TranslationTable.h"

#include <QList>

namespace quillet::gendict {

// How many entries the capacity rule left out, per reason.
struct CapacityCut {
    qsizetype reversedOnly = 0;  // entries that only reversed glosses gave
    qsizetype longMultiWord = 0; // the longest multi-word headwords

    friend bool operator==(const CapacityCut &, const CapacityCut &) = default;
};

// Fits a direction into the program's table: when there are more entries than it
// holds, the entries that come only from reversed glosses go first, then multi-word
// headwords; within each, those with the most words and then the longest go first.
// The entries left keep their order.
class Capacity {
public:
    static CapacityCut fit(QList<TableEntry> &entries, qsizetype capacity);
};

} // namespace quillet::gendict
