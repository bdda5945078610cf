#include "Form1Fixture.h"

#include "quiz/Form3.h"

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
        table.set(1, DictTable::Headword, k, u"e%1"_s.arg(k));
        table.set(1, DictTable::Translation, k, u"r%1"_s.arg(k));
        table.set(2, DictTable::Headword, k, u"r%1"_s.arg(k));
        table.set(2, DictTable::Translation, k, u"e%1"_s.arg(k));
    }
    table.setEntryCount(1, 20);
    table.setEntryCount(2, 20);
    return table;
}

QStringList Texts(const Form3 &quiz)
{
    return {quiz.windowTitle(),       quiz.Label1[3]->text(), quiz.Label1[2]->text(),
            quiz.Label1[1]->text(),   quiz.Label1[0]->text(), quiz.Choose->text(),
            quiz.Label3[1]->text(),   quiz.Label3[0]->text(), quiz.List1->toolTip()};
}

QStringList Lines(const QListWidget &list)
{
    QStringList lines;
    for (int i = 0; i < list.count(); ++i)
        lines.append(list.item(i)->text());
    return lines;
}

// Answers the shown question right or wrong through the Choose button.
void Answer(Form3 &quiz, bool right)
{
    const int correct = quiz.game().question().CorrectIndex - 1;
    quiz.List1->setCurrentRow(right ? correct : (correct + 1) % quiz.List1->count());
    QTest::mouseClick(quiz.Choose, Qt::LeftButton);
}

QColor ScoreColour(const Form3 &quiz)
{
    return quiz.Label4->palette().color(QPalette::WindowText);
}

} // namespace

class Form3Test : public QObject {
    Q_OBJECT

    DictTable table_ = SmallTable();
    QuizScore score_;
    QStringList messages_;

    std::unique_ptr<Form3> Open(bool english)
    {
        auto quiz = std::make_unique<Form3>(Form3Inputs{table_, score_, english,
                                                        english ? u"Game"_s : u"Joc"_s,
                                                        english ? u"Points: "_s : u"Puncte: "_s,
                                                        english ? u" from "_s : u" din "_s, u"Quillet"_s});
        quiz->showMessage = [this](const QString &title, const QString &text) {
            messages_.append(title + u"|"_s + text);
        };
        quiz->show();
        return quiz;
    }

private slots:
    void init()
    {
        score_ = QuizScore();
        messages_.clear();
    }

    void opensAtLevelThreeRomanianEnglishInTheInterfaceLanguage()
    {
        const auto quiz = Open(true);
        QCOMPARE(quiz->Combo1->currentText(), u"3"_s);
        QCOMPARE(quiz->Combo2->currentText(), u"re"_s);
        QCOMPARE(quiz->List1->count(), 9);
        QVERIFY(quiz->List1->selectedItems().isEmpty());
        QVERIFY(quiz->Label2->text().startsWith(u'r'));
        QCOMPARE(quiz->List1->item(quiz->game().question().CorrectIndex - 1)->text(),
                 table_(2, DictTable::Translation, quiz->Label2->text().mid(1).toInt()));
        QCOMPARE(Texts(*quiz),
                 QStringList({u"Game"_s, u"Language:"_s, u"Dificulty level:"_s, u"Answers:"_s, u"Word:"_s,
                              u"Choose the answer then click here!"_s, u"Good answers:"_s,
                              u"Wrong answers:"_s, u"Double click correct answer!"_s}));
        QCOMPARE(Texts(*Open(false)),
                 QStringList({u"Joc"_s, u"Limba:"_s, u"Dificultate:"_s, u"Variante raspuns:"_s, u"Cuvant:"_s,
                              u"Alege raspunsul si apasa aici!"_s, u"Raspunsuri bune:"_s,
                              u"Raspunsuri gresite:"_s, u"faceti dublu-click pe raspunsul corect!"_s}));
        QCOMPARE(quiz->size(), QSize(396, 418) * quiz->screen()->logicalDotsPerInch() / 96.0);
    }

    void levelAndDirectionDrawAtOnce()
    {
        const auto quiz = Open(true);
        quiz->Combo1->setCurrentIndex(0);
        QCOMPARE(quiz->List1->count(), 3);
        quiz->Combo1->setCurrentIndex(1);
        QCOMPARE(quiz->List1->count(), 6);
        quiz->Combo2->setCurrentIndex(1);
        QCOMPARE(quiz->Combo2->currentText(), u"er"_s);
        QVERIFY(quiz->Label2->text().startsWith(u'e'));
        QVERIFY(quiz->List1->item(0)->text().startsWith(u'r'));
        QCOMPARE(score_.TotalCount(), 0);
    }

    void answersAreJudgedRecordedAndScored()
    {
        const auto quiz = Open(true);
        const QString first = quiz->game().question().HistoryLine();
        Answer(*quiz, true);
        QCOMPARE(Lines(*quiz->List3), QStringList{first});
        QCOMPARE(quiz->List3->currentRow(), 0);
        QCOMPARE(quiz->Label4->text(), u"Points: 1 from 1 (100%)"_s);
        QCOMPARE(ScoreColour(*quiz), QColor(Qt::blue));
        QVERIFY(quiz->List1->selectedItems().isEmpty());

        const QString second = quiz->game().question().HistoryLine();
        Answer(*quiz, false);
        QCOMPARE(Lines(*quiz->List2), QStringList{second});
        QCOMPARE(quiz->Label4->text(), u"Points: 1 from 2 (50%)"_s);
        QCOMPARE(ScoreColour(*quiz), QColor(Qt::red));

        // A double click on the right line (its first click, then the second) answers with it.
        const int correct = quiz->game().question().CorrectIndex - 1;
        const QRect line = quiz->List1->visualItemRect(quiz->List1->item(correct));
        QTest::mouseClick(quiz->List1->viewport(), Qt::LeftButton, {}, line.center());
        QTest::mouseDClick(quiz->List1->viewport(), Qt::LeftButton, {}, line.center());
        QCOMPARE(quiz->Label4->text(), u"Points: 2 from 3 (66%)"_s);
        QCOMPARE(quiz->List3->count(), 2);
    }

    void chooseWithoutAnAnswerOnlyAsks()
    {
        const auto quiz = Open(false);
        const QString word = quiz->Label2->text();
        QTest::mouseClick(quiz->Choose, Qt::LeftButton);
        QCOMPARE(messages_, QStringList{u"Quillet|Alegeti intai o varianta de raspuns!"_s});
        QCOMPARE(quiz->Label2->text(), word);
        QCOMPARE(quiz->Label4->text(), u""_s);
        Answer(*quiz, true);
        QCOMPARE(quiz->Label4->text(), u"Puncte: 1 din 1 (100%)"_s);
    }

    void anEmptyDirectionOffersNothing()
    {
        const DictTable empty;
        const auto quiz = std::make_unique<Form3>(Form3Inputs{empty, score_, true, {}, {}, {}, u"Quillet"_s});
        quiz->showMessage = [this](const QString &, const QString &text) { messages_.append(text); };
        QCOMPARE(quiz->List1->count(), 0);
        QCOMPARE(quiz->Label2->text(), u""_s);
        QTest::mouseClick(quiz->Choose, Qt::LeftButton);
        QCOMPARE(messages_, QStringList{u"Please choose an answer first!"_s});
        QCOMPARE(score_.TotalCount(), 0);
    }

    // The Game item opens the quiz over the main window; its score lasts the run.
    void theScoreOutlivesTheWindow()
    {
        UseTestFolders();
        ForgetStoredState();
        std::function<void(Form3 &)> play;
        const QWidget *owner = nullptr;
        Form1Setup setup;
        setup.programDir = QStringLiteral(QUILLET_FIXTURE_DIR);
        setup.reportLoadFailure = [](const LoadFailure &) {};
        setup.showQuiz = [&play, &owner](Form3 &quiz) {
            QCOMPARE(quiz.parentWidget(), owner);
            play(quiz);
        };
        Form1 form(setup);
        owner = &form;
        QCOMPARE(form.Form_Load(), Form1::LoadOutcome::Loaded);

        play = [](Form3 &quiz) {
            Answer(quiz, true);
            Answer(quiz, false);
            Answer(quiz, true);
        };
        form.mnuGame->trigger();
        play = [](Form3 &quiz) {
            QCOMPARE(quiz.Combo1->currentText(), u"3"_s);
            QCOMPARE(quiz.List3->count(), 0);
            Answer(quiz, true);
            QCOMPARE(quiz.Label4->text(), u"Points: 3 from 4 (75%)"_s);
            QCOMPARE(quiz.List3->count(), 1);
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
