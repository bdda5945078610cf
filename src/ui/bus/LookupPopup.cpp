// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/bus/LookupPopup.h"

#include <QAccessible>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include <chrono>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

constexpr QMargins TextMargins{6, 4, 6, 4};

// For the benchmark that times the pop-up from outside: when QUILLET_POPUP_PAINTED_LOG
// names a file, each painting of the pop-up adds the wall-clock time to it, in
// microseconds.
void NotePainted()
{
    static const QString log = qEnvironmentVariable("QUILLET_POPUP_PAINTED_LOG");
    if (log.isEmpty())
        return;
    QFile file(log);
    if (!file.open(QIODevice::Append))
        return;
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    file.write(QByteArray::number(qint64(now.count())) + '\n');
}

} // namespace

LookupPopup::LookupPopup() : TipWindow(Qt::Popup | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    leaveTimer_.setSingleShot(true);
    leaveTimer_.setInterval(LeaveDelayMs);
    connect(&leaveTimer_, &QTimer::timeout, this, &QWidget::close);
}

void LookupPopup::showFor(const QString &word, const QString &text, std::optional<QPoint> pointer)
{
    word_ = word;
    leaveTimer_.stop();
    setTip(text, TextMargins, MaxWidth);
    setAccessibleName(word);
    setAccessibleDescription(QString(text).replace(u"\r\n"_s, u"\n"_s));
    if (pointer) {
        placeAt(*pointer);
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
    setFocus(Qt::PopupFocusReason);
}

void LookupPopup::open()
{
    close();
    emit openRequested(word_);
}

void LookupPopup::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape: close(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: open(); return;
    default: TipWindow::keyPressEvent(event);
    }
}

// A click outside a pop-up closes it (Qt's own rule for pop-ups); one on it opens the word.
void LookupPopup::mouseReleaseEvent(QMouseEvent *event)
{
    if (rect().contains(event->position().toPoint()) && event->button() == Qt::LeftButton)
        open();
}

void LookupPopup::enterEvent(QEnterEvent *event)
{
    leaveTimer_.stop();
    TipWindow::enterEvent(event);
}

void LookupPopup::leaveEvent(QEvent *event)
{
    leaveTimer_.start();
    TipWindow::leaveEvent(event);
}

void LookupPopup::paintEvent(QPaintEvent *event)
{
    TipWindow::paintEvent(event);
    NotePainted();
}

} // namespace quillet
