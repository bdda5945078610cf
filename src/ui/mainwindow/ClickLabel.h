// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QPointer>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;

namespace quillet {

// A label the user can press and click: the main window's link labels, direction labels
// and picture buttons. Its border style (0 none, 1 single line) is the state some of
// them carry, read back from the frame it draws.
//
// A label given a control role is a control for the keyboard and for assistive
// technology as well: Tab reaches it (a click does not take the focus), it shows the
// focus with a ring that stands out on any picture or background, Space or Enter press
// and click it, and it is presented in that role (a button,
// a radio button checked while its border shows) with a press action.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void setControlRole(QAccessible::Role role);
    // NoRole for a label that is no control (the title).
    QAccessible::Role controlRole() const { return role_; }
    // The pop-up menu the label opens, which assistive technology then finds under it.
    void setMenu(QMenu *menu) { menu_ = menu; }
    QMenu *menu() const { return menu_; }
    // What Space or Enter does: a press of the left button at the label's lower left
    // corner (where a menu it opens drops down), then a click.
    void activate();

    int BorderStyle() const;
    // Only 0 and 1 are border styles; any other value is refused and changes nothing.
    bool setBorderStyle(int style);

    // The colour of its text.
    QColor ForeColor() const;
    void setForeColor(const QColor &colour);

signals:
    void mouseDown(Qt::MouseButton button, const QPoint &globalPosition);
    void clicked();
    // Every press and every move over the label (with mouse tracking on), with all the
    // buttons held and the pointer's position on the screen.
    void pressedAt(Qt::MouseButtons buttons, const QPointF &globalPosition);
    void movedAt(Qt::MouseButtons buttons, const QPointF &globalPosition);
    // The pointer left the label.
    void left();
    void borderStyleChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool pressed_ = false;
    QAccessible::Role role_ = QAccessible::NoRole;
    QPointer<QMenu> menu_;
};

} // namespace quillet
