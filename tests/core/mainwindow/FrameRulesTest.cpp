// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/CaptionFit.h"
#include "core/mainwindow/WindowDrag.h"

#include <gtest/gtest.h>

using namespace quillet;

namespace {

constexpr double TwipsPerPixel = 15;
const TwipsPosition OnGrid{32 * 100, 32 * 50};

std::optional<TwipsPosition> PressAndMove(Qt::MouseButtons press, Qt::MouseButtons held, double dx, double dy)
{
    WindowDrag drag;
    drag.Form_MouseDown(press, 40, 10);
    return drag.DragStep(held, 40 + dx, 10 + dy, OnGrid, TwipsPerPixel);
}

} // namespace

TEST(WindowDrag, OnlyTheLeftButtonAloneDragsToMultiplesOf32TwipsRoundedDown)
{
    // One pixel right or down is 15 twips: the window stays. One pixel left or up
    // takes it a whole step of 32 twips.
    EXPECT_EQ(PressAndMove(Qt::LeftButton, Qt::LeftButton, 1, 1), OnGrid);
    EXPECT_EQ(PressAndMove(Qt::LeftButton, Qt::LeftButton, -1, -1),
              (TwipsPosition{OnGrid.left - 32, OnGrid.top - 32}));
    EXPECT_EQ(PressAndMove(Qt::LeftButton, Qt::LeftButton, 10, -3), (TwipsPosition{3328, 1536}));
    EXPECT_EQ(WindowDrag::RoundDownToGrid(-64), -64);
    // Far beyond 16 bits: plain ints carry it.
    const auto far = PressAndMove(Qt::LeftButton, Qt::LeftButton, 3000, 0);
    ASSERT_TRUE(far);
    EXPECT_EQ(far->left, WindowDrag::RoundDownToGrid(OnGrid.left + 45000));

    const Qt::MouseButtons both = Qt::LeftButton | Qt::RightButton;
    EXPECT_FALSE(PressAndMove(Qt::RightButton, Qt::RightButton, -20, -20));
    EXPECT_FALSE(PressAndMove(Qt::LeftButton, both, -20, -20));
    EXPECT_FALSE(PressAndMove(Qt::LeftButton, Qt::NoButton, -20, -20));
    EXPECT_FALSE(WindowDrag().DragStep(Qt::LeftButton, 0, 0, OnGrid, TwipsPerPixel));
}

TEST(CaptionFit, ShrinksOnlyAsFarAsTheCaptionNeeds)
{
    const auto tenPixelsPerPoint = [](double points) { return points * 10; };
    EXPECT_EQ(FittingPointSize(tenPixelsPerPoint, 130, 9.75), 9.75);
    EXPECT_EQ(FittingPointSize(tenPixelsPerPoint, 81, 9.75), 8.0);
    EXPECT_EQ(FittingPointSize(tenPixelsPerPoint, 10, 9.75), 6.0);
}
