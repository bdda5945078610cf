// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace quillet {

// The text with the marks taken off its Latin letters: ă â → a, î → i, ș ş → s, ț ţ → t,
// the capitals likewise, and every other Latin letter with a mark (é, ö, ñ, ł, ø ...) its
// plain letter. Loose combining marks go; every other character stays as it is.
QString FoldDiacritics(QStringView text);

// What FoldDiacritics makes of one UTF-16 unit: its plain letter, or the unit itself;
// nothing for a loose combining mark, which goes.
std::optional<char16_t> WithoutMarks(char16_t unit);

} // namespace quillet
