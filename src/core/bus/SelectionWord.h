// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/lookup/QueryLength.h"

#include <QString>

namespace quillet {

// The word or phrase a selected text is looked up by: what comes before the first line
// break, tab or mark that ends a phrase (, ; : ! ? brackets, quotation marks, a full stop
// before a blank or at the end), without the marks and blanks around it, its blanks made
// single. A dot, hyphen or apostrophe inside a word stays ("e.g", "3.5", "o-ring",
// "driver's"). Longer than maxLength it is cut at the last blank that keeps it within,
// or at maxLength itself when it is one long word. Empty when the selection holds no
// letter or digit before its first break.
QString SelectionWord(const QString &selection, qsizetype maxLength = MaxQueryLength);

} // namespace quillet
