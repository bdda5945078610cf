// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/WindowDrag.h"

#include <cmath>

namespace quillet {

namespace {

// The nearest integer, a half to the even neighbour (the program never leaves the
// default rounding mode).
int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

bool LeftButtonAlone(Qt::MouseButtons buttons)
{
    return buttons == Qt::MouseButtons(Qt::LeftButton);
}

} // namespace

void WindowDrag::Form_MouseDown(Qt::MouseButtons buttons, double x, double y)
{
    if (!LeftButtonAlone(buttons) || !std::isfinite(x) || !std::isfinite(y))
        return;
    dragging_ = true;
    dragX_ = RoundHalfEven(x);
    dragY_ = RoundHalfEven(y);
}

std::optional<TwipsPosition> WindowDrag::DragStep(Qt::MouseButtons buttons, double x, double y,
                                                  const TwipsPosition &window, double twipsPerPixel) const
{
    if (!LeftButtonAlone(buttons) || !dragging_ || !std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    const int left = RoundHalfEven(window.left + (x - dragX_) * twipsPerPixel);
    const int top = RoundHalfEven(window.top + (y - dragY_) * twipsPerPixel);
    return TwipsPosition{RoundDownToGrid(left), RoundDownToGrid(top)};
}

int WindowDrag::RoundDownToGrid(int twips)
{
    const int quotient = twips / Grid - (twips % Grid < 0 ? 1 : 0);
    return quotient * Grid;
}

} // namespace quillet
