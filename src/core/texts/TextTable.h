// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <algorithm>
#include <iterator>

namespace quillet {

// One row of a table of texts in both interface languages: what the text is for, and its
// words in English and in Romanian. The texts are used exactly as they are: blanks at
// either end belong to them, and "&" marks the access key of a label.
template <typename Target>
struct TextRow {
    Target target;
    QStringView english;
    QStringView romanian;

    QString text(bool inEnglish) const { return (inEnglish ? english : romanian).toString(); }
};

// The row of `rows` (a table of TextRow) for the target; nullptr when it has none.
template <typename Rows, typename Target>
auto RowOf(const Rows &rows, Target target) -> decltype(&*std::begin(rows))
{
    const auto row = std::find_if(std::begin(rows), std::end(rows), [target](const auto &r) { return r.target == target; });
    return row == std::end(rows) ? nullptr : &*row;
}

// The text of the target in the language; "" when the table has no row for it.
template <typename Rows, typename Target>
QString TextIn(const Rows &rows, Target target, bool english)
{
    const auto *row = RowOf(rows, target);
    return row == nullptr ? QString() : row->text(english);
}

} // namespace quillet
