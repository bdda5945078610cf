#include "Form1Fixture.h"

#include "lookup/QueryBox.h"
#include "lookup/ResultList.h"
#include "mainwindow/ClickLabel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEnterEvent>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;

namespace {

QStringList Headwords(const ResultList &list)
{
    QStringList headwords;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        headwords.append(list.topLevelItem(i)->text(0));
    return headwords;
}

void SelectRow(ResultList &list, int row)
{
    list.setCurrentItem(list.topLevelItem(row));
    list.topLevelItem(row)->setSelected(true);
}

} // namespace

class Form1LookupTest : public QObject {
    Q_OBJECT

    LoadedForm loaded_;
    Form1 &form() { return *loaded_.form; }

    // English to Romanian, search-as-you-type off unless a test turns it on.
    void startEnglishRomanian()
    {
        form().Label3_Click(0);
        form().mnuSearchAsYouType_Click();
        QVERIFY(!form().mnuSearchAsYouType->isChecked());
    }

    void search(const QString &query)
    {
        form().Text1->setText(query);
        form().ImgSearch_Click();
    }

private slots:
    void initTestCase() { UseTestFolders(); }
    void init()
    {
        ForgetStoredState();
        loaded_ = LoadForm();
        QCOMPARE(loaded_.outcome, Form1::LoadOutcome::Loaded);
        form().activateWindow();
        startEnglishRomanian();
    }
    void cleanup()
    {
        loaded_.form.reset();
        ForgetStoredState();
    }

    void aSearchFillsBothListsAndTheirCounts()
    {
        search(u"  pump "_s);
        QCOMPARE(Headwords(*form().lv[0]), (QStringList{u"pump"_s, u"pumping station"_s, u"pumpkin"_s}));
        QCOMPARE(form().lv[0]->topLevelItem(0)->text(1), u"pompă, inimă, cord"_s);
        QCOMPARE(form().Label2[2]->text(), u"3 words"_s);
        QCOMPARE(form().history().entries().first(), u"pump"_s);
        QCOMPARE(form().Text1->text(), u"  pump "_s);

        search(u"a"_s);
        QCOMPARE(form().lv[1]->topLevelItemCount(), 100);
        QCOMPARE(form().Label2[3]->text(), u">100 words"_s);
        search(u"qqqzzz"_s);
        QCOMPARE(form().lv[0]->topLevelItemCount(), 0);
        QCOMPARE(form().Label2[3]->text(), u"0 words"_s);
    }

    void aQueryIsReadAsTheDictionarySpellsItAndKeptAsTyped()
    {
        // Copied text brings tabs, line breaks and no-break spaces at its ends.
        search(u"\t pump\u00A0\r\n"_s);
        QVERIFY(Headwords(*form().lv[0]).contains(u"pump"_s));
        QCOMPARE(form().history().entries().first(), u"pump"_s);

        form().Label3_Click(1);
        const QString cedilla = u"o\u0163el"_s; // t with cedilla, as older keyboards type it
        search(cedilla);
        QCOMPARE(Headwords(*form().lv[0]), QStringList{u"oțel"_s});
        QCOMPARE(form().Text1->text(), cedilla);
        QCOMPARE(form().history().entries().first(), cedilla);
    }

    void aBlankQueryOnlyMovesTheFocus()
    {
        search(u"pump"_s);
        const QStringList before = Headwords(*form().lv[0]);
        form().lv[0]->setFocus();
        search(u"   "_s);
        QCOMPARE(Headwords(*form().lv[0]), before);
        QCOMPARE(form().history().entries(), QStringList{u"pump"_s});
        QVERIFY(form().Text1->hasFocus());
        QCOMPARE(form().Text1->selectedText(), u"   "_s);
    }

    void enterSearchesWhenTheKeyComesUp()
    {
        form().Text1->setText(u"pump"_s);
        QTest::keyPress(form().Text1, Qt::Key_Return);
        QCOMPARE(form().lv[0]->topLevelItemCount(), 50); // still the first entries
        QTest::keyRelease(form().Text1, Qt::Key_Return);
        QVERIFY(Headwords(*form().lv[0]).contains(u"pump"_s));
        QTest::keyClick(form().Text1, Qt::Key_X);
        QVERIFY(Headwords(*form().lv[0]).contains(u"pump"_s));
    }

    void typingBlanksTheCountsAndSearchesOnlyWhenAsked()
    {
        search(u"pump"_s);
        const QStringList before = Headwords(*form().lv[0]);
        QTest::keyClicks(form().Text1, u"k"_s);
        QVERIFY(form().Label2[2]->text().isEmpty());
        QVERIFY(form().Label2[3]->text().isEmpty());
        QCOMPARE(Headwords(*form().lv[0]), before);

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
        form().Timer1_Timer();
        QCOMPARE(form().IdleTicks, qint16(0));
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

        const int pumpkin = int(Headwords(*form().lv[0]).indexOf(u"pumpkin"_s));
        QVERIFY(pumpkin >= 0);
        SelectRow(*form().lv[0], pumpkin);
        form().lv_DblClick(0);
        QCOMPARE(form().Text1->text(), u"pumpkin"_s);
        QCOMPARE(Headwords(*form().lv[0]), QStringList{u"pumpkin"_s});
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

    void keysAndClicksInAListServeTheQueryBox()
    {
        search(u"pump"_s);
        form().lv[0]->setFocus();
        QTest::keyClick(form().lv[0], Qt::Key_Down);
        QVERIFY(form().Text1->hasFocus());

        form().IdleTicks = 0;
        QTest::mouseClick(form().lv[0]->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(form().IdleTicks, qint16(1));
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
        QVERIFY(Headwords(*form().lv[0]).contains(u"pump"_s));
        QVERIFY(form().Text1->hasFocus());
        QCOMPARE(form().Text1->selectedText(), u"pump"_s);
        QTest::keyClicks(form().Text1, u"valve"_s);
        QCOMPARE(form().Text1->text(), u"valve"_s);
    }
};

QTEST_MAIN(Form1LookupTest)
#include "Form1LookupTest.moc"
