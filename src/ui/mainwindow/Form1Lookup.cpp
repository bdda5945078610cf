// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's lookup: the query box and its triggers, the search itself, and
// what the user does with the result lists.
#include "ui/mainwindow/Form1.h"

#include "ui/lookup/DropDownList.h"
#include "ui/lookup/QueryBox.h"
#include "ui/lookup/ResultList.h"
#include "core/lookup/SearchEngine.h"
#include "core/lookup/Shortcuts.h"
#include "core/mainwindow/InterfaceTexts.h"
#include "ui/mainwindow/ClickLabel.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>

#include <algorithm>
#include <numeric>
#include <vector>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// The idle count restarts at 1 and re-selects the query when it reaches this value.
constexpr qint16 IdleTicksUntilReselection = 11;

QList<std::pair<QString, QString>> Rows(const DictTable &table, int d, const std::vector<int> &entries)
{
    QList<std::pair<QString, QString>> rows;
    rows.reserve(qsizetype(entries.size()));
    for (const int k : entries)
        rows.append({table(d, DictTable::Headword, k), table(d, DictTable::Translation, k)});
    return rows;
}

// The rows of one list: the user's own first, then the dictionary's entries while the
// list has room for them; limited when some were left out or either pass stopped at
// its limit.
struct ListedRows {
    QList<std::pair<QString, QString>> rows;
    bool limited = false;
};

ListedRows Listed(const QList<std::pair<QString, QString>> &personal, const DictTable &table, int d,
                  const std::vector<int> &entries)
{
    ListedRows listed{personal, false};
    const std::size_t room = std::size_t(std::max<qsizetype>(0, MaxListedMatches - personal.size()));
    listed.rows.reserve(std::min<qsizetype>(MaxListedMatches, personal.size() + qsizetype(entries.size())));
    for (std::size_t i = 0; i < std::min(room, entries.size()); ++i)
        listed.rows.append({table(d, DictTable::Headword, entries[i]), table(d, DictTable::Translation, entries[i])});
    listed.limited = personal.size() >= MaxListedMatches || entries.size() >= std::size_t(MaxListedMatches)
                     || entries.size() > room;
    return listed;
}

// The text of the tip over one row: the headword, a line of hyphens, the translation.
QString RowTip(const std::pair<QString, QString> &row)
{
    return row.first + u"\r\n-------------\r\n"_s + row.second;
}

} // namespace

void Form1::connectLookupHandlers()
{
    // After a click on the picture the query is selected, so the next word typed replaces it.
    connect(ImgSearch, &ClickLabel::clicked, this, [this] {
        ImgSearch_Click();
        Text1->selectWholeText();
    });
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(Text1, &QueryBox::keyUp, this, [this](int key) { Text1_KeyUp(key); });
    connect(Text1, &QueryBox::gotFocus, this, &Form1::Text1_GotFocus);
    // Typing or selecting in the query box by hand makes Ctrl+C the box's own copy again.
    connect(Text1, &QLineEdit::textEdited, this, [this] { copyChoice_.pickForgotten(); });
    connect(Text1, &QueryBox::selectedByUser, this, [this] { copyChoice_.pickForgotten(); });
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    for (int i = 0; i < int(lv.size()); ++i) {
        ResultList *list = lv[i];
        connect(list, &ResultList::keyDown, this,
                [this, i](int key, Qt::KeyboardModifiers shift) { lv_KeyDown(i, key, shift); });
        connect(list, &ResultList::mouseDown, this, [this, i] { lv_MouseDown(i); });
        connect(list, &ResultList::mouseMove, this,
                [this, i](const QPoint &at) { lv_MouseMove(i, at); });
        // Off the rows (onto a heading, out of the list) there is nothing to describe.
        connect(list, &ResultList::pointerLeft, this, [this, list] { MainTooltip.setToolText(list, QString()); });
        connect(list, &ResultList::mouseUp, this,
                [this, i](Qt::MouseButton button, const QPoint &at) { lv_MouseUp(i, button, at); });
        connect(list, &ResultList::clicked, this, [this, i] { lv_Click(i); });
        connect(list, &ResultList::doubleClicked, this, [this, i] { lv_DblClick(i); });
    }
    connect(mnuCopyRec, &QAction::triggered, this, &Form1::mnuCopyRec_Click);
    connect(mnuCopyTranslation, &QAction::triggered, this, &Form1::mnuCopyTranslation_Click);
    connect(mnuCopyRec2, &QAction::triggered, this, &Form1::mnuCopyRec_Click);
    connect(mnuCopyTranslation2, &QAction::triggered, this, &Form1::mnuCopyTranslation_Click);
}

void Form1::RunSearch(const QString &query)
{
    const int d = CurrentDirection();
    Label2[2]->clear();
    Label2[3]->clear();
    const Diacritics diacritics = mnuIgnoreDiacritics->isChecked() ? Diacritics::Ignored : Diacritics::Distinct;
    const QString spelled = CommaBelowLetters(query);
    const SearchResult found = SearchDictionary(*DictTable_, d, spelled, diacritics);
    const PersonalFinds personal = findPersonal(d, spelled, diacritics);
    copyChoice_.pickForgotten(); // the rows are replaced
    // One list of rows each, the user's own leading: no row is made twice or moved.
    const ListedRows starting = Listed(personal.startingWith, *DictTable_, d, found.startingWith);
    const ListedRows containing = Listed(personal.containing, *DictTable_, d, found.containing);
    const QString mark = personal.isEmpty() ? QString() : TextOf(TextTarget::PersonalRowTip, inEnglish());
    lv[0]->setRows(starting.rows, personal.startingWith.size(), mark);
    lv[1]->setRows(containing.rows, personal.containing.size(), mark);
    const qsizetype offered = offerBesides(d, spelled, found, diacritics, personal.startingWith.size());
    // The count above the Starting-with list counts every entry it shows, offered ones and
    // the user's own too; a full list reads ">100" whatever is shown beside it.
    counts_ = ShownCounts{starting.limited ? MaxListedMatches : starting.rows.size() + offered, starting.limited,
                          containing.limited ? MaxListedMatches : containing.rows.size(), containing.limited};
    showCounts();
    offerToAdd(spelled);
}

void Form1::showCounts()
{
    if (!counts_)
        return;
    Label2[2]->setText(WordCount(counts_->starting, counts_->startingLimited, inEnglish()));
    Label2[3]->setText(WordCount(counts_->containing, counts_->containingLimited, inEnglish()));
}

void Form1::ImgSearch_Click()
{
    const QString query = Text1->text().trimmed();
    if (!query.isEmpty()) {
        RunSearch(query);
        AddToHistory(query);
    }
    Text1->setFocus();
}

void Form1::Text1_Change()
{
    Label2[3]->clear();
    Label2[2]->clear();
    counts_.reset();
    if (mnuSearchAsYouType->isChecked())
        ImgSearch_Click();
    IdleTicks = 1;
}

void Form1::Text1_KeyUp(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        ImgSearch_Click();
}

void Form1::Text1_GotFocus()
{
    Text1->selectWholeText();
}

void Form1::Form_GotFocus()
{
    Text1->setFocus();
    if (!Text1->text().isEmpty())
        Text1->selectWholeText();
}

void Form1::Timer1_Timer()
{
    watchClipboard();
    if (IdleTicks <= 0)
        return;
    ++IdleTicks;
    if (IdleTicks == IdleTicksUntilReselection) {
        if (!Text1->text().isEmpty())
            Text1->selectWholeText();
        IdleTicks = 0;
        // An open History or Split list keeps the focus, or it would close under the pointer.
        if (!List1->isVisible() && !List2->isVisible())
            Text1->setFocus();
    }
}

void Form1::fillFirstList(int d)
{
    std::vector<int> firstEntries(50);
    std::iota(firstEntries.begin(), firstEntries.end(), 1);
    lv[0]->setRows(Rows(*DictTable_, d, firstEntries));
}

void Form1::lv_KeyDown(int index, int key, Qt::KeyboardModifiers shift)
{
    // A modifier alone, a key with Ctrl (Ctrl+B, Ctrl+C copy the row) and the keys that
    // move through the rows leave the focus, and the selection, in the list, so the arrows
    // go on from there. Enter looks the selected entry up, as a double click does; any
    // other key goes back to the query box.
    if (IsModifierKey(Qt::Key(key)))
        return;
    copyChoice_.rowPicked(); // moving in the list picks the row it lands on
    if (IsListNavigationKey(Qt::Key(key)) || shift.testFlag(Qt::ControlModifier))
        return;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (lv[index]->noticeIsCurrent())
            chooseNotice();
        else
            lv_DblClick(index);
    } else {
        Text1->setFocus();
    }
}

void Form1::lv_MouseDown(int index)
{
    ActiveListIndex = qint16(index);
}

void Form1::lv_MouseMove(int index, const QPoint &viewportPosition)
{
    // Over a blank part of the list there is nothing to describe, and no tip shows.
    const auto row = lv[index]->rowAt(viewportPosition);
    MainTooltip.AddTool(lv[index]);
    QString tip = row ? RowTip(*row) : QString();
    if (row && lv[index]->personalAt(viewportPosition))
        tip += u"\r\n"_s + TextOf(TextTarget::PersonalRowTip, inEnglish());
    MainTooltip.setToolText(lv[index], tip);
}

void Form1::lv_MouseUp(int index, Qt::MouseButton button, const QPoint &globalPosition)
{
    (void)index;
    if (button == Qt::RightButton)
        mnuEdit2->popup(globalPosition);
}

void Form1::lv_Click(int index)
{
    copyChoice_.rowPicked();
    IdleTicks = 1;
    if (lv[index]->noticeChosen())
        chooseNotice();
}

void Form1::lv_DblClick(int index)
{
    (void)index;
    const auto row = lv[ActiveListIndex]->selectedRow();
    if (!row)
        return;
    Text1->setText(row->first);
    ImgSearch_Click();
}

void Form1::copyFromActiveList(int column)
{
    const auto row = lv[ActiveListIndex]->selectedRow();
    if (!row)
        return;
    const QString &text = column == 0 ? row->first : row->second;
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void Form1::mnuCopyRec_Click()
{
    if (lv[ActiveListIndex]->selectedRow())
        copyChoice_.rowPicked(); // the row whose headword was copied is the one in use
    copyFromActiveList(0);
}

bool Form1::copyWithCtrlC()
{
    const bool rowSelected = lv[ActiveListIndex]->selectedRow().has_value();
    const bool listFocused = lv[0]->hasFocus() || lv[1]->hasFocus();
    if (copyChoice_.target(rowSelected, listFocused) != CopyChoice::Target::PickedTranslation)
        return false; // the focused control copies its own selection
    mnuCopyTranslation_Click();
    // A result list copies nothing of its own and, as after any key, hands the focus back to
    // the query box; any other control's own copy would replace the translation.
    return !listFocused;
}

void Form1::mnuCopyTranslation_Click()
{
    copyFromActiveList(1);
}

} // namespace quillet
