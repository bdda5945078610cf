// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/app/SettingsValues.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace quillet {

// The logical dots per inch of the screen a window is shown on; 96 before it has one.
inline double DotsPerInch(const QWidget &window)
{
    const QScreen *screen = window.screen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

// Places controls laid out in twips (1/1440 inch) in one screen's pixels.
class TwipsPlacer {
public:
    explicit TwipsPlacer(double dotsPerInch) : dpi_(dotsPerInch) {}
    explicit TwipsPlacer(const QWidget &window) : dpi_(DotsPerInch(window)) {}

    int pixels(int twips) const { return settings::TwipsToPixels(float(twips), dpi_); }
    QSize size(const QSize &twips) const { return {pixels(twips.width()), pixels(twips.height())}; }
    QRect rect(const QRect &twips) const
    {
        return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
    }
    template <typename Control>
    Control *place(Control *control, const QRect &twips) const
    {
        control->setGeometry(rect(twips));
        return control;
    }

private:
    double dpi_;
};

} // namespace quillet
