// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/CaptionFit.h"

namespace quillet {

double FittingPointSize(const std::function<double(double pointSize)> &widthAt, double boxWidth,
                        double designedPointSize, double smallestPointSize)
{
    constexpr double Step = 0.25;
    double size = designedPointSize;
    while (size - Step >= smallestPointSize && widthAt(size) > boxWidth)
        size -= Step;
    return size;
}

} // namespace quillet
