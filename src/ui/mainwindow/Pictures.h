// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

namespace quillet {

// The pictures of the program's picture buttons, drawn rather than loaded so the
// windows need no image files beside the program. The paste button has three looks:
// ready, disabled (nothing to paste) and under the pointer.
enum class Picture { Search, Paste, PasteDisabled, PasteHovered, Help, Minimise, Close, AboutBitmap };

QPixmap DrawPicture(Picture picture, int size);
QPixmap DrawPicture(Picture picture, const QSize &size);

} // namespace quillet
