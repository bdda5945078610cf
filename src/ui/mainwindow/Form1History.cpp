// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's search history: the list box that mirrors it and its file.
#include "ui/mainwindow/Form1.h"

#include "core/app/StaleFiles.h"
#include "ui/lookup/DropDownList.h"
#include "ui/lookup/QueryBox.h"

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
    RemoveStaleSaveLeftovers(HistoryFile::writePath());
    const QString path = HistoryFile::readPath(setup_.programDir);
    history_.load(path);
    if (const qsizetype kept = history_.keptLines().size(); kept > 0)
        qWarning("quillet: %lld lines of the search history in %s are not shown (those after the first %lld, "
                 "and those longer than %lld bytes); the file keeps them as they are",
                 static_cast<long long>(kept), qUtf8Printable(path),
                 static_cast<long long>(SearchHistory::ReadLineLimit),
                 static_cast<long long>(SearchHistory::ReadLineBytes));
    showHistoryEntries();
}

bool Form1::SaveHistory()
{
    const QString path = HistoryFile::writePath();
    // A history that was there but could not be read whole is the user's, not this run's
    // to replace.
    if (history_.unreadableFile() == path) {
        qWarning("quillet: the search history in %s could not be read whole at start-up; it is left as it was",
                 qUtf8Printable(path));
        return false;
    }
    if (!history_.save(path)) {
        qWarning("quillet: the search history could not be saved to %s", qUtf8Printable(path));
        return false;
    }
    return true;
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
