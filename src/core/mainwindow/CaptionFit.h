// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace quillet {

// The point size at which a caption fits its fixed box: the designed size when the
// caption fits at it, else the largest smaller size, in steps of a quarter point, at
// which its measured width fits; never below the smallest size. widthAt measures the
// caption at a given point size.
double FittingPointSize(const std::function<double(double pointSize)> &widthAt, double boxWidth,
                        double designedPointSize, double smallestPointSize = 6.0);

} // namespace quillet
