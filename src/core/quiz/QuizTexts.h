// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/texts/TextTable.h"

#include <QString>
#include <QStringView>

#include <span>

namespace quillet {

// The quiz window's texts in both interface languages, one enumerator per control and
// property, in the order the window writes them when it opens.
enum class QuizTextTarget {
    Label1_3_Caption, // direction choice
    Label1_2_Caption, // level choice
    Label1_1_Caption, // answer list
    Label1_0_Caption, // word
    Choose_Caption,
    Label3_1_Caption, // good answers
    Label3_0_Caption, // wrong answers
    List1_ToolTip,
};

// One row of the quiz's language table.
using QuizText = TextRow<QuizTextTarget>;

std::span<const QuizText> QuizTextRows();

// The name assistive technology gives the control a caption stands for: the caption
// without its colon ("Difficulty level").
QString AccessibleNameOf(QuizTextTarget caption, bool inEnglish);

// The one message of the quiz: shown when the answer action finds no answer selected.
QString ChooseAnswerFirstMessage(bool inEnglish);

} // namespace quillet
