// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCache>
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;

namespace quillet {

// All a painted cell depends on: its text, in a font and a colour, on a plain opaque ground,
// at a size in pixels of a given density.
struct CellLook {
    QString text;
    QFont font;
    QRgb pen = 0;
    QRgb ground = 0;
    QSize size;
    qreal pixelRatio = 1;

    bool operator==(const CellLook &other) const = default;
};

size_t qHash(const CellLook &look, size_t seed = 0) noexcept;

// The images of the cells painted last. The result lists are filled again on every
// keystroke, mostly with rows they showed a keystroke before: a cell that looks as one
// kept here is copied, not laid out and drawn again. The least recently used images go
// first once the pixels kept would pass the bound.
class PaintedCells {
public:
    using Draw = std::function<void(QPainter &painter, const QRect &cell)>;

    explicit PaintedCells(qsizetype maxPixels) : images_(maxPixels) {}

    // The image of a cell that looks so; when none is kept, `draw` paints the cell's
    // text on a new image filled with the ground.
    QPixmap image(const CellLook &look, const Draw &draw);

private:
    QCache<CellLook, QPixmap> images_; // cost: pixels
};

} // namespace quillet
