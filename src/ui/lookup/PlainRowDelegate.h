// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

namespace quillet {

// Paints a result cell as plain text on its background, the selection in the palette's
// highlight, elided at the cell's right edge. It asks the style for nothing but the focus
// frame: the result lists are repainted on every keystroke, and the style's full item
// painting was most of a keystroke's cost.
class PlainRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace quillet
