// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

class QMouseEvent;

namespace quillet {

// A label the user can press and click: the main window's link labels, direction labels
// and picture buttons. Its border style (0 none, 1 single line) is the state some of
// them carry, read back from the frame it draws.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

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
    void borderStyleChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};

} // namespace quillet
