// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

// The quiz window's fixed arrangement in twips (1/1440 inch) of its client area; the
// window turns them into pixels with the screen's logical dots per inch.
namespace quillet::quizlayout {

inline constexpr QSize ClientSize{5940, 6270};

inline constexpr QRect Label1Word{45, 45, 780, 285};
inline constexpr QRect Label2{855, 45, 3300, 285};
inline constexpr QRect Label1Direction{4365, 45, 825, 195};
inline constexpr QRect Combo2{5355, 0, 555, 315};
inline constexpr QRect Label1Level{4320, 360, 1050, 195};
inline constexpr QRect Combo1{5355, 315, 555, 315};
inline constexpr QRect Label1Answers{45, 450, 2490, 240};
inline constexpr QRect Label5Source{2580, 450, 780, 240};
inline constexpr QRect Combo3{3360, 375, 930, 315};
inline constexpr QRect List1{0, 720, 5910, 1815};
inline constexpr QRect Label4{45, 2565, 2265, 285};
inline constexpr QRect Choose{3060, 2565, 2850, 330};
inline constexpr QRect Label3Good{45, 2925, 2220, 240};
inline constexpr QRect List3{0, 3150, 5910, 1425};
inline constexpr QRect Label3Wrong{45, 4590, 2265, 240};
inline constexpr QRect List2{45, 4815, 5865, 1425};

} // namespace quillet::quizlayout
