// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1Fixture.h"

#include "ui/quiz/Form3.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;

namespace {

// Direction 1 holds "eN" = "rN", direction 2 "rN" = "eN", for N = 1..20.
DictTable SmallTable()
{
    DictTable table;
    for (int k = 1; k <= 20; ++k) {
        for (const int d : {1, 2}) {
            table.set(d, d, k, u"e%1"_s.arg(k));
            table.set(d, 3 - d, k, u"r%1"_s.arg(k));
        }
    }
    table.setEntryCount(1, 20);
    table.setEntryCount(2, 20);
    return table;
}

// Answers the shown question, right or wrong, with the Choose button.
void Answer(Form3 &quiz, bool right)
{
    const int correct = quiz.game().question().CorrectIndex - 1;
    quiz.List1->setCurrentRow(right ? correct : (correct + 1) % quiz.List1->count());
    QTest::mouseClick(quiz.Choose, Qt::LeftButton);
}

} // namespace

class Form3Test : public QObject {
    Q_OBJECT

    DictTable table_ = SmallTable();
    QuizScore score_;
    QStringList messages_;

    std::unique_ptr<Form3> Open(bool english, const DictTable &table)
    {
        auto quiz = std::make_unique<Form3>(Form3Inputs{
            table, score_, english, english ? u"Game"_s : u"Joc"_s, english ? u"Points: "_s : u"Puncte: "_s,
            english ? u" from "_s : u" din "_s, u"Quillet"_s});
        quiz->showMessage = [this](const QString &title, const QString &text) {
            messages_.append(title + u"|"_s + text);
        };
        quiz->show();
        return quiz;
    }

private slots:
    void init() { score_ = QuizScore(); }

    void opensAtLevelThreeRomanianEnglishAndFollowsItsChoices()
    {
        const auto quiz = Open(true, table_);
        QCOMPARE(quiz->Combo1->currentText(), u"3"_s);
        QCOMPARE(quiz->Combo2->currentText(), u"re"_s);
        QCOMPARE(quiz->List1->count(), 9);
        QVERIFY(quiz->List1->selectedItems().isEmpty());
        const QString word = quiz->Label2->text();
        QVERIFY(word.startsWith(u'r'));
        QCOMPARE(quiz->List1->item(quiz->game().question().CorrectIndex - 1)->text(), u'e' + word.mid(1));
        quiz->Combo1->setCurrentIndex(1);
        QCOMPARE(quiz->List1->count(), 6);
        quiz->Combo2->setCurrentIndex(1); // "er"
        QVERIFY(quiz->Label2->text().startsWith(u'e'));
        QCOMPARE(score_.TotalCount(), 0);
    }

    // A long answer is cut short, whole in its tip, with no scroll bar over the last one;
    // assistive technology names the drop-downs and lists by their captions.
    void longAnswersFitAndTheControlsAreNamed()
    {
        DictTable table;
        const QString longAnswer = u"a very long translation, "_s.repeated(8);
        for (int k = 0; k <= 20; ++k) {
            table.set(2, 1, k, u"r%1"_s.arg(k));
            table.set(2, 2, k, longAnswer + QString::number(k));
        }
        table.setEntryCount(2, 20);
        const auto quiz = Open(false, table);
        QCOMPARE(quiz->List1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(quiz->List1->item(8)->toolTip(), quiz->List1->item(8)->text());
        QVERIFY(quiz->List1->item(8)->toolTip().startsWith(longAnswer));

        QAccessibleInterface *level = QAccessible::queryAccessibleInterface(quiz->Combo1);
        QCOMPARE(level->role(), QAccessible::ComboBox);
        QCOMPARE(level->text(QAccessible::Name), u"Dificultate"_s);
        QCOMPARE(level->text(QAccessible::Value), u"3"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(quiz->List1)->text(QAccessible::Name), u"Variante de răspuns"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(quiz->List2)->text(QAccessible::Name), u"Răspunsuri greșite"_s);
    }

    void answersAreJudgedRecordedAndScored()
    {
        const auto quiz = Open(true, table_);
        const QString first = quiz->game().question().HistoryLine();
        Answer(*quiz, true);
        QCOMPARE(quiz->List3->currentItem()->text(), first);
        QCOMPARE(quiz->Label4->text(), u"Points: 1 from 1 (100%)"_s);
        QCOMPARE(quiz->Label4->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QVERIFY(quiz->List1->selectedItems().isEmpty());

        const QString second = quiz->game().question().HistoryLine();
        Answer(*quiz, false);
        QCOMPARE(quiz->List2->currentItem()->text(), second);
        QCOMPARE(quiz->Label4->text(), u"Points: 1 from 2 (50%)"_s);
        QCOMPARE(quiz->Label4->palette().color(QPalette::WindowText), QColor(Qt::red));

        // A double click on the right line (its first click, then the second) answers with it.
        const QListWidgetItem *correct = quiz->List1->item(quiz->game().question().CorrectIndex - 1);
        const QPoint at = quiz->List1->visualItemRect(correct).center();
        QTest::mouseClick(quiz->List1->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(quiz->List1->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(quiz->Label4->text(), u"Points: 2 from 3 (66%)"_s);

        // From the keyboard: arrows to the right line, Enter chooses it.
        quiz->List1->setFocus();
        QTest::keyClick(quiz->List1, Qt::Key_Home);
        for (int row = 1; row < quiz->game().question().CorrectIndex; ++row)
            QTest::keyClick(quiz->List1, Qt::Key_Down);
        QTest::keyClick(quiz->List1, Qt::Key_Return);
        QCOMPARE(quiz->Label4->text(), u"Points: 3 from 4 (75%)"_s);
    }

    void chooseWithoutAnAnswerOnlyAsks()
    {
        const auto quiz = Open(false, table_);
        const QString word = quiz->Label2->text();
        QTest::mouseClick(quiz->Choose, Qt::LeftButton);
        QCOMPARE(messages_, QStringList{u"Quillet|Alegeți întâi o variantă de răspuns!"_s});
        QCOMPARE(quiz->Label2->text(), word);
        Answer(*quiz, true);
        QCOMPARE(quiz->Label4->text(), u"Puncte: 1 din 1 (100%)"_s);

        const auto empty = Open(true, DictTable());
        QCOMPARE(empty->List1->count(), 0);
        QTest::mouseClick(empty->Choose, Qt::LeftButton);
        QCOMPARE(messages_.last(), u"Quillet|Please choose an answer first!"_s);
        QCOMPARE(score_.TotalCount(), 1);
    }

    // The Game item opens the quiz over the main window, and the score lasts the run.
    void theScoreOutlivesTheWindow()
    {
        UseTestFolders();
        ForgetStoredState();
        std::function<void(Form3 &)> play;
        const QWidget *owner = nullptr;
        Form1Setup setup;
        setup.showQuiz = [&](Form3 &quiz) {
            QCOMPARE(quiz.parentWidget(), owner);
            play(quiz);
        };
        const LoadedForm loaded = LoadForm(QStringLiteral(QUILLET_FIXTURE_DIR), setup);
        QCOMPARE(loaded.outcome, Form1::LoadOutcome::Loaded);
        Form1 &form = *loaded.form;
        owner = &form;

        play = [](Form3 &quiz) {
            for (const bool right : {true, false, true})
                Answer(quiz, right);
        };
        form.mnuGame->trigger();
        play = [](Form3 &quiz) {
            QCOMPARE(quiz.List3->count(), 0);
            Answer(quiz, true);
            QCOMPARE(quiz.Label4->text(), u"Points: 3 from 4 (75%)"_s);
        };
        form.mnuGame->trigger();
        form.mnuOptRom_Click();
        play = [](Form3 &quiz) {
            QCOMPARE(quiz.windowTitle(), u"Joc"_s);
            Answer(quiz, false);
            QCOMPARE(quiz.Label4->text(), u"Puncte: 3 din 5 (60%)"_s);
        };
        form.mnuGame->trigger();
        form.close();
    }
};

QTEST_MAIN(Form3Test)
#include "Form3Test.moc"
