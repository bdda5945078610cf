// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/ClickLabel.h"

#include <QMouseEvent>

namespace quillet {

int ClickLabel::BorderStyle() const
{
    return frameShape() == QFrame::Box ? 1 : 0;
}

bool ClickLabel::setBorderStyle(int style)
{
    if (style != 0 && style != 1)
        return false;
    const bool changed = style != BorderStyle();
    setFrameShape(style == 1 ? QFrame::Box : QFrame::NoFrame);
    setLineWidth(1);
    if (changed)
        emit borderStyleChanged();
    return true;
}

QColor ClickLabel::ForeColor() const
{
    return palette().color(QPalette::WindowText);
}

void ClickLabel::setForeColor(const QColor &colour)
{
    QPalette changed = palette();
    changed.setColor(QPalette::WindowText, colour);
    setPalette(changed);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    emit mouseDown(event->button(), event->globalPosition().toPoint());
    emit pressedAt(event->buttons(), event->globalPosition());
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

void ClickLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit movedAt(event->buttons(), event->globalPosition());
}

} // namespace quillet
