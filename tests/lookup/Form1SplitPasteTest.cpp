#include "Form1Fixture.h"

#include "lookup/QueryBox.h"
#include "lookup/ResultList.h"
#include "mainwindow/ClickLabel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;

namespace {

QStringList Items(const QListWidget &list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items.append(list.item(i)->text());
    return items;
}

} // namespace

class Form1SplitPasteTest : public QObject {
    Q_OBJECT

    LoadedForm loaded_;
    Form1 &form() { return *loaded_.form; }

private slots:
    void initTestCase() { UseTestFolders(); }
    void init()
    {
        ForgetStoredState();
        QApplication::clipboard()->clear();
        loaded_ = LoadForm();
        QCOMPARE(loaded_.outcome, Form1::LoadOutcome::Loaded);
        form().activateWindow();
        form().Label3_Click(0);
        form().mnuSearchAsYouType_Click(); // off
    }
    void cleanup()
    {
        loaded_.form.reset();
        ForgetStoredState();
    }

    void theSplitLabelOffersTheQuerysBeginningsAndAPickSearchesOne()
    {
        form().Text1->setText(u"pumps"_s);
        form().Label1_Click(1);
        QVERIFY(form().List1->isVisible());
        QVERIFY(form().List1->hasFocus());
        QCOMPARE(Items(*form().List1), (QStringList{u"pump"_s, u"pum"_s, u"pu"_s, u"p"_s}));

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
        QCOMPARE(form().childAt(form().Label1[1]->geometry().center()), form().Label1[1]);

        form().Text1->setText(u"pump"_s);
        form().ImgSearch_Click();
        form().Label1_Click(2);
        QVERIFY(form().List2->hasFocus());
        form().IdleTicks = 10; // the next tick re-selects the query
        form().Timer1_Timer();
        QVERIFY(form().List2->isVisible());
        QVERIFY(form().List2->hasFocus());
    }

    void thePasteButtonFollowsTheClipboardAtTheNextTick()
    {
        QApplication::clipboard()->setText(u"valve"_s);
        QVERIFY(!form().Image3->isEnabled()); // as of the last tick
        form().Timer1_Timer();
        QVERIFY(form().Image3->isEnabled());
        QVERIFY(form().mnuPasteWord->isEnabled());

        form().Image3_MouseMove();
        QCOMPARE(form().MainTooltip.ToolText(form().Image3),
                 u"Paste word from Clipboard:\r\n\r\n"_s + QString(17, u' ') + u"valve\r\n\r\n"_s);
        QCOMPARE(form().Image3->BorderStyle(), 1);

        QApplication::clipboard()->clear();
        form().Timer1_Timer();
        QVERIFY(!form().Image3->isEnabled());
        QVERIFY(!form().mnuPasteWord->isEnabled());
    }

    void aPasteReplacesTheQueryAndSearchesIt()
    {
        QApplication::clipboard()->setText(u" pump"_s);
        form().Timer1_Timer();
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
    }
};

QTEST_MAIN(Form1SplitPasteTest)
#include "Form1SplitPasteTest.moc"
