// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

#include <optional>

namespace quillet {

// The window's left and top position on the screen, in twips (1/1440 inch).
struct TwipsPosition {
    int left = 0;
    int top = 0;
    bool operator==(const TwipsPosition &) const = default;
};

// Dragging the main window by its background or title. A press of the left button
// alone remembers where it happened; each later move with the left button alone held
// moves the window by the pointer's displacement since the press, its left and top
// rounded down to multiples of 32 twips. Positions are plain ints, so a drag reaches
// every position a screen can have.
class WindowDrag {
public:
    static constexpr int Grid = 32;

    // x and y in pixels, relative to the control that received the press.
    void Form_MouseDown(Qt::MouseButtons buttons, double x, double y);
    // The window's new position, or nullopt when this move does not drag. x and y are
    // relative to the same control as the press; window is the current position.
    std::optional<TwipsPosition> DragStep(Qt::MouseButtons buttons, double x, double y,
                                          const TwipsPosition &window, double twipsPerPixel) const;

    // Rounds down to a multiple of 32, toward minus infinity for negative values too.
    static int RoundDownToGrid(int twips);

private:
    bool dragging_ = false;
    int dragX_ = 0;
    int dragY_ = 0;
};

} // namespace quillet
