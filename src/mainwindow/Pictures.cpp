#include "mainwindow/Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace quillet {

namespace {

void DrawSearch(QPainter &p, qreal s)
{
    p.setPen(QPen(QColor(40, 60, 140), s * 0.11, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(220, 230, 255));
    p.drawEllipse(QRectF(s * 0.14, s * 0.12, s * 0.5, s * 0.5));
    p.drawLine(QPointF(s * 0.57, s * 0.57), QPointF(s * 0.86, s * 0.86));
}

void DrawPaste(QPainter &p, qreal s)
{
    p.setPen(QPen(QColor(90, 60, 30), s * 0.06));
    p.setBrush(QColor(200, 150, 90));
    p.drawRoundedRect(QRectF(s * 0.18, s * 0.16, s * 0.64, s * 0.74), s * 0.06, s * 0.06);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(s * 0.28, s * 0.3, s * 0.44, s * 0.52));
    p.setBrush(QColor(130, 130, 140));
    p.drawRoundedRect(QRectF(s * 0.36, s * 0.08, s * 0.28, s * 0.14), s * 0.04, s * 0.04);
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
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    switch (picture) {
    case Picture::Search: DrawSearch(p, s); break;
    case Picture::Paste: DrawPaste(p, s); break;
    case Picture::Help: DrawHelp(p, s); break;
    case Picture::Minimise: DrawWindowButton(p, s, false); break;
    case Picture::Close: DrawWindowButton(p, s, true); break;
    }
    return pixmap;
}

} // namespace quillet
