// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// The main window's fixed arrangement, in pixels of its client area (623 x 453).
namespace quillet::layout {

inline constexpr QSize ClientSize{623, 453};

inline constexpr QRect Label4{12, 6, 454, 22};
inline constexpr QRect Image2{570, 6, 21, 21};
inline constexpr QRect Image4{591, 6, 21, 21};
inline constexpr QRect Find{2, 36, 46, 19};
inline constexpr QRect Text1{52, 33, 184, 25};
inline constexpr QRect ImgSearch{248, 29, 32, 32};
inline constexpr QRect Image3{297, 30, 32, 32};
inline constexpr QRect Label1Options{496, 33, 87, 16};
inline constexpr QRect Image1{588, 33, 16, 16};
// History and Split stand right of the Starting-with heading, so that none of the three
// captions covers another in either language, and Split ends before the count caption.
inline constexpr QRect Label1History{96, 55, 40, 16};
inline constexpr QRect Label1Split{136, 55, 73, 16};
inline constexpr QRect Label3EnglishRomanian{342, 56, 130, 18};
inline constexpr QRect Label3RomanianEnglish{477, 56, 130, 18};
inline constexpr QRect Label2StartingHeading{12, 62, 137, 17};
inline constexpr QRect Label2StartingCount{210, 63, 137, 17};
inline constexpr QRect StartingList{3, 78, 613, 375};
inline constexpr QRect List2{51, 78, 184, 134};
inline constexpr QRect List1{51, 78, 184, 147};
inline constexpr QRect Text3{180, 152, 141, 27};
inline constexpr QRect Label2ContainingHeading{12, 273, 137, 22};
inline constexpr QRect Label2ContainingCount{210, 271, 137, 15};
inline constexpr QRect ContainingList{3, 286, 613, 165};
inline constexpr QRect Label5{0, 445, 625, 20};
// Below the Starting-with list, while the Containing list is hidden.
inline constexpr QRect AdvancedSearchNote{12, 432, 590, 18};

// The Starting-with list reaches down to the note on advanced search when it is the only
// list, and stops above the Containing list's heading when both are shown.
inline constexpr int StartingListHeightAlone = 353;
inline constexpr int StartingListHeightWithContaining = 189;

// Column widths of the two lists for a list of the given width. A fraction of a pixel
// is dropped when the width is applied.
struct ColumnWidths {
    double headword;
    double translation;
};
inline constexpr ColumnWidths StartingWithColumns(double listWidth)
{
    return {listWidth / 2 - 40, listWidth / 2 + 18};
}
inline constexpr ColumnWidths ContainingColumns(double listWidth)
{
    return {listWidth / 2 - 40, listWidth / 2 + 22};
}

} // namespace quillet::layout
