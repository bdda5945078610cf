// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's frame: no system frame, the outline polygon as its shape, the
// background picture, and dragging by the background or the title.
#include "ui/mainwindow/Form1.h"

#include "core/app/SettingsValues.h"
#include "core/dictionary/DictionaryFiles.h"
#include "core/dictionary/ProgramFolders.h"
#include "ui/mainwindow/ClickLabel.h"
#include "ui/common/ScreenTwips.h"
#include "core/mainwindow/WindowOutline.h"

#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QWindow>

#include <cmath>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// What the window shows where "Background.jpg" is missing.
const QColor PlainBackground(236, 236, 250);

double TwipsPerPixel(const QWidget &window)
{
    return settings::PixelsToTwips(1, DotsPerInch(window));
}

} // namespace

void Form1::setUpFrame()
{
    setWindowFlag(Qt::FramelessWindowHint);
    setMouseTracking(true);
    Label4->setMouseTracking(true);
    // The plain texts are part of the background: the pointer goes through them to
    // the background or to the control they overlap (the list heading overlaps the
    // History label).
    for (QWidget *text : std::initializer_list<QWidget *>{Find, Label2[0], Label2[1], Label2[2], Label2[3], Label5})
        text->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The title passes its presses and moves on as if they were the background's,
    // measured from the title's own corner.
    connect(Label4, &ClickLabel::pressedAt, this, [this](Qt::MouseButtons buttons, const QPointF &at) {
        if (startSystemMove(buttons))
            return;
        const QPointF local = Label4->mapFromGlobal(at);
        Form_MouseDown(buttons, local.x(), local.y());
    });
    connect(Label4, &ClickLabel::movedAt, this, [this](Qt::MouseButtons buttons, const QPointF &at) {
        const QPointF local = Label4->mapFromGlobal(at);
        Form_MouseMove(buttons, local.x(), local.y());
    });
}

void Form1::startReading(std::unique_ptr<DictionaryReadAhead> dictionary)
{
    if (dictionaryRead_ || backgroundRead_.valid())
        return;
    if (dictionary && dictionary->programDir() == setup_.programDir)
        dictionaryRead_ = std::move(dictionary);
    else
        dictionaryRead_ = std::make_unique<DictionaryReadAhead>(setup_.programDir);
    backgroundRead_ = std::async(std::launch::async, [path = QDir(ProgramFolders::Locate(setup_.programDir).data)
                                                                 .filePath(files::Background)] { return QImage(path); });
}

void Form1::loadBackground()
{
    // A missing or unreadable picture leaves the plain background.
    startReading();
    if (backgroundRead_.valid())
        background_ = QPixmap::fromImage(backgroundRead_.get());
}

void Form1::setWindowRegion()
{
    const auto &points = outline::OutlinePoints();
    WindowRegion = QRegion(QPolygon(QList<QPoint>(points.begin(), points.end())), outline::OutlineFillRule);
    setMask(WindowRegion);
}

void Form1::releaseWindowRegion()
{
    clearMask();
    WindowRegion = QRegion();
}

void Form1::Form_MouseDown(Qt::MouseButtons button, double x, double y)
{
    drag_.Form_MouseDown(button, x, y);
}

void Form1::Form_MouseMove(Qt::MouseButtons button, double x, double y)
{
    resetHighlights();
    const double twipsPerPixel = TwipsPerPixel(*this);
    const TwipsPosition window{int(std::lround(this->x() * twipsPerPixel)),
                               int(std::lround(this->y() * twipsPerPixel))};
    const std::optional<TwipsPosition> moved = drag_.DragStep(button, x, y, window, twipsPerPixel);
    if (moved)
        move(int(std::lround(moved->left / twipsPerPixel)), int(std::lround(moved->top / twipsPerPixel)));
}

// A press of the left button alone hands the drag to the window system where it can
// move windows itself (under Wayland a window cannot place itself). Elsewhere the
// window follows the pointer with moves of its own, on the 32-twip grid.
bool Form1::startSystemMove(Qt::MouseButtons buttons)
{
    QWindow *window = windowHandle();
    return buttons == Qt::MouseButtons(Qt::LeftButton) && window != nullptr && window->startSystemMove();
}

// Positions are taken from the pointer's place on the screen and the window's place as
// this program last set it, so a move that reaches us before the window system has
// moved the window still measures from where the window is going to be.
void Form1::mousePressEvent(QMouseEvent *event)
{
    if (startSystemMove(event->buttons()))
        return;
    const QPointF local = mapFromGlobal(event->globalPosition());
    Form_MouseDown(event->buttons(), local.x(), local.y());
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF local = mapFromGlobal(event->globalPosition());
    Form_MouseMove(event->buttons(), local.x(), local.y());
}

void Form1::paintEvent(QPaintEvent *event)
{
    (void)event;
    QPainter painter(this);
    painter.fillRect(rect(), PlainBackground);
    if (!background_.isNull())
        painter.drawPixmap(0, 0, background_);
}

} // namespace quillet
