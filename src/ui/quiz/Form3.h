// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/quiz/QuizGame.h"
#include "core/quiz/QuizSources.h"

#include <QDialog>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quillet {

class DictTable;
class QuizScore;

// What the quiz window reads from the main window when it opens.
struct Form3Inputs {
    const DictTable &table;
    QuizScore &score; // the run's score, kept by the main window
    bool english = true;
    QString caption;    // the main window's Game item
    QString lblPuncte;  // "Points: "
    QString lblPuncte1; // " from "
    QString programTitle;
    // The sources of words besides the whole dictionary (`table`), each with its table.
    std::vector<std::pair<QuizSource, const DictTable *>> otherSources = {};
};

// The quiz window: a word, candidate translations to pick from, the answers given so far
// and the score line. Everything but the score is set up afresh at every opening.
class Form3 : public QDialog {
    Q_OBJECT
public:
    explicit Form3(Form3Inputs inputs, QWidget *parent = nullptr);

    // Shows the quiz's one message (title, text); a modal box unless a test replaces it.
    std::function<void(const QString &, const QString &)> showMessage;
    // The random source of each question; a freshly seeded engine unless replaced.
    std::function<QuizEngine()> newEngine = FreshQuizEngine;

    void Form_Load();
    void Combo1_Click();
    void Combo2_Click();
    // Another source of words was chosen; one with too few words says so, and the
    // quiz goes on with the whole dictionary.
    void Combo3_Click();
    void DrawQuestion();
    void Choose_Click();
    void List1_DblClick();
    // Enter on an answer chooses it; true when the key was used.
    bool List1_KeyDown(int key);

    const QuizGame &game() const { return game_; }

    std::array<QLabel *, 4> Label1{}; // word, answers, level, direction captions
    QLabel *Label2 = nullptr;         // the word asked
    std::array<QLabel *, 2> Label3{}; // wrong, good answers captions
    QLabel *Label4 = nullptr;         // score line
    QComboBox *Combo1 = nullptr;      // level
    QComboBox *Combo2 = nullptr;      // direction
    QLabel *Label5 = nullptr;         // source caption
    QComboBox *Combo3 = nullptr;      // where the words come from
    QListWidget *List1 = nullptr;     // candidate answers
    QListWidget *List2 = nullptr;     // wrong answers
    QListWidget *List3 = nullptr;     // good answers
    QPushButton *Choose = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void applyTexts();
    void record(QListWidget *list, const QString &line);
    std::optional<int> selectedAnswer() const;

    Form3Inputs inputs_;
    QuizGame game_;
};

} // namespace quillet
