// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/lookup/PaintedCells.h"

#include <QStyledItemDelegate>

namespace quillet {

// Paints a result cell as plain text on its background, the selection in the palette's
// highlight, elided at the cell's right edge. It asks the style for nothing but the focus
// frame: the result lists are repainted on every keystroke, and the style's full item
// painting was most of a keystroke's cost. A cell on a plain ground is painted once into
// an image that later paints of a cell that looks the same copy.
class PlainRowDelegate : public QStyledItemDelegate {
public:
    explicit PlainRowDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    mutable PaintedCells cells_;
};

} // namespace quillet
