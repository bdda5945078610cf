#include "Form1Fixture.h"

#include "lookup/QueryBox.h"
#include "lookup/ResultList.h"
#include "mainwindow/ClickLabel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;

namespace {

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

class Form1ShortcutsTest : public QObject {
    Q_OBJECT

    LoadedForm loaded_;
    Form1 &form() { return *loaded_.form; }

    void load()
    {
        loaded_ = LoadForm();
        QCOMPARE(loaded_.outcome, Form1::LoadOutcome::Loaded);
        form().activateWindow();
        form().Text1->setFocus();
    }

    void search(const QString &query)
    {
        form().Text1->setText(query);
        form().ImgSearch_Click();
    }

    void selectFirstResult()
    {
        ResultList &list = *form().lv[0];
        list.setCurrentItem(list.topLevelItem(0));
        form().lv_MouseDown(0);
        list.setFocus();
    }

private slots:
    void initTestCase() { UseTestFolders(); }
    void init()
    {
        ForgetStoredState();
        load();
    }
    void cleanup()
    {
        loaded_.form.reset();
        ForgetStoredState();
    }

    void keysRunTheirCommandsUnderTheModifierRule()
    {
        QueryBox *text = form().Text1;
        QTest::keyClick(text, Qt::Key_F2, Qt::ShiftModifier);
        QCOMPARE(form().CurrentDirection(), int(DictTable::EnglishRomanian));
        QTest::keyClick(text, Qt::Key_F3, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(form().CurrentDirection(), int(DictTable::RomanianEnglish));

        QTest::keyClick(text, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!form().mnuSearchAsYouType->isChecked());
        QTest::keyClick(text, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(text, Qt::Key_S, Qt::AltModifier);
        QVERIFY(!form().mnuSearchAsYouType->isChecked());
        QTest::keyClick(text, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(form().mnuSearchAsYouType->isChecked());
        form().mnuSearchAsYouType_Click(); // off again, so that typing below does not search

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
        QCOMPARE(form().Label1[1]->text(), u"Fragmenteaza"_s);
    }

    void ctrlBAndCCopyTheSelectedResult()
    {
        form().Label3_Click(0);
        search(u"pump"_s);
        QClipboard *clipboard = QApplication::clipboard();

        selectFirstResult();
        QTest::keyPress(form().lv[0], Qt::Key_Control); // a modifier alone keeps the focus
        QVERIFY(form().lv[0]->hasFocus());
        QTest::keyClick(form().lv[0], Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), u"pompă, inimă, cord"_s);
        QVERIFY(form().Text1->hasFocus());

        selectFirstResult();
        QTest::keyClick(form().lv[0], Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), u"pump"_s);

        // From the query box: the translation first, then the box's own copy of its selection.
        form().Text1->setSelection(0, 3);
        QTest::keyClick(form().Text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), u"pum"_s);
        form().Text1->deselect();
        QTest::keyClick(form().Text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), u"pompă, inimă, cord"_s);
    }

    void ignoringDiacriticsFindsPlainTypingAndIsKeptForTheNextRun()
    {
        form().Label3_Click(1);
        search(u"surub"_s);
        QCOMPARE(form().lv[0]->topLevelItemCount(), 0);

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
        load();
        QVERIFY(form().mnuIgnoreDiacritics->isChecked());
        form().mnuIgnoreDiacritics->trigger();
        QVERIFY(!form().mnuIgnoreDiacritics->isChecked());
    }
};

QTEST_MAIN(Form1ShortcutsTest)
#include "Form1ShortcutsTest.moc"
