// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quiz/QuizTexts.h"

#include <array>

namespace quillet {

namespace {

using T = QuizTextTarget;

// "Dificulty" and the Romanian tip's lower-case start are the window's own spelling.
constexpr std::array<QuizText, 8> Rows{{
    {T::Label1_3_Caption, u"Language:", u"Limba:"},
    {T::Label1_2_Caption, u"Dificulty level:", u"Dificultate:"},
    {T::Label1_1_Caption, u"Answers:", u"Variante raspuns:"},
    {T::Label1_0_Caption, u"Word:", u"Cuvant:"},
    {T::Choose_Caption, u"Choose the answer then click here!", u"Alege raspunsul si apasa aici!"},
    {T::Label3_1_Caption, u"Good answers:", u"Raspunsuri bune:"},
    {T::Label3_0_Caption, u"Wrong answers:", u"Raspunsuri gresite:"},
    {T::List1_ToolTip, u"Double click correct answer!", u"faceti dublu-click pe raspunsul corect!"},
}};

} // namespace

std::span<const QuizText> QuizTextRows()
{
    return Rows;
}

QString ChooseAnswerFirstMessage(bool inEnglish)
{
    return inEnglish ? QStringLiteral("Please choose an answer first!")
                     : QStringLiteral("Alegeti intai o varianta de raspuns!");
}

} // namespace quillet
