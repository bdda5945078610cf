// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's Game item: the quiz window over the main window, its words from the
// whole dictionary, My list, My terms or the history.
#include "ui/mainwindow/Form1.h"

#include "core/quiz/QuizSources.h"
#include "ui/quiz/Form3.h"

#include <QAction>

namespace quillet {

void Form1::mnuGame_Click()
{
    LoadPersonalWords();
    const std::unique_ptr<DictTable> kept = QuizTableOf(personal_.kept());
    const std::unique_ptr<DictTable> terms = QuizTableOf(personal_.terms());
    const std::unique_ptr<DictTable> history = QuizTableOf(*DictTable_, history_.entries());
    Form3 quiz(Form3Inputs{*DictTable_, quizScore_, mnuOptEng->isChecked(), mnuGame->text(), lblPuncte, lblPuncte1,
                           windowTitle(),
                           {{QuizSource::MyList, kept.get()},
                            {QuizSource::MyTerms, terms.get()},
                            {QuizSource::History, history.get()}}},
               this);
    if (setup_.showQuiz)
        setup_.showQuiz(quiz);
    else
        quiz.exec();
}

} // namespace quillet
