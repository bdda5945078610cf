// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/lookup/QueryLength.h"

#include <QLineEdit>

namespace quillet {

// The query box: a line edit that also reports key releases, the focus it gets and the
// text the user selects by hand (as opposed to the window's own re-selections).
class QueryBox : public QLineEdit {
    Q_OBJECT
public:
    // The longest query, in UTF-16 units: far above any headword, and a query of it fits
    // one line of the history file whatever its letters (at most 3 bytes a unit in UTF-8),
    // so a pasted page is cut to it rather than lost.
    static constexpr int MaxLength = MaxQueryLength;

    explicit QueryBox(QWidget *parent = nullptr);

    void selectWholeText() { setSelection(0, int(text().size())); }

signals:
    void keyUp(int key, Qt::KeyboardModifiers modifiers);
    void gotFocus();
    void selectedByUser();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool inUserInput_ = false; // a key or the mouse is being handled
};

} // namespace quillet
