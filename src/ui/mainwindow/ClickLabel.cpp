// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/ClickLabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// A control-role label as assistive technology sees it.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel *label) : QAccessibleWidget(label, label->controlRole()) {}

    QString text(QAccessible::Text kind) const override
    {
        const QString text = QAccessibleWidget::text(kind);
        if (kind != QAccessible::Name || !text.isEmpty())
            return text;
        // Named by its caption, and a picture by its tip.
        const QString caption = QString(label()->text()).remove(u'&');
        return caption.isEmpty() ? label()->toolTip() : caption;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (role() == QAccessible::RadioButton) {
            state.checkable = true;
            state.checked = label()->BorderStyle() == 1;
        }
        return state;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    // A pop-up menu is a window of its own, which no window lists among its children: the
    // label that opens it does, as its last child, so the menu and its items are found.
    int childCount() const override { return QAccessibleWidget::childCount() + (menuInterface() ? 1 : 0); }
    QAccessibleInterface *child(int index) const override
    {
        const int own = QAccessibleWidget::childCount();
        return index == own ? menuInterface() : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child != nullptr && child == menuInterface())
            return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction())
            label()->activate();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    ClickLabel *label() const { return static_cast<ClickLabel *>(widget()); }
    QAccessibleInterface *menuInterface() const
    {
        return label()->menu() != nullptr ? QAccessible::queryAccessibleInterface(label()->menu()) : nullptr;
    }
};

QAccessibleInterface *ClickLabelInterface(const QString &className, QObject *object)
{
    if (className != QLatin1StringView(ClickLabel::staticMetaObject.className()))
        return nullptr;
    auto *label = static_cast<ClickLabel *>(object);
    return label->controlRole() == QAccessible::NoRole ? nullptr : new ClickLabelAccessible(label);
}

} // namespace

void ClickLabel::setControlRole(QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(ClickLabelInterface);
        return true;
    }();
    (void)installed;
    role_ = role;
    setFocusPolicy(role == QAccessible::NoRole ? Qt::NoFocus : Qt::TabFocus);
}

void ClickLabel::activate()
{
    emit mouseDown(Qt::LeftButton, mapToGlobal(rect().bottomLeft()));
    emit clicked();
}

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
    if (changed) {
        emit borderStyleChanged();
        if (role_ == QAccessible::RadioButton) {
            QAccessible::State checked;
            checked.checked = true;
            QAccessibleStateChangeEvent event(this, checked);
            QAccessible::updateAccessibility(&event);
        }
    }
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

void ClickLabel::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    emit left();
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    const bool pressKey = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return
                          || event->key() == Qt::Key_Enter;
    if (role_ != QAccessible::NoRole && pressKey && !(event->modifiers() & ~Qt::KeypadModifier)) {
        event->accept();
        activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A white line under a black dotted one, at the edge (inside a border, which marks the
    // direction): seen on the dark pictures and on the white labels alike, at any scale.
    QPainter painter(this);
    const double inset = frameWidth() > 0 ? frameWidth() + 1.5 : 0.5;
    const QRectF ring = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(ring);
    QPen dots(Qt::black, 1, Qt::DotLine);
    dots.setCosmetic(false);
    painter.setPen(dots);
    painter.drawRect(ring);
}

} // namespace quillet
