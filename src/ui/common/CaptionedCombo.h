// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QComboBox;

namespace quillet {

// Makes assistive technology name the drop-down by its accessible name (its caption, set
// with setAccessibleName) and give what it shows as its value: Qt's own names a drop-down
// by the item it shows ("3"), which tells nothing of what is chosen. Called as soon as
// the drop-down is made: setting its name makes what assistive technology sees of it,
// which is Qt's own if this comes after.
void NameByCaption(QComboBox *combo);

} // namespace quillet
