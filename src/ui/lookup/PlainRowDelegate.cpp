// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lookup/PlainRowDelegate.h"

#include <QApplication>
#include <QPainter>

namespace quillet {

namespace {

// The room left between the cell's edges and its text.
constexpr int TextMargin = 3;

} // namespace

void PlainRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QVariant background = index.data(Qt::BackgroundRole);
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(QPalette::Active, QPalette::Highlight));
    else if (background.isValid())
        painter->fillRect(option.rect, background.value<QBrush>());

    const QVariant foreground = index.data(Qt::ForegroundRole);
    painter->setPen(selected              ? option.palette.color(QPalette::Active, QPalette::HighlightedText)
                    : foreground.isValid() ? foreground.value<QBrush>().color()
                                           : option.palette.color(QPalette::Text));
    const QVariant font = index.data(Qt::FontRole);
    painter->setFont(font.isValid() ? font.value<QFont>() : option.font);
    const QRect textRect = option.rect.adjusted(TextMargin, 0, -TextMargin, 0);
    const QFontMetrics metrics = painter->fontMetrics();
    QString text = index.data(Qt::DisplayRole).toString();
    // Measuring a text costs as much as drawing it: only one that may not fit is measured.
    if (text.size() * metrics.maxWidth() > textRect.width())
        text = metrics.elidedText(text, Qt::ElideRight, textRect.width());
    const int baseline = textRect.top() + (textRect.height() + metrics.ascent() - metrics.descent()) / 2;
    painter->setClipRect(option.rect);
    painter->drawText(QPoint(textRect.left(), baseline), text);

    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
        const QWidget *widget = option.widget;
        (widget ? widget->style() : QApplication::style())->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}

} // namespace quillet
