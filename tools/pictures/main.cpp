// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the main window's background picture, "Background.jpg": a dark blue title band
// under the window's title, a soft lavender body and a dark edge along the window's
// outline. Licence: drawn from scratch by this program, licensed like Quillet's own code.
#include "core/mainwindow/WindowOutline.h"

#include <QCoreApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>
#include <QRadialGradient>

#include <cstdio>

namespace {

constexpr int Width = 623;
constexpr int Height = 460;
constexpr int TitleBand = 30;

void DrawTitleBand(QPainter &p)
{
    QLinearGradient band(0, 0, 0, TitleBand);
    band.setColorAt(0, QColor(28, 36, 104));
    band.setColorAt(1, QColor(66, 78, 158));
    p.fillRect(QRect(0, 0, Width, TitleBand), band);
    p.fillRect(QRect(0, TitleBand, Width, 1), QColor(150, 160, 225));
}

void DrawBody(QPainter &p)
{
    QLinearGradient body(0, TitleBand, 0, Height);
    body.setColorAt(0, QColor(240, 240, 253));
    body.setColorAt(1, QColor(208, 211, 242));
    p.fillRect(QRect(0, TitleBand + 1, Width, Height - TitleBand - 1), body);
    // A faint glow behind the query row.
    QRadialGradient glow(QPointF(170, 50), 220);
    glow.setColorAt(0, QColor(255, 255, 255, 140));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRect(0, TitleBand + 1, Width, Height - TitleBand - 1), glow);
}

void DrawEdge(QPainter &p)
{
    const auto &points = quillet::outline::OutlinePoints();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(24, 30, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygon(QList<QPoint>(points.begin(), points.end())));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype out = arguments.indexOf(QStringLiteral("--out"));
    if (out < 0 || out + 1 >= arguments.size()) {
        std::fprintf(stderr, "usage: quillet-pictures --out Background.jpg\n");
        return 2;
    }
    QImage picture(Width, Height, QImage::Format_RGB32);
    QPainter painter(&picture);
    DrawTitleBand(painter);
    DrawBody(painter);
    DrawEdge(painter);
    painter.end();
    if (!picture.save(arguments.at(out + 1), "JPG", 92)) {
        std::fprintf(stderr, "quillet-pictures: cannot write %s\n", qUtf8Printable(arguments.at(out + 1)));
        return 1;
    }
    return 0;
}
