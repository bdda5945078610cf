// SPDX-License-Identifier: GPL-3.0-or-later
// The main window from the keyboard and for assistive technology: the picture buttons and
// clickable labels as controls, the Tab order, the names and descriptions in the
// interface language, the list the keyboard is in, and Escape closing a drop-down list.
#include "ui/mainwindow/Form1.h"

#include "core/mainwindow/KeyboardAccess.h"
#include "ui/lookup/DropDownList.h"
#include "ui/lookup/QueryBox.h"
#include "ui/lookup/ResultList.h"
#include "ui/mainwindow/ClickLabel.h"

#include <QAccessibleWidget>
#include <QApplication>

namespace quillet {

namespace {

// The main window is a frame to assistive technology, as any application's main window.
QAccessibleInterface *WindowInterface(const QString &className, QObject *object)
{
    if (className != QLatin1StringView(Form1::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
}

} // namespace

// Before anything asks for the window's accessible side (the pictures get their role as
// they are made, for the same reason).
void Form1::presentAsFrame()
{
    static const bool installed = [] {
        QAccessible::installFactory(WindowInterface);
        return true;
    }();
    (void)installed;
}

void Form1::setUpKeyboardAccess()
{
    Label1[0]->setControlRole(QAccessible::ButtonMenu);
    Label1[1]->setControlRole(QAccessible::ButtonDropDown);
    Label1[2]->setControlRole(QAccessible::ButtonDropDown);
    for (ClickLabel *direction : Label3)
        direction->setControlRole(QAccessible::RadioButton);

    QWidget *previous = nullptr;
    for (const AccessibleText &row : KeyboardControls()) {
        QWidget *control = keyboardControl(row.control);
        if (previous != nullptr)
            setTabOrder(previous, control);
        previous = control;
    }

    // The list the focus comes to, by Tab as by a click, is the one Ctrl+B and Ctrl+C copy from.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        for (std::size_t i = 0; i < lv.size(); ++i)
            if (now == lv[i])
                ActiveListIndex = qint16(i);
    });

    for (DropDownList *list : {List1, List2})
        connect(list, &DropDownList::dismissed, this, [this, list] {
            list->hide();
            Text1->setFocus();
        });
}

void Form1::applyAccessibleTexts(bool isEnglish)
{
    for (const AccessibleText &row : KeyboardControls()) {
        QWidget *control = keyboardControl(row.control);
        control->setAccessibleName(row.name(isEnglish));
        control->setAccessibleDescription(row.description(isEnglish));
    }
}

QWidget *Form1::keyboardControl(KeyboardControl control) const
{
    switch (control) {
    case KeyboardControl::Text1: return Text1;
    case KeyboardControl::ImgSearch: return ImgSearch;
    case KeyboardControl::Image3: return Image3;
    case KeyboardControl::Label1_2: return Label1[2];
    case KeyboardControl::List2: return List2;
    case KeyboardControl::Label1_1: return Label1[1];
    case KeyboardControl::List1: return List1;
    case KeyboardControl::lv_0: return lv[0];
    case KeyboardControl::lv_1: return lv[1];
    case KeyboardControl::Label3_0: return Label3[0];
    case KeyboardControl::Label3_1: return Label3[1];
    case KeyboardControl::Label1_0: return Label1[0];
    case KeyboardControl::Image1: return Image1;
    case KeyboardControl::Image2: return Image2;
    case KeyboardControl::Image4: return Image4;
    }
    return nullptr;
}

} // namespace quillet
