// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QStringView>

namespace quillet {

// Every shorter beginning of the text, longest first, down to its first character; the
// whole text is not among them. Blanks are kept as they stand. A beginning never ends
// between the two halves of a character written as a surrogate pair.
QStringList SplitWord(QStringView text);

} // namespace quillet
