// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace quillet {

// The quiz's score for the whole run: it outlives the quiz window, so closing and
// reopening the window carries it on.
class QuizScore {
public:
    // One judged answer; an answer action that found nothing selected is not one.
    void Record(bool correct);

    qint32 GoodCount() const { return good_; }
    qint32 TotalCount() const { return total_; }
    // The share of good answers in whole percent, truncated: 2 of 3 is 66.
    int Percent() const;

    // "Points: 2 from 3 (66%)", with the two texts of the interface language.
    QString ScoreLine(const QString &lblPuncte, const QString &lblPuncte1) const;

private:
    qint32 good_ = 0;
    qint32 total_ = 0;
};

} // namespace quillet
