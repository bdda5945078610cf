// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace quillet {

// The small frameless window a tip shows in: plain text on the tip colours inside a
// one-pixel border in the text's colour and the margins, wrapped at the maximum width,
// placed beside the pointer and kept on the pointer's screen.
class TipWindow : public QLabel {
    Q_OBJECT
public:
    // A tip by default; the look-up pop-up is a pop-up window of the same look.
    explicit TipWindow(Qt::WindowFlags flags = Qt::ToolTip | Qt::FramelessWindowHint);

    void setColours(const QColor &back, const QColor &fore);
    QColor backColour() const;
    QColor foreColour() const;

    // Shows text; lines may end with CR LF. A width of -1 is no limit.
    void setTip(const QString &text, const QMargins &margins, int maxWidth);
    const QString &tipText() const { return text_; }
    void placeAt(const QPoint &pointer);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString text_;
};

} // namespace quillet
