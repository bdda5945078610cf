// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/QStringPrinter.h"
#include "gendict/Assembly.h"
#include "gendict/DictEntry.h"

#include <ostream>

// Lets GoogleTest show entries as text when an expectation fails; a direction's entries.

namespace quillet::gendict {

inline void PrintTo(const DictEntry &entry, std::ostream *out)
{
    *out << '{' << entry.headword.toStdString() << " | " << entry.translation.toStdString() << '}';
}

// The entries of one direction, without their sources.
inline QList<DictEntry> EntriesOf(const Direction &direction)
{
    QList<DictEntry> entries;
    for (const TableEntry &entry : direction.table.entries())
        entries.append(entry.entry);
    return entries;
}

} // namespace quillet::gendict
