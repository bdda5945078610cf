// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quiz/QuizScore.h"

namespace quillet {

void QuizScore::Record(bool correct)
{
    ++total_;
    if (correct)
        ++good_;
}

int QuizScore::Percent() const
{
    // In whole numbers, so that 29 of 100 reads 29, never 28 by a rounding of 0.29.
    return total_ > 0 ? int(qint64(good_) * 100 / total_) : 0;
}

QString QuizScore::ScoreLine(const QString &lblPuncte, const QString &lblPuncte1) const
{
    return lblPuncte + QString::number(good_) + lblPuncte1 + QString::number(total_)
           + QStringLiteral(" (") + QString::number(Percent()) + QStringLiteral("%)");
}

} // namespace quillet
