// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lookup/DropDownList.h"

#include <QKeyEvent>

namespace quillet {

DropDownList::DropDownList(QWidget *parent) : QListWidget(parent)
{
    hide();
    // Styles that activate an item on a single click report it twice; the first closes
    // the list and the second finds it closed.
    const auto pick = [this] {
        if (isVisible())
            emit picked();
    };
    connect(this, &QListWidget::itemClicked, this, pick);
    connect(this, &QListWidget::itemActivated, this, pick);
}

void DropDownList::open(const QStringList &items)
{
    show();
    clear();
    addItems(items);
    raise();
    setFocus();
}

void DropDownList::open()
{
    setCurrentRow(-1);
    show();
    raise();
    setFocus();
}

void DropDownList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit dismissed();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DropDownList::focusOutEvent(QFocusEvent *event)
{
    QListWidget::focusOutEvent(event);
    emit lostFocus();
}

} // namespace quillet
