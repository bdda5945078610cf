// The main window's search history: the list box that mirrors it and its file.
#include "mainwindow/Form1.h"

#include "lookup/DropDownList.h"
#include "lookup/QueryBox.h"

namespace quillet {

void Form1::showHistoryEntries()
{
    List2->clear();
    List2->addItems(history_.entries());
}

void Form1::AddToHistory(const QString &word)
{
    history_.AddToHistory(word);
    showHistoryEntries();
}

void Form1::LoadHistory()
{
    history_.load(HistoryFile::readPath(setup_.programDir));
    showHistoryEntries();
}

bool Form1::SaveHistory()
{
    return history_.save(HistoryFile::writePath());
}

void Form1::showHistoryList()
{
    List2->open();
}

void Form1::List2_Click()
{
    const QListWidgetItem *picked = List2->currentItem();
    List2->hide();
    if (picked == nullptr)
        return;
    const QString word = picked->text(); // the search below refills the list
    Text1->setText(word);
    ImgSearch_Click();
    Text1->selectWholeText(); // the next word typed replaces the one picked
}

void Form1::List2_LostFocus()
{
    List2->hide();
}

} // namespace quillet
