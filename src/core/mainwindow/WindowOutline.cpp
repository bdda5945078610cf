// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/WindowOutline.h"

namespace quillet::outline {

const std::array<QPoint, PointCount> &OutlinePoints()
{
    static const std::array<QPoint, PointCount> points{{
        {15, 2},   {608, 2},  {612, 3},  {616, 6},  {618, 9},  {619, 15}, {619, 445},
        {617, 451}, {615, 453}, {612, 455}, {610, 457}, {15, 457}, {9, 455}, {6, 453},
        {3, 451},  {2, 445},  {2, 15},   {3, 12},   {6, 7},    {9, 3},    {15, 1},
    }};
    return points;
}

} // namespace quillet::outline
