// SPDX-License-Identifier: GPL-3.0-or-later
// The My terms window opened from the main window: a pair added there leads the lists.
#include "Form1Fixture.h"

#include "ui/terms/MyTermsWindow.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;

// My terms and My list in the folder; any problem with them fails the test.
Form1Setup SetupIn(const QTemporaryDir &folder)
{
    Form1Setup setup;
    setup.personalFiles = PersonalWordFiles::In(folder.path());
    setup.showProblem = [](const QString &problem) { QFAIL(qPrintable(problem)); };
    return setup;
}

class MyTermsWindowTest : public Form1Suite {
    Q_OBJECT

private slots:
    void init() { ForgetStoredState(); }
    void cleanup() { dropForm(); }

    void aPairAddedInTheWindowIsFoundFirst()
    {
        QTemporaryDir folder;
        Form1Setup setup = SetupIn(folder);
        int opened = 0;
        QString proposed;
        setup.showMyTerms = [&](MyTermsWindow &window) {
            ++opened;
            proposed = window.headwordEdit->text();
            window.headwordEdit->setText(u"a001"_s);
            window.translationEdit->setText(u"my own translation"_s);
            window.directionBox->setCurrentIndex(form().CurrentDirection() - 1);
            window.addButton->click();
            QCOMPARE(window.status->text(), u"Added."_s);
            QCOMPARE(window.termsTable->rowCount(), 1);
        };
        loadForm(setup);

        // A word found nowhere offers itself; choosing the offer opens the window with it.
        search(u"zzqq"_s);
        QCOMPARE(form().lv[0]->topLevelItemCount(), 1);
        QVERIFY(form().lv[0]->topLevelItem(0)->text(0).contains(u"zzqq"_s));
        form().lv[0]->setCurrentItem(form().lv[0]->topLevelItem(0));
        form().lv_Click(0);
        QCOMPARE(opened, 1);
        QCOMPARE(proposed, u"zzqq"_s);

        search(u"a001"_s);
        const QTreeWidgetItem *first = form().lv[0]->topLevelItem(0);
        QCOMPARE(first->text(1), u"my own translation"_s);
        QVERIFY(first->font(0).bold());
        QCOMPARE(form().lv[0]->topLevelItem(1)->text(0), u"a001"_s); // the dictionary's own after it
        QVERIFY(QFile::exists(folder.filePath(u"terms.tsv"_s)));

        // Starred from the list, the entry is in My list.
        form().lv[0]->setCurrentItem(form().lv[0]->topLevelItem(1));
        form().mnuKeep->trigger();
        QCOMPARE(form().personalWords().kept().size(), 1);
    }

    // The keys: Ctrl+T opens the window from the query box, with no pair proposed;
    // Ctrl+M stars the selected row of a list, once however often it is pressed.
    void theKeysOpenTheWindowAndStarARow()
    {
        QTemporaryDir folder;
        Form1Setup setup = SetupIn(folder);
        int opened = 0;
        setup.showMyTerms = [&](MyTermsWindow &window) {
            ++opened;
            QVERIFY(window.headwordEdit->text().isEmpty());
            // Named by its caption for a screen reader, not by the item it shows.
            QCOMPARE(QAccessible::queryAccessibleInterface(window.directionBox)->text(QAccessible::Name),
                     u"Direction"_s);
        };
        loadForm(setup);
        QAccessible::setActive(true); // as with a screen reader running: naming a control makes its interface

        QTest::keyClick(form().Text1, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(opened, 1);

        search(u"a001"_s);
        QTest::keyClick(form().lv[0], Qt::Key_M, Qt::ControlModifier); // nothing selected yet
        QCOMPARE(form().personalWords().kept().size(), 0);
        form().lv[0]->setFocus();
        form().lv[0]->setCurrentItem(form().lv[0]->topLevelItem(0));
        for (int press = 0; press < 2; ++press)
            QTest::keyClick(form().lv[0], Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(form().personalWords().kept().size(), 1);
        const KeptEntry kept = form().personalWords().kept().entries().front();
        QCOMPARE(kept.headword, form().lv[0]->topLevelItem(0)->text(0));
        QCOMPARE(kept.direction, form().CurrentDirection());
        QVERIFY(QFile::exists(folder.filePath(u"mylist.tsv"_s)));
        QAccessible::setActive(false);
    }
};

QTEST_MAIN(MyTermsWindowTest)
#include "MyTermsWindowTest.moc"
