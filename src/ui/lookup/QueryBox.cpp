// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lookup/QueryBox.h"

#include "core/dictionary/SearchHistory.h"

#include <QKeyEvent>
#include <QScopedValueRollback>

namespace quillet {

static_assert(QueryBox::MaxLength * 3 <= SearchHistory::ReadLineBytes);

QueryBox::QueryBox(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(MaxLength);
    connect(this, &QLineEdit::selectionChanged, this, [this] {
        if (inUserInput_ && hasSelectedText())
            emit selectedByUser();
    });
}

void QueryBox::keyPressEvent(QKeyEvent *event)
{
    const QScopedValueRollback userInput(inUserInput_, true);
    QLineEdit::keyPressEvent(event);
}

void QueryBox::mousePressEvent(QMouseEvent *event)
{
    const QScopedValueRollback userInput(inUserInput_, true);
    QLineEdit::mousePressEvent(event);
}

void QueryBox::mouseMoveEvent(QMouseEvent *event)
{
    const QScopedValueRollback userInput(inUserInput_, true);
    QLineEdit::mouseMoveEvent(event);
}

void QueryBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QScopedValueRollback userInput(inUserInput_, true);
    QLineEdit::mouseDoubleClickEvent(event);
}

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
