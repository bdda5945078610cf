// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/tooltip/TipWindow.h"

#include <QPoint>
#include <QTimer>

#include <optional>

namespace quillet {

// The look-up pop-up: a word's first entries in the tip's look, beside the pointer, or
// in the middle of the screen where the window system does not tell where the pointer
// is. Escape, a click elsewhere, or the pointer leaving it closes it; Enter or a click on
// it asks for the main window with the word.
class LookupPopup : public TipWindow {
    Q_OBJECT
public:
    // The pointer's leaving closes the pop-up after this delay, unless it comes back.
    static constexpr int LeaveDelayMs = 400;
    // The text wraps at this width.
    static constexpr int MaxWidth = 520;

    LookupPopup();

    // Shows the text for the word beside the pointer, or centred without it.
    void showFor(const QString &word, const QString &text, std::optional<QPoint> pointer);
    const QString &word() const { return word_; }

signals:
    void openRequested(const QString &word);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void open();

    QString word_;
    QTimer leaveTimer_;
};

} // namespace quillet
