// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/WordKey.h"

#include "core/dictionary/Diacritics.h"

#include <algorithm>

namespace quillet {

QString WordKey(QStringView text)
{
    // Most headwords are plain ASCII, with neither marks nor case beyond A to Z.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toString().toLower();
    return FoldDiacritics(text.toString().toCaseFolded());
}

} // namespace quillet
