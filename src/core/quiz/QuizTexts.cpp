// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quiz/QuizTexts.h"

#include <algorithm>
#include <array>

namespace quillet {

namespace {

using T = QuizTextTarget;

constexpr std::array<QuizText, 8> Rows{{
    {T::Label1_3_Caption, u"Language:", u"Limba:"},
    {T::Label1_2_Caption, u"Difficulty level:", u"Dificultate:"},
    {T::Label1_1_Caption, u"Answers:", u"Variante de răspuns:"},
    {T::Label1_0_Caption, u"Word:", u"Cuvânt:"},
    {T::Choose_Caption, u"Choose the answer then click here!", u"Alege răspunsul și apasă aici!"},
    {T::Label3_1_Caption, u"Good answers:", u"Răspunsuri bune:"},
    {T::Label3_0_Caption, u"Wrong answers:", u"Răspunsuri greșite:"},
    {T::List1_ToolTip, u"Double click correct answer!", u"Faceți dublu clic pe răspunsul corect!"},
}};

} // namespace

std::span<const QuizText> QuizTextRows()
{
    return Rows;
}

QString AccessibleNameOf(QuizTextTarget caption, bool inEnglish)
{
    QString name = TextIn(Rows, caption, inEnglish);
    if (name.endsWith(u':'))
        name.chop(1);
    return name;
}

QString ChooseAnswerFirstMessage(bool inEnglish)
{
    return inEnglish ? QStringLiteral("Please choose an answer first!")
                     : QStringLiteral("Alegeți întâi o variantă de răspuns!");
}

} // namespace quillet
