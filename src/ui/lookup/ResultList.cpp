// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lookup/ResultList.h"

#include <QEnterEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace quillet {

namespace {

std::pair<QString, QString> RowTexts(const QTreeWidgetItem &item)
{
    return {item.text(0), item.text(1)};
}

} // namespace

ResultList::ResultList(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(2);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMouseTracking(true);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
}

void ResultList::setRows(const QList<std::pair<QString, QString>> &rows)
{
    clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    for (const auto &[headword, translation] : rows)
        items.append(new QTreeWidgetItem(QStringList{headword, translation}));
    addTopLevelItems(items); // the list takes ownership of the items
    if (pointer_)
        emit mouseMove(*pointer_);
}

void ResultList::appendRow(const QString &headword, const QString &translation)
{
    addTopLevelItem(new QTreeWidgetItem(QStringList{headword, translation}));
}

std::optional<std::pair<QString, QString>> ResultList::selectedRow() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return RowTexts(*selected.first());
}

std::optional<std::pair<QString, QString>> ResultList::rowAt(const QPoint &viewportPosition) const
{
    const QTreeWidgetItem *item = itemAt(viewportPosition);
    if (item == nullptr)
        return std::nullopt;
    return RowTexts(*item);
}

void ResultList::mousePressEvent(QMouseEvent *event)
{
    QTreeWidget::mousePressEvent(event);
    emit mouseDown(event->button());
}

void ResultList::mouseMoveEvent(QMouseEvent *event)
{
    QTreeWidget::mouseMoveEvent(event);
    pointer_ = event->position().toPoint();
    emit mouseMove(*pointer_);
}

void ResultList::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeWidget::mouseReleaseEvent(event);
    emit mouseUp(event->button(), event->globalPosition().toPoint());
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void ResultList::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

bool ResultList::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        pointer_ = static_cast<QEnterEvent *>(event)->position().toPoint();
        emit mouseMove(*pointer_);
    } else if (event->type() == QEvent::Leave) {
        pointer_.reset();
        emit pointerLeft();
    }
    return QTreeWidget::viewportEvent(event);
}

void ResultList::keyPressEvent(QKeyEvent *event)
{
    // Copying is the window's Ctrl+C, which copies the translation; the item view's own
    // copy of the current cell would overwrite it.
    if (event->matches(QKeySequence::Copy))
        event->accept();
    else
        QTreeWidget::keyPressEvent(event);
    emit keyDown(event->key());
}

} // namespace quillet
