#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace quillet {

// Lets a window see every key pressed in it before the control with the focus does,
// wherever the focus is inside the window. It only looks: the key then goes on to the
// control as it always would.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    // Watches the window it belongs to.
    explicit KeyPreview(QWidget *window);

signals:
    void keyDown(Qt::Key key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isFirstStop(QWidget *target, const QEvent *event);

    QWidget *window_;
    const QEvent *lastEvent_ = nullptr; // compared, never followed
    QPointer<QWidget> lastTarget_;
};

} // namespace quillet
