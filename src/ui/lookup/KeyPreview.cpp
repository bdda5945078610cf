// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lookup/KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace quillet {

KeyPreview::KeyPreview(QWidget *window, Handler keyDown)
    : QObject(window), window_(window), keyDown_(std::move(keyDown))
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *target = static_cast<QWidget *>(watched);
    if (target->window() != window_ || !isFirstStop(target, event))
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    return keyDown_(Qt::Key(key->key()), key->modifiers());
}

// A key the control leaves alone travels on, as the same event, to the control's parents;
// only its first stop counts. That is the control with the focus; when the window holds
// no focus (a key sent straight to a control), the first control the event reaches.
bool KeyPreview::isFirstStop(QWidget *target, const QEvent *event)
{
    const QWidget *focused = QApplication::focusWidget();
    if (focused != nullptr && focused->window() == window_)
        return target == focused;
    const bool travelling = event == lastEvent_ && lastTarget_ && target->isAncestorOf(lastTarget_);
    lastEvent_ = event;
    lastTarget_ = target;
    return !travelling;
}

} // namespace quillet
