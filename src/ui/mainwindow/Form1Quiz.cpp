// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's Game item: the quiz window over the main window.
#include "ui/mainwindow/Form1.h"

#include "ui/quiz/Form3.h"

#include <QAction>

namespace quillet {

void Form1::mnuGame_Click()
{
    Form3 quiz(Form3Inputs{*DictTable_, quizScore_, mnuOptEng->isChecked(), mnuGame->text(), lblPuncte,
                           lblPuncte1, windowTitle()},
               this);
    if (setup_.showQuiz)
        setup_.showQuiz(quiz);
    else
        quiz.exec();
}

} // namespace quillet
