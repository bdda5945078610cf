// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillet {

// The blanks in front of the clipboard text in the paste button's tip, roughly centring a
// short word under the title: (title length - text length) / 1.2, rounded to the nearest
// whole number with halves to the even one, and never less than 1.
int PasteTipPadding(qsizetype titleLength, qsizetype textLength);

// The paste button's tip: the title and a colon, a blank line, the padded clipboard text,
// and a blank last line, the lines ending in "\r\n".
QString PasteTip(const QString &title, const QString &clipboardText);

} // namespace quillet
