#pragma once

#include "gendict/DictEntry.h"

#include <QString>

#include <ostream>

// Lets GoogleTest show strings and entries as text when an expectation fails.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace quillet::gendict {

inline void PrintTo(const DictEntry &entry, std::ostream *out)
{
    *out << '{' << entry.headword.toStdString() << " | " << entry.translation.toStdString() << '}';
}

} // namespace quillet::gendict
