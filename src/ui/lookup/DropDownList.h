// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace quillet {

// A pick list that drops down over the window (the split-word and history lists): it
// reports a pick, by click or Enter, Escape, and the loss of the focus, on which it is
// closed.
class DropDownList : public QListWidget {
    Q_OBJECT
public:
    explicit DropDownList(QWidget *parent = nullptr);

    // Shows the list above its neighbours with the given items and gives it the focus.
    void open(const QStringList &items);
    // Shows the list as it is, nothing picked, and gives it the focus.
    void open();

signals:
    void picked();
    void dismissed(); // Escape
    void lostFocus();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

} // namespace quillet
