#pragma once

#include "common/QStringPrinter.h"
#include "gendict/DictEntry.h"

#include <ostream>

// Lets GoogleTest show entries as text when an expectation fails.

namespace quillet::gendict {

inline void PrintTo(const DictEntry &entry, std::ostream *out)
{
    *out << '{' << entry.headword.toStdString() << " | " << entry.translation.toStdString() << '}';
}

} // namespace quillet::gendict
