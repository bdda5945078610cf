// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's split word: the pick list of the query's shorter beginnings, and
// the label handler that opens it or the history list.
#include "ui/mainwindow/Form1.h"

#include "ui/lookup/DropDownList.h"
#include "ui/lookup/QueryBox.h"
#include "core/lookup/SplitWord.h"
#include "ui/mainwindow/ClickLabel.h"

#include <QApplication>

namespace quillet {

void Form1::connectSplitWordHandlers()
{
    connect(List1, &DropDownList::picked, this, &Form1::List1_Click);
    connect(List1, &DropDownList::lostFocus, this, &Form1::List1_LostFocus);
}

void Form1::Label1_Click(int index)
{
    if (index == 1)
        openSplitWord();
    else if (index == 2)
        showHistoryList();
}

void Form1::openSplitWord()
{
    const QString query = Text1->text();
    if (query.isEmpty()) {
        QApplication::beep();
        return;
    }
    List1->open(SplitWord(query));
}

void Form1::List1_Click()
{
    const QListWidgetItem *picked = List1->currentItem();
    List1->hide();
    if (picked == nullptr)
        return;
    Text1->setText(picked->text());
    ImgSearch_Click();
}

void Form1::List1_LostFocus()
{
    List1->hide();
}

} // namespace quillet
