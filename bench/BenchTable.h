// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictTable.h"

#include <QString>

namespace quillet::bench {

// The shipped English-Romanian entries alone (when the data file is there).
void FillShipped(DictTable &table, const QString &dataFile);

// The shipped English-Romanian entries, then generated filler words up to the table's
// full 57,290 entries.
void FillToCapacity(DictTable &table, const QString &dataFile);

// Bytes the table's strings and index take on the heap, estimated from their sizes.
qsizetype TableMemory(const DictTable &table);

} // namespace quillet::bench
