// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace quillet {

// Lets a window see every key pressed in it before the control with the focus does,
// wherever the focus is inside the window. The key then goes on to the control as it
// always would, unless the window's handler says it has used the key up.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    // Returns true when the key is used up and the control must not see it.
    using Handler = std::function<bool(Qt::Key key, Qt::KeyboardModifiers modifiers)>;

    // Watches the window it belongs to.
    KeyPreview(QWidget *window, Handler keyDown);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isFirstStop(QWidget *target, const QEvent *event);

    QWidget *window_;
    Handler keyDown_;
    const QEvent *lastEvent_ = nullptr; // compared, never followed
    QPointer<QWidget> lastTarget_;
};

} // namespace quillet
