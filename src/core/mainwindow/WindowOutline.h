// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

#include <array>

// The main window's outline: a rectangle from (2, 2) to (619, 457) whose corners are
// rounded by short chains of points, in pixels from the window's top-left corner. The
// polygon closes from its last point back to the first; the last point, (15, 1), sits
// one pixel above the first, so the top edge meets the upper-left corner a pixel higher.
namespace quillet::outline {

inline constexpr int PointCount = 21;

const std::array<QPoint, PointCount> &OutlinePoints();

// The outline is filled with the odd-even (alternate) rule.
inline constexpr Qt::FillRule OutlineFillRule = Qt::OddEvenFill;

} // namespace quillet::outline
