// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictTable.h"

#include <QString>

namespace quillet::bench {

// The entries of one shipped data file ("headword<TAB>translation" lines) as direction d.
void FillShipped(DictTable &table, const QString &dataFile, int d);

// The shipped entries, then generated filler words up to the table's bound.
void FillToCapacity(DictTable &table, const QString &dataFile, int d);

} // namespace quillet::bench
