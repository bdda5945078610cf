// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tooltip/TipWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// The tip stands this far below and right of the pointer, clear of the cursor.
constexpr QPoint PointerOffset{2, 20};
constexpr int BorderWidth = 1;

} // namespace

TipWindow::TipWindow(Qt::WindowFlags flags) : QLabel(nullptr, flags)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextFormat(Qt::PlainText);
    setFont(QToolTip::font());
    setAutoFillBackground(true);
    const QPalette tips = QToolTip::palette();
    setColours(tips.color(QPalette::ToolTipBase), tips.color(QPalette::ToolTipText));
}

void TipWindow::setColours(const QColor &back, const QColor &fore)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, back);
    colours.setColor(QPalette::WindowText, fore);
    setPalette(colours);
}

QColor TipWindow::backColour() const
{
    return palette().color(QPalette::Window);
}

QColor TipWindow::foreColour() const
{
    return palette().color(QPalette::WindowText);
}

void TipWindow::setTip(const QString &text, const QMargins &margins, int maxWidth)
{
    text_ = text;
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    setContentsMargins(margins + QMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth));
    setText(shown);

    // The text on one line per line break when that fits; otherwise wrapped at the width.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWordWrap(false);
    const QSize natural = sizeHint();
    if (maxWidth <= 0 || natural.width() <= maxWidth) {
        setFixedSize(natural);
        return;
    }
    setWordWrap(true);
    setFixedSize(maxWidth, heightForWidth(maxWidth));
}

// The border is drawn here in the text's colour: a frame left to the style may draw
// nothing at all on a tip window.
void TipWindow::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(foreColour(), BorderWidth));
    painter.drawRect(rect().adjusted(0, 0, -BorderWidth, -BorderWidth));
}

void TipWindow::placeAt(const QPoint &pointer)
{
    QPoint at = pointer + PointerOffset;
    if (const QScreen *screen = QGuiApplication::screenAt(pointer)) {
        const QRect area = screen->availableGeometry();
        if (at.x() + width() > area.right())
            at.setX(std::max(area.left(), area.right() - width()));
        if (at.y() + height() > area.bottom())
            at.setY(std::max(area.top(), pointer.y() - height() - 4));
    }
    move(at);
}

} // namespace quillet
