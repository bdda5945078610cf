// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/CaptionedCombo.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// A drop-down as assistive technology sees it, named by its caption: Qt's own names a
// drop-down by the item it shows ("3"), which tells nothing of what is chosen.
class CaptionedComboAccessible : public QAccessibleWidget {
public:
    explicit CaptionedComboAccessible(QComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return combo()->accessibleName();
        if (kind == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(kind);
    }
    // Its one child is the list of its items.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child != nullptr && child->object() == combo()->view() ? 0 : -1;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = combo()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }
    QStringList actionNames() const override { return QStringList{showMenuAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &name) override
    {
        if (name == showMenuAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QComboBox *combo() const { return static_cast<QComboBox *>(widget()); }
};

constexpr const char *NamedByCaption = "namedByCaption";

QAccessibleInterface *CaptionedComboInterface(const QString &className, QObject *object)
{
    if (className != u"QComboBox"_s || !object->property(NamedByCaption).toBool())
        return nullptr;
    return new CaptionedComboAccessible(static_cast<QComboBox *>(object));
}

} // namespace

void NameByCaption(QComboBox *combo)
{
    static const bool installed = [] {
        QAccessible::installFactory(CaptionedComboInterface);
        return true;
    }();
    (void)installed;
    combo->setProperty(NamedByCaption, true);
}

} // namespace quillet
