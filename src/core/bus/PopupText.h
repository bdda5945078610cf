// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/lookup/LookupReport.h"

#include <QString>

namespace quillet {

// At most this many entries of each list show in the pop-up.
inline constexpr qsizetype PopupEntriesPerList = 4;
// A longer translation is cut, with an ellipsis, to this many characters.
inline constexpr qsizetype PopupTranslationLength = 80;

// The text of the look-up pop-up, in the interface language: the word, then for each
// direction of the report that finds anything (each, when none does) its name and its lists in the report's order (the offered ones, then
// Starting with and Containing), each under its heading and count, with its first
// entries as "headword – translation". Lines end with CR LF, as the tip's text does.
QString PopupText(const LookupReport &report, bool english);

} // namespace quillet
