// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The text colours of the main window's link and direction labels.
namespace quillet::hover {

// Until the pointer first passes over the window's background.
inline const QColor InitialDarkBlue(0, 0, 192);
inline const QColor RestBlue(0, 0, 255);
// The pointer is over the label.
inline const QColor OverRed(255, 0, 0);
// A button is pressed on the label.
inline const QColor PressedCyan(0, 255, 255);

} // namespace quillet::hover

namespace quillet {

// A notice atop the Starting-with list (the other direction has the word, or the word can
// be added to My terms), as a link.
inline const QColor NoticeLinkText(0, 0, 192);
inline const QColor NoticeLinkGround(232, 236, 255);

} // namespace quillet
