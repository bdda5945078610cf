// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace quillet {

namespace {

void DrawSearch(QPainter &p, qreal s)
{
    p.setPen(QPen(QColor(40, 60, 140), s * 0.11, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(220, 230, 255));
    p.drawEllipse(QRectF(s * 0.14, s * 0.12, s * 0.5, s * 0.5));
    p.drawLine(QPointF(s * 0.57, s * 0.57), QPointF(s * 0.86, s * 0.86));
}

// A clipboard: brown board, white sheet, grey clip. Disabled it is all greys; under the
// pointer the board is lighter and the sheet shows lines of text.
enum class PasteLook { Ready, Disabled, Hovered };

void DrawPaste(QPainter &p, qreal s, PasteLook look)
{
    const bool disabled = look == PasteLook::Disabled;
    p.setPen(QPen(disabled ? QColor(130, 130, 130) : QColor(90, 60, 30), s * 0.06));
    p.setBrush(disabled ? QColor(200, 200, 200)
                        : look == PasteLook::Hovered ? QColor(230, 180, 110) : QColor(200, 150, 90));
    p.drawRoundedRect(QRectF(s * 0.18, s * 0.16, s * 0.64, s * 0.74), s * 0.06, s * 0.06);
    p.setBrush(disabled ? QColor(235, 235, 235) : QColor(Qt::white));
    p.drawRect(QRectF(s * 0.28, s * 0.3, s * 0.44, s * 0.52));
    if (look == PasteLook::Hovered) {
        p.setPen(QPen(QColor(60, 80, 160), s * 0.04));
        for (const qreal y : {0.42, 0.54, 0.66})
            p.drawLine(QPointF(s * 0.34, s * y), QPointF(s * 0.66, s * y));
    }
    p.setPen(QPen(disabled ? QColor(130, 130, 130) : QColor(90, 60, 30), s * 0.06));
    p.setBrush(disabled ? QColor(170, 170, 170) : QColor(130, 130, 140));
    p.drawRoundedRect(QRectF(s * 0.36, s * 0.08, s * 0.28, s * 0.14), s * 0.04, s * 0.04);
}

// The About window's small picture: an open book with a blue and a yellow page.
void DrawAboutBitmap(QPainter &p, qreal w, qreal h)
{
    p.setPen(QPen(QColor(40, 40, 90), 1));
    p.setBrush(QColor(40, 90, 200));
    QPolygonF left;
    left << QPointF(w * 0.5, h * 0.25) << QPointF(w * 0.05, h * 0.1) << QPointF(w * 0.05, h * 0.85)
         << QPointF(w * 0.5, h * 0.95);
    p.drawPolygon(left);
    p.setBrush(QColor(250, 210, 60));
    QPolygonF right;
    right << QPointF(w * 0.5, h * 0.25) << QPointF(w * 0.95, h * 0.1) << QPointF(w * 0.95, h * 0.85)
          << QPointF(w * 0.5, h * 0.95);
    p.drawPolygon(right);
    p.setPen(QPen(Qt::white, 1));
    for (const qreal y : {0.4, 0.55, 0.7})
        p.drawLine(QPointF(w * 0.12, h * (y - 0.08)), QPointF(w * 0.42, h * y));
}

void DrawHelp(QPainter &p, qreal s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 200));
    p.drawEllipse(QRectF(0, 0, s, s));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(int(s * 0.8));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawWindowButton(QPainter &p, qreal s, bool close)
{
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.setBrush(close ? QColor(190, 50, 50) : QColor(70, 80, 150));
    p.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), 3, 3);
    p.setPen(QPen(Qt::white, s * 0.12, Qt::SolidLine, Qt::RoundCap));
    if (close) {
        p.drawLine(QPointF(s * 0.3, s * 0.3), QPointF(s * 0.7, s * 0.7));
        p.drawLine(QPointF(s * 0.7, s * 0.3), QPointF(s * 0.3, s * 0.7));
    } else {
        p.drawLine(QPointF(s * 0.28, s * 0.7), QPointF(s * 0.72, s * 0.7));
    }
}

} // namespace

QPixmap DrawPicture(Picture picture, int size)
{
    return DrawPicture(picture, QSize(size, size));
}

QPixmap DrawPicture(Picture picture, const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = std::min(size.width(), size.height());
    switch (picture) {
    case Picture::Search: DrawSearch(p, s); break;
    case Picture::Paste: DrawPaste(p, s, PasteLook::Ready); break;
    case Picture::PasteDisabled: DrawPaste(p, s, PasteLook::Disabled); break;
    case Picture::PasteHovered: DrawPaste(p, s, PasteLook::Hovered); break;
    case Picture::AboutBitmap: DrawAboutBitmap(p, size.width(), size.height()); break;
    case Picture::Help: DrawHelp(p, s); break;
    case Picture::Minimise: DrawWindowButton(p, s, false); break;
    case Picture::Close: DrawWindowButton(p, s, true); break;
    }
    return pixmap;
}

} // namespace quillet
