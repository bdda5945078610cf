// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace quillet {

// The windows' captions are laid out for Arial; where Arial is missing the sans-serif
// face the platform substitutes takes its place.
inline QFont ArialFont(qreal points, bool bold = false, bool underline = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace quillet
