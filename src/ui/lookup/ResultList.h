// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QTreeWidget>

#include <optional>
#include <utility>

namespace quillet {

// One result list: two columns, the headword and its translation, one row per entry.
// It reports the mouse and keys to the main window, which owns what they do.
class ResultList : public QTreeWidget {
    Q_OBJECT
public:
    explicit ResultList(QWidget *parent = nullptr);

    // Replaces every row with the given entries, in order. The first `personal` of them
    // are the user's own, marked (bold, and for assistive technology by `mark` in their
    // description); they are entries like the others.
    void setRows(const QList<std::pair<QString, QString>> &rows, qsizetype personal = 0, const QString &mark = {});
    void appendRow(const QString &headword, const QString &translation);
    // Puts the rows, under a caption row, before the row now at `position` (0 the top), all
    // of them in the colours given; the caption row is no entry: it cannot be selected and
    // has no tip.
    void insertOffered(int position, const QString &caption, const QList<std::pair<QString, QString>> &rows,
                       const QColor &text, const QColor &background);
    // Whether the row under a point of the viewport is one of the user's own.
    bool personalAt(const QPoint &viewportPosition) const;
    // How many rows the list holds, captions and notice included.
    int rowCount() const { return topLevelItemCount(); }
    // Puts a notice above every row, across both columns, like a link: it is no entry, but
    // it can be chosen (noticeChosen).
    void setNotice(const QString &text, const QColor &textColour, const QColor &background);
    // Whether the notice is the row picked by the last click (selected), or the row the
    // keyboard is on (current).
    bool noticeChosen() const;
    bool noticeIsCurrent() const;
    // The selected row's headword and translation; nullopt when no row is selected.
    std::optional<std::pair<QString, QString>> selectedRow() const;
    // The row under a point of the list's viewport; nullopt over a blank part.
    std::optional<std::pair<QString, QString>> rowAt(const QPoint &viewportPosition) const;
    // Once the rows have been painted, writes "first list painted" to standard output and
    // ends the event loop: lets a benchmark time the program from outside.
    void quitWhenPainted();

signals:
    void mouseDown(Qt::MouseButton button);
    // The pointer is at this point of the viewport: it moved there, came in there, or
    // the rows under it were replaced while it rested.
    void mouseMove(const QPoint &viewportPosition);
    // The pointer left the rows' area (for the headings, or out of the list).
    void pointerLeft();
    void mouseUp(Qt::MouseButton button, const QPoint &globalPosition);
    void clicked();
    void doubleClicked();
    void keyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    std::optional<QPoint> pointer_; // where the pointer rests on the viewport, if it does
    bool quitWhenPainted_ = false;
};

} // namespace quillet
