// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lookup/QueryBox.h"

#include <QKeyEvent>

namespace quillet {

void QueryBox::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        emit keyUp(event->key(), event->modifiers());
}

void QueryBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    emit gotFocus();
}

} // namespace quillet
