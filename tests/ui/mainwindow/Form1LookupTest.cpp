// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1Fixture.h"

#include "ui/mainwindow/ClickLabel.h"
#include "ui/mainwindow/HoverColours.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QListWidget>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;

namespace {

void SelectRow(ResultList &list, int row)
{
    list.setCurrentItem(list.topLevelItem(row));
    list.topLevelItem(row)->setSelected(true);
}

// Counts the presses of one key that reach a control.
class KeyPressCounter : public QObject {
public:
    explicit KeyPressCounter(Qt::Key key) : key_(key) {}
    int presses = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == key_)
            ++presses;
        return false;
    }

private:
    Qt::Key key_;
};

} // namespace

// The query box, the result lists, copying, the split and history lists, pasting and keys;
// every test starts English to Romanian with search-as-you-type off.
class Form1LookupTest : public Form1Suite {
    Q_OBJECT

    void startEnglishRomanian()
    {
        form().activateWindow();
        form().Label3_Click(0);
        form().mnuSearchAsYouType_Click();
        QVERIFY(!form().mnuSearchAsYouType->isChecked());
        // Today's lists alone, unless a test asks for the word forms.
        form().mnuWordForms_Click();
        QVERIFY(!form().mnuWordForms->isChecked());
    }

private slots:
    void init()
    {
        QApplication::clipboard()->clear();
        loadFreshForm();
        startEnglishRomanian();
    }
    void cleanup() { dropForm(); }

    void aSearchFillsBothListsAndTheirCountsReadingTheQueryAsTheDictionarySpellsIt()
    {
        // Copied text brings tabs, line breaks and no-break spaces at its ends.
        search(u"\t pump\u00A0\r\n"_s);
        QCOMPARE(headwords(0), (QStringList{u"pump"_s, u"pumping station"_s, u"pumpkin"_s}));
        QCOMPARE(form().lv[0]->topLevelItem(0)->text(1), u"pompă, inimă, cord"_s);
        QCOMPARE(form().Label2[2]->text(), u"3 words"_s);
        QCOMPARE(form().history().entries().first(), u"pump"_s);

        // A blank query only moves the focus to the box.
        form().lv[0]->setFocus();
        search(u"   "_s);
        QCOMPARE(headwords(0), (QStringList{u"pump"_s, u"pumping station"_s, u"pumpkin"_s}));
        QCOMPARE(form().history().entries(), QStringList{u"pump"_s});
        QVERIFY(form().Text1->hasFocus());
        QCOMPARE(form().Text1->selectedText(), u"   "_s);

        search(u"a"_s);
        QCOMPARE(form().lv[1]->topLevelItemCount(), 100);
        QCOMPARE(form().Label2[3]->text(), u">100 words"_s);
        search(u"qqqzzz"_s);
        QCOMPARE(headwords(0), QStringList{u"Add \"qqqzzz\" to my terms..."_s}); // nothing found: an offer
        QCOMPARE(form().lv[1]->topLevelItemCount(), 0);
        QCOMPARE(form().Label2[3]->text(), u"0 words"_s);

        form().Label3_Click(1);
        const QString cedilla = u"o\u0163el"_s; // t with cedilla, as older keyboards type it
        search(cedilla);
        QCOMPARE(headwords(0), QStringList{u"oțel"_s});
        QCOMPARE(form().Text1->text(), cedilla);
        QCOMPARE(form().history().entries().first(), cedilla);
    }

    void enterSearchesWhenTheKeyComesUpAndTypingOnlyWhenAsked()
    {
        form().Text1->setText(u"pump"_s);
        QTest::keyPress(form().Text1, Qt::Key_Return);
        QCOMPARE(form().lv[0]->topLevelItemCount(), 50); // still the first entries
        QTest::keyRelease(form().Text1, Qt::Key_Return);
        QVERIFY(headwords(0).contains(u"pump"_s));

        // Typing blanks the counts and searches only when asked.
        const QStringList before = headwords(0);
        QTest::keyClick(form().Text1, Qt::Key_K);
        QVERIFY(form().Label2[2]->text().isEmpty());
        QVERIFY(form().Label2[3]->text().isEmpty());
        QCOMPARE(headwords(0), before);

        form().mnuSearchAsYouType_Click();
        form().Text1->clear();
        QTest::keyClicks(form().Text1, u"hous"_s);
        QCOMPARE(form().history().entries().first(), u"hous"_s);
        QVERIFY(!form().history().entries().contains(u"hou"_s));
        QVERIFY(!form().Label2[2]->text().isEmpty());
    }

    void theQueryIsSelectedAgainAfterTenIdleTicks()
    {
        QTest::keyClicks(form().Text1, u"pump"_s);
        QCOMPARE(form().IdleTicks, qint16(1));
        form().lv[0]->setFocus();
        for (int tick = 1; tick < 10; ++tick)
            form().Timer1_Timer();
        QVERIFY(!form().Text1->hasFocus());
        form().Timer1_Timer();
        QCOMPARE(form().IdleTicks, qint16(0));
        QVERIFY(form().Text1->hasFocus());
        QCOMPARE(form().Text1->selectedText(), u"pump"_s);
    }

    void copyingTakesTheSelectedRowOfTheListLastPressed()
    {
        search(u"pump"_s);
        QClipboard *clipboard = QApplication::clipboard();
        clipboard->setText(u"untouched"_s);
        form().mnuCopyRec_Click(); // nothing selected in the Starting-with list
        QCOMPARE(clipboard->text(), u"untouched"_s);

        SelectRow(*form().lv[0], 0);
        SelectRow(*form().lv[1], 1);
        form().mnuCopyRec_Click();
        QCOMPARE(clipboard->text(), form().lv[0]->topLevelItem(0)->text(0));

        QTest::mousePress(form().lv[1]->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(form().ActiveListIndex, qint16(1));
        SelectRow(*form().lv[1], 1);
        form().mnuCopyRec2->trigger();
        QCOMPARE(clipboard->text(), form().lv[1]->topLevelItem(1)->text(0));
        form().mnuCopyTranslation2->trigger();
        QCOMPARE(clipboard->text(), form().lv[1]->topLevelItem(1)->text(1));

        form().lv[1]->appendRow(u"word"_s, QString());
        SelectRow(*form().lv[1], form().lv[1]->topLevelItemCount() - 1);
        form().mnuCopyTranslation_Click();
        QCOMPARE(clipboard->text(), form().lv[1]->topLevelItem(1)->text(1));
    }

    void aDoubleClickLooksTheSelectedEntryUp()
    {
        search(u"pump"_s);
        form().lv_DblClick(0); // no selection: nothing happens
        QCOMPARE(form().Text1->text(), u"pump"_s);

        const int pumpkin = int(headwords(0).indexOf(u"pumpkin"_s));
        QVERIFY(pumpkin >= 0);
        SelectRow(*form().lv[0], pumpkin);
        form().lv_DblClick(0);
        QCOMPARE(form().Text1->text(), u"pumpkin"_s);
        QCOMPARE(headwords(0), QStringList{u"pumpkin"_s});
        QCOMPARE(form().history().entries().first(), u"pumpkin"_s);
    }

    void hoveringARowDescribesIt()
    {
        search(u"pump"_s);
        ResultList &list = *form().lv[0];
        const QRect first = list.visualItemRect(list.topLevelItem(0));
        QEnterEvent enter(first.center(), first.center(), list.viewport()->mapToGlobal(first.center()));
        QApplication::sendEvent(list.viewport(), &enter);
        QCOMPARE(form().MainTooltip.ToolCount(), qint16(1));
        QCOMPARE(form().MainTooltip.ToolText(&list), u"pump\r\n-------------\r\npompă, inimă, cord"_s);

        // New rows under a resting pointer: the tip describes the row now there.
        search(u"valve"_s);
        QCOMPARE(form().MainTooltip.ToolText(&list), u"valve\r\n-------------\r\nventil"_s);
        search(u"qqqzzz"_s);
        QCOMPARE(form().MainTooltip.ToolText(&list), QString());

        // Over a blank part, a heading or out of the rows there is nothing to describe.
        search(u"pump"_s);
        form().lv_MouseMove(0, QPoint(5, list.viewport()->height() - 2));
        QCOMPARE(form().MainTooltip.ToolText(&list), QString());
        form().lv_MouseMove(0, first.center());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(list.viewport(), &leave);
        QCOMPARE(form().MainTooltip.ToolText(&list), QString());
        search(u"valve"_s);
        QCOMPARE(form().MainTooltip.ToolText(&list), QString());
        QCOMPARE(form().MainTooltip.ToolCount(), qint16(1));
    }

    void aWordPickedFromTheHistoryIsSearchedAgain()
    {
        search(u"pump"_s);
        search(u"valve"_s);
        form().Label1_Click(2);
        QVERIFY(form().List2->isVisible());
        QCOMPARE(form().List2->count(), 2);
        form().List2->setCurrentRow(1);
        form().List2_Click();
        QVERIFY(form().List2->isHidden());
        QCOMPARE(form().Text1->text(), u"pump"_s);
        QCOMPARE(form().history().entries(), (QStringList{u"pump"_s, u"valve"_s}));
        QCOMPARE(form().List2->item(0)->text(), u"pump"_s);
        // The word picked is selected, so the next one typed replaces it.
        QVERIFY(form().Text1->hasFocus());
        QCOMPARE(form().Text1->selectedText(), u"pump"_s);
    }

    void aClickOnTheSearchPictureLeavesTheQuerySelected()
    {
        form().Text1->setFocus();
        QTest::keyClicks(form().Text1, u"pump"_s);
        QTest::mouseClick(form().ImgSearch, Qt::LeftButton);
        QVERIFY(headwords(0).contains(u"pump"_s));
        QVERIFY(form().Text1->hasFocus());
        QCOMPARE(form().Text1->selectedText(), u"pump"_s);
        QTest::keyClicks(form().Text1, u"valve"_s);
        QCOMPARE(form().Text1->text(), u"valve"_s);
    }

    void theSplitLabelOffersTheQuerysBeginningsAndAPickSearchesOne()
    {
        form().Text1->setText(u"pumps"_s);
        form().Label1_Click(1);
        QVERIFY(form().List1->isVisible());
        QVERIFY(form().List1->hasFocus());
        QCOMPARE(form().List1->count(), 4); // "pump" to "p", as the split word test lists them
        QCOMPARE(form().List1->item(1)->text(), u"pum"_s);

        // A click on a piece, as the user makes it.
        const QRect piece = form().List1->visualItemRect(form().List1->item(1));
        QTest::mouseClick(form().List1->viewport(), Qt::LeftButton, {}, piece.center());
        QVERIFY(!form().List1->isVisible());
        QCOMPARE(form().Text1->text(), u"pum"_s);
        QCOMPARE(form().lv[0]->topLevelItem(0)->text(0), u"pump"_s);
        QCOMPARE(form().history().entries().front(), u"pum"_s);

        // A second opening holds the new word's pieces only; losing the focus closes it.
        form().Text1->setText(u"p"_s);
        form().Label1_Click(1);
        QVERIFY(form().List1->isVisible());
        QCOMPARE(form().List1->count(), 0);
        form().Text1->setFocus();
        QVERIFY(!form().List1->isVisible());

        form().Text1->clear();
        form().Label1_Click(1); // a beep, and the list stays shut
        QVERIFY(!form().List1->isVisible());
    }

    void theLinkLabelsAnswerOverTheListHeadingAndKeepAnOpenListOpen()
    {
        const QRect overlap = form().Label1[2]->geometry() & form().Label2[0]->geometry();
        QVERIFY(!overlap.isEmpty());
        QCOMPARE(form().childAt(overlap.center()), form().Label1[2]);

        search(u"pump"_s);
        form().Label1_Click(2);
        QVERIFY(form().List2->hasFocus());
        form().IdleTicks = 10; // the next tick re-selects the query
        form().Timer1_Timer();
        QVERIFY(form().List2->isVisible());
        QVERIFY(form().List2->hasFocus());
    }

    void thePasteButtonFollowsTheClipboardAndAPasteSearches()
    {
        QApplication::clipboard()->setText(u" pump"_s);
        QVERIFY(!form().Image3->isEnabled()); // as of the last tick
        form().Timer1_Timer();
        QVERIFY(form().Image3->isEnabled());
        QVERIFY(form().mnuPasteWord->isEnabled());
        form().Image3_MouseMove();
        QCOMPARE(form().MainTooltip.ToolText(form().Image3),
                 u"Paste word from Clipboard:\r\n\r\n"_s + QString(17, u' ') + u" pump\r\n\r\n"_s);

        QTest::mouseClick(form().Image3, Qt::LeftButton);
        QCOMPARE(form().Text1->text(), u" pump"_s); // taken as it is
        QCOMPARE(form().history().entries().front(), u"pump"_s);
        QVERIFY(form().lv[0]->topLevelItemCount() >= 2);

        // The clipboard lost its text since the last tick: the query is searched again.
        QApplication::clipboard()->clear();
        form().Text1->setText(u"valve"_s);
        form().mnuPasteWord->trigger();
        QCOMPARE(form().Text1->text(), u"valve"_s);
        QCOMPARE(form().history().entries().front(), u"valve"_s);
        form().Timer1_Timer();
        QVERIFY(!form().Image3->isEnabled());
        QVERIFY(!form().mnuPasteWord->isEnabled());
    }

    void keysRunTheirCommandsUnderTheModifierRule()
    {
        QueryBox *text = form().Text1;
        text->setFocus();
        QTest::keyClick(text, Qt::Key_F3, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(form().CurrentDirection(), int(DictTable::RomanianEnglish));
        QTest::keyClick(text, Qt::Key_F2, Qt::ShiftModifier);
        QCOMPARE(form().CurrentDirection(), int(DictTable::EnglishRomanian));

        QTest::keyClick(text, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(form().mnuSearchAsYouType->isChecked());
        QTest::keyClick(text, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(text, Qt::Key_S, Qt::AltModifier);
        QVERIFY(form().mnuSearchAsYouType->isChecked());
        QTest::keyClick(text, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!form().mnuSearchAsYouType->isChecked());

        text->clear();
        QTest::keyClicks(text, u"s"_s);
        QCOMPARE(text->text(), u"s"_s);

        // Ctrl+A toggles advanced search and the query box still selects all its text.
        QTest::keyClick(text, Qt::Key_End);
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!form().mnuAdvancedSearch->isChecked());
        QCOMPARE(text->selectedText(), u"s"_s);

        QTest::keyClick(text, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(form().mnuOptRom->isChecked());
        QCOMPARE(form().Label1[1]->text(), u"Fragmentează"_s);
    }

    void keysInAListServeTheQueryBoxAndCtrlBAndCCopyTheSelectedResult()
    {
        search(u"pump"_s);
        QClipboard *clipboard = QApplication::clipboard();
        const auto selectFirstResult = [this] {
            form().lv[0]->setCurrentItem(form().lv[0]->topLevelItem(0));
            form().lv_MouseDown(0);
            form().lv[0]->setFocus();
        };

        selectFirstResult();
        QTest::keyPress(form().lv[0], Qt::Key_Control); // a modifier alone keeps the focus
        QVERIFY(form().lv[0]->hasFocus());
        QTest::keyClick(form().lv[0], Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), u"pompă, inimă, cord"_s);

        selectFirstResult();
        QTest::keyClick(form().lv[0], Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), u"pump"_s);

        // Ctrl+B's row is picked: Ctrl+C from the query box copies its translation too.
        QVERIFY(form().lv[0]->hasFocus());
        form().Text1->setFocus();
        QTest::keyClick(form().Text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), u"pompă, inimă, cord"_s);

        form().lv[0]->setFocus(); // the rows are read with the arrows, other keys serve the query box
        QTest::keyClick(form().lv[0], Qt::Key_Down);
        QVERIFY(form().lv[0]->hasFocus());
        QTest::keyClick(form().lv[0], Qt::Key_K);
        QVERIFY(form().Text1->hasFocus());
        form().IdleTicks = 0;
        QTest::mouseClick(form().lv[0]->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(form().IdleTicks, qint16(1));
    }

    void ctrlCCopiesThePickedRowsTranslationUntilTheQueryIsTouchedByHand()
    {
        search(u"pump"_s);
        QClipboard *clipboard = QApplication::clipboard();
        ResultList &list = *form().lv[0];
        const QPoint firstRow = list.visualItemRect(list.topLevelItem(0)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, firstRow);
        for (int tick = 0; tick < 10; ++tick) // the idle re-selection of the query
            form().Timer1_Timer();
        QVERIFY(form().Text1->hasFocus());
        QCOMPARE(form().Text1->selectedText(), u"pump"_s);
        QTest::keyClick(form().Text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), u"pompă, inimă, cord"_s);

        // A selection made by hand in the query box is what Ctrl+C copies.
        QTest::keyClick(form().Text1, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(form().Text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), u"pum"_s);

        // Moving in the list picks a row again, and the list keeps the focus for reading
        // on; editing the query forgets the pick.
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Down);
        QVERIFY(list.hasFocus());
        form().Text1->setFocus();
        QTest::keyClick(form().Text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), u"stație de pompare"_s);
        form().Text1->selectWholeText();
        QTest::keyClick(form().Text1, Qt::Key_End);
        QTest::keyClicks(form().Text1, u"s"_s);
        form().Text1->selectWholeText();
        QTest::keyClick(form().Text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), u"pumps"_s);
    }

    void ignoringDiacriticsFindsPlainTypingAndIsKeptForTheNextRun()
    {
        form().Label3_Click(1);
        search(u"surub"_s);
        QCOMPARE(headwords(0), QStringList{u"Add \"surub\" to my terms..."_s});

        KeyPressCounter reaching(Qt::Key_D); // in a text box Ctrl+D would delete
        form().Text1->installEventFilter(&reaching);
        QTest::keyClick(form().Text1, Qt::Key_D, Qt::ControlModifier);
        form().Text1->removeEventFilter(&reaching);
        QCOMPARE(reaching.presses, 0);
        QVERIFY(form().mnuIgnoreDiacritics->isChecked());
        QCOMPARE(form().lv[0]->topLevelItem(0)->text(0), u"șurub"_s);
        search(u"sudura"_s);
        QCOMPARE(form().lv[1]->topLevelItem(0)->text(0), u"sudură"_s);

        form().close();
        QFile file(SettingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("IgnoreDiacritics=True"));
        loadForm();
        QVERIFY(form().mnuIgnoreDiacritics->isChecked());
        form().mnuIgnoreDiacritics->trigger();
        QVERIFY(!form().mnuIgnoreDiacritics->isChecked());
    }

    void anInflectedQueryOffersItsBaseFormAndAMisspeltOneItsNearMisses()
    {
        KeyPressCounter reaching(Qt::Key_W);
        form().Text1->installEventFilter(&reaching);
        QTest::keyClick(form().Text1, Qt::Key_W, Qt::ControlModifier);
        form().Text1->removeEventFilter(&reaching);
        QCOMPARE(reaching.presses, 0);
        QVERIFY(form().mnuWordForms->isChecked()); // and the forms are read
        form().Label3_Click(1);

        // Above today's (empty) lists, under a caption row that is no entry.
        search(u"șuruburile"_s);
        QCOMPARE(headwords(0), (QStringList{u"Base forms:"_s, u"șurub"_s}));
        QCOMPARE(form().Label2[2]->text(), u"1 word"_s); // the offered entry counts
        QVERIFY(!(form().lv[0]->topLevelItem(0)->flags() & Qt::ItemIsSelectable));
        SelectRow(*form().lv[0], 1);
        form().lv_MouseDown(0);
        form().mnuCopyRec_Click();
        QCOMPARE(QApplication::clipboard()->text(), u"șurub"_s);
        form().lv_DblClick(0);
        QCOMPARE(form().Text1->text(), u"șurub"_s);
        QCOMPARE(headwords(0), QStringList{u"șurub"_s});

        search(u"venitl"_s);
        QCOMPARE(headwords(0), (QStringList{u"Near misses:"_s, u"ventil"_s}));
        form().mnuOptEng_Click();
        search(u"venitl"_s);
        QCOMPARE(form().lv[0]->topLevelItem(0)->text(0), u"Cuvinte apropiate:"_s);

        // Off, the lists are today's.
        form().mnuWordForms->trigger();
        QCOMPARE(headwords(0), QStringList{u"Adaugă „venitl” la termenii mei..."_s}); // in Romanian here
        search(u"șuruburile"_s);
        QCOMPARE(headwords(0), QStringList{u"Adaugă „șuruburile” la termenii mei..."_s});
    }

    // Direction changes, capitalised queries, a word of the other direction, the note on
    // advanced search, the counts, hover looks and the copy keys.
    void whatNewUsersTripOverReadsRight()
    {
        // A direction change shows the query in the new direction at once, under its
        // headings; found only in the other direction, a row says so and opens it.
        search(u"pump"_s);
        QTest::keyClick(form().Text1, Qt::Key_F3);
        QCOMPARE(form().lv[0]->headerItem()->text(0), u"Romanian"_s);
        QCOMPARE(headwords(0), QStringList{u"Found in English-Romanian: pump"_s});
        QCOMPARE(form().Label2[2]->text(), u"0 words"_s);
        ResultList &starting = *form().lv[0];
        QTest::mouseClick(starting.viewport(), Qt::LeftButton, {},
                          starting.visualItemRect(starting.topLevelItem(0)).center());
        QCOMPARE(form().CurrentDirection(), int(DictTable::EnglishRomanian));
        QCOMPARE(headwords(0).first(), u"pump"_s);
        QCOMPARE(starting.headerItem()->text(0), u"English"_s);
        form().Text1->clear();
        form().mnuRomEng->trigger(); // nothing to search: the direction's first entries
        QCOMPARE(headwords(0).first(), form().table()(DictTable::RomanianEnglish, DictTable::Headword, 1));
        form().mnuEngRom->trigger();

        // A capital letter finds its word first; the count counts it.
        search(u"Valve"_s);
        QCOMPARE(headwords(0), (QStringList{u"Same word, other case:"_s, u"valve"_s}));
        QCOMPARE(form().Label2[2]->text(), u"1 word"_s);
        form().mnuOptRom_Click(); // the counts speak the language at once
        QCOMPARE(form().Label2[2]->text(), u"1 cuvânt"_s);
        search(u"a"_s);
        QCOMPARE(form().Label2[3]->text(), u">100 de cuvinte"_s);
        form().mnuOptEng_Click();

        // Advanced search off, its note stands where the Containing list was.
        QTest::keyClick(form().Text1, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(form().AdvancedSearchNote->isVisible());
        QCOMPARE(form().AdvancedSearchNote->text(), u"Advanced search is off (Ctrl+A)"_s);
        QTest::keyClick(form().Text1, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!form().AdvancedSearchNote->isVisible());

        // A hover look ends where the pointer leaves; one direction label is lit at a time.
        form().Label3_MouseMove(0);
        form().Label3_MouseMove(1);
        QCOMPARE(form().Label3[0]->ForeColor(), hover::RestBlue);
        QCOMPARE(form().Label3[1]->ForeColor(), hover::OverRed);
        form().ImgSearch_MouseMove();
        for (QWidget *control : std::initializer_list<QWidget *>{form().Label3[1], form().ImgSearch}) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(control, &leave);
        }
        QCOMPARE(form().Label3[1]->ForeColor(), hover::RestBlue);
        QCOMPARE(form().ImgSearch->BorderStyle(), 0);

        // The copy keys leave the focus in the list, where the arrows go on.
        search(u"pump"_s);
        starting.setFocus();
        SelectRow(starting, 0);
        QTest::keyClick(&starting, Qt::Key_B, Qt::ControlModifier);
        QTest::keyClick(&starting, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), u"pompă, inimă, cord"_s);
        QVERIFY(starting.hasFocus());
        QTest::keyClick(&starting, Qt::Key_Down);
        QCOMPARE(starting.currentItem(), starting.topLevelItem(1));
    }
};

QTEST_MAIN(Form1LookupTest)
#include "Form1LookupTest.moc"
