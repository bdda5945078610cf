// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/SplitWord.h"

namespace quillet {

QStringList SplitWord(QStringView text)
{
    QStringList pieces;
    for (qsizetype length = text.size() - 1; length >= 1; --length) {
        if (text[length].isLowSurrogate() && text[length - 1].isHighSurrogate())
            continue;
        pieces.append(text.first(length).toString());
    }
    return pieces;
}

} // namespace quillet
