// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lookup/ResultList.h"

#include "ui/lookup/PlainRowDelegate.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include <cstdio>
#include <optional>
#include <utility>

namespace quillet {

namespace {

// What marks the notice row among the others, and the user's own rows.
constexpr int NoticeRole = Qt::UserRole + 1;
constexpr int PersonalRole = Qt::UserRole + 2;

bool IsNotice(const QTreeWidgetItem *item)
{
    return item != nullptr && item->data(0, NoticeRole).toBool();
}

std::optional<std::pair<QString, QString>> RowTexts(const QTreeWidgetItem *item)
{
    // A caption row and the notice stand for no entry.
    if (item == nullptr || item->flags() == Qt::NoItemFlags || IsNotice(item))
        return std::nullopt;
    return std::pair{item->text(0), item->text(1)};
}

// The user's own rows stand out in this font, and are described to assistive technology
// by this mark.
struct PersonalLook {
    QFont font;
    QString mark;
};

// A row that stands for an entry: its headword and translation, and whether it is one of
// the user's own, kept in the row and given to the view from there. The lists are filled
// again on every keystroke, and storing each text and mark as an item's data cost more
// than the search.
class EntryRow : public QTreeWidgetItem {
public:
    EntryRow(const QString &headword, const QString &translation, std::optional<PersonalLook> personal = {})
        : headword_(headword), translation_(translation), personal_(std::move(personal))
    {
    }

    QVariant data(int column, int role) const override
    {
        if (role == Qt::DisplayRole || role == Qt::EditRole) {
            if (column == 0)
                return headword_;
            if (column == 1)
                return translation_;
        }
        if (personal_ && column == 0) {
            if (role == PersonalRole)
                return true;
            if (role == Qt::FontRole)
                return personal_->font;
            if (role == Qt::AccessibleDescriptionRole)
                return personal_->mark;
        }
        return QTreeWidgetItem::data(column, role);
    }

private:
    QString headword_;
    QString translation_;
    std::optional<PersonalLook> personal_;
};

void Paint(QTreeWidgetItem *item, const QColor &text, const QColor &background)
{
    for (int column = 0; column < 2; ++column) {
        item->setForeground(column, text);
        item->setBackground(column, background);
    }
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
    setItemDelegate(new PlainRowDelegate(this)); // owned by the list
}

void ResultList::setRows(const QList<std::pair<QString, QString>> &rows, qsizetype personal, const QString &mark)
{
    clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    PersonalLook look{font(), mark};
    look.font.setBold(true);
    for (const auto &[headword, translation] : rows) {
        if (items.size() < personal)
            items.append(new EntryRow(headword, translation, look));
        else
            items.append(new EntryRow(headword, translation));
    }
    addTopLevelItems(items); // the list takes ownership of the items
    if (pointer_)
        emit mouseMove(*pointer_);
}

void ResultList::appendRow(const QString &headword, const QString &translation)
{
    addTopLevelItem(new EntryRow(headword, translation));
}

void ResultList::insertOffered(int position, const QString &caption, const QList<std::pair<QString, QString>> &rows,
                               const QColor &text, const QColor &background)
{
    QList<QTreeWidgetItem *> items;
    auto *title = new QTreeWidgetItem(QStringList{caption});
    title->setFlags(Qt::NoItemFlags);
    QFont italic = font();
    italic.setItalic(true);
    title->setFont(0, italic);
    Paint(title, text, background);
    items.append(title);
    for (const auto &[headword, translation] : rows) {
        auto *item = new EntryRow(headword, translation);
        Paint(item, text, background);
        items.append(item);
    }
    insertTopLevelItems(position, items); // the list takes ownership of the items
    title->setFirstColumnSpanned(true);
    if (pointer_)
        emit mouseMove(*pointer_);
}

bool ResultList::personalAt(const QPoint &viewportPosition) const
{
    const QTreeWidgetItem *item = itemAt(viewportPosition);
    return item != nullptr && item->data(0, PersonalRole).toBool();
}

void ResultList::setNotice(const QString &text, const QColor &textColour, const QColor &background)
{
    auto *notice = new QTreeWidgetItem(QStringList{text});
    notice->setData(0, NoticeRole, true);
    QFont underlined = font();
    underlined.setUnderline(true);
    notice->setFont(0, underlined);
    Paint(notice, textColour, background);
    insertTopLevelItem(0, notice); // the list takes ownership of the item
    notice->setFirstColumnSpanned(true);
}

bool ResultList::noticeChosen() const
{
    return noticeIsCurrent() && currentItem()->isSelected();
}

bool ResultList::noticeIsCurrent() const
{
    return IsNotice(currentItem());
}

std::optional<std::pair<QString, QString>> ResultList::selectedRow() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    return RowTexts(selected.isEmpty() ? nullptr : selected.first());
}

std::optional<std::pair<QString, QString>> ResultList::rowAt(const QPoint &viewportPosition) const
{
    return RowTexts(itemAt(viewportPosition));
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

void ResultList::quitWhenPainted()
{
    quitWhenPainted_ = true;
}

bool ResultList::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Paint && quitWhenPainted_ && topLevelItemCount() > 0) {
        quitWhenPainted_ = false;
        const bool handled = QTreeWidget::viewportEvent(event);
        std::fputs("first list painted\n", stdout);
        std::fflush(stdout);
        // The paint may come before the event loop runs, when quit() would do nothing.
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        return handled;
    }
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
    emit keyDown(event->key(), event->modifiers());
}

} // namespace quillet
