// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lookup/PlainRowDelegate.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>

namespace quillet {

namespace {

// The room left between the cell's edges and its text.
constexpr int TextMargin = 3;

// Cell images kept for each list: some 4 MB, a few keystrokes' worth of new rows.
constexpr qsizetype KeptPixels = qsizetype(1) << 20;

// What the view left under a cell that paints no ground of its own: its viewport's
// ground, when the viewport fills it; no brush when that is unknown.
QBrush GroundUnder(const QStyleOptionViewItem &option)
{
    const auto *view = qobject_cast<const QAbstractScrollArea *>(option.widget);
    const QWidget *viewport = view != nullptr ? view->viewport() : nullptr;
    if (viewport == nullptr || !viewport->autoFillBackground())
        return {};
    return viewport->palette().brush(viewport->backgroundRole());
}

// The text at the left of the cell, centred on its height, elided where it does not fit.
// The painter's pen and font are the cell's.
void DrawCellText(QPainter &painter, const QRect &cell, const QString &text)
{
    const QRect textRect = cell.adjusted(TextMargin, 0, -TextMargin, 0);
    const QFontMetrics metrics = painter.fontMetrics();
    // Measuring a text costs as much as drawing it: only one that may not fit is measured.
    const QString shown = text.size() * metrics.maxWidth() > textRect.width()
                              ? metrics.elidedText(text, Qt::ElideRight, textRect.width())
                              : text;
    const int baseline = textRect.top() + (textRect.height() + metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(QPoint(textRect.left(), baseline), shown);
}

} // namespace

PlainRowDelegate::PlainRowDelegate(QObject *parent) : QStyledItemDelegate(parent), cells_(KeptPixels) {}

void PlainRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QVariant background = index.data(Qt::BackgroundRole);
    const QBrush ground = selected               ? option.palette.brush(QPalette::Active, QPalette::Highlight)
                          : background.isValid() ? background.value<QBrush>()
                                                 : GroundUnder(option);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    const QColor pen = selected                ? option.palette.color(QPalette::Active, QPalette::HighlightedText)
                       : foreground.isValid() ? foreground.value<QBrush>().color()
                                              : option.palette.color(QPalette::Text);
    const QVariant fontData = index.data(Qt::FontRole);
    const QFont font = fontData.isValid() ? fontData.value<QFont>() : option.font;
    const QString text = index.data(Qt::DisplayRole).toString();

    if (ground.style() == Qt::SolidPattern && ground.isOpaque() && !option.rect.isEmpty()) {
        const CellLook look{text, font, pen.rgba(), ground.color().rgb(), option.rect.size(),
                            painter->device()->devicePixelRatio()};
        painter->drawPixmap(option.rect.topLeft(), cells_.image(look, [&text](QPainter &onImage, const QRect &cell) {
            DrawCellText(onImage, cell, text);
        }));
    } else {
        painter->save();
        if (selected || background.isValid())
            painter->fillRect(option.rect, ground);
        painter->setPen(pen);
        painter->setFont(font);
        painter->setClipRect(option.rect);
        DrawCellText(*painter, option.rect, text);
        painter->restore();
    }

    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
        const QWidget *widget = option.widget;
        (widget ? widget->style() : QApplication::style())->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
}

} // namespace quillet
