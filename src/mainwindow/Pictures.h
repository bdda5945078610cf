#pragma once

#include <QPixmap>

namespace quillet {

// The pictures of the main window's picture buttons, drawn rather than loaded so the
// window needs no image files beside the program.
enum class Picture { Search, Paste, Help, Minimise, Close };

QPixmap DrawPicture(Picture picture, int size);

} // namespace quillet
