// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lookup/PaintedCells.h"

#include <QHashFunctions>
#include <QPainter>

namespace quillet {

size_t qHash(const CellLook &look, size_t seed) noexcept
{
    return qHashMulti(seed, look.text, look.font, look.pen, look.ground, look.size.width(), look.size.height(),
                      look.pixelRatio);
}

QPixmap PaintedCells::image(const CellLook &look, const Draw &draw)
{
    if (const QPixmap *kept = images_.object(look))
        return *kept;
    QPixmap image(look.size * look.pixelRatio);
    image.setDevicePixelRatio(look.pixelRatio);
    image.fill(QColor::fromRgb(look.ground));
    {
        QPainter painter(&image);
        painter.setPen(QColor::fromRgba(look.pen));
        painter.setFont(look.font);
        draw(painter, QRect(QPoint(0, 0), look.size));
    }
    const qsizetype pixels = qsizetype(image.width()) * image.height();
    images_.insert(look, new QPixmap(image), pixels); // the cache owns the copy, and drops it when too large
    return image;
}

} // namespace quillet
