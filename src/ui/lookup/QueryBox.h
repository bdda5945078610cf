// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace quillet {

// The query box: a line edit that also reports key releases and the focus it gets.
class QueryBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    void selectWholeText() { setSelection(0, int(text().size())); }

signals:
    void keyUp(int key, Qt::KeyboardModifiers modifiers);
    void gotFocus();

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
};

} // namespace quillet
