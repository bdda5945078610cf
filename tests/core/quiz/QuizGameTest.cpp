// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quiz/QuizGame.h"

#include "common/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace Qt::StringLiterals;

namespace quillet {
namespace {

// Direction 1: entries 1..count hold "wK" = "tK"; three more after them no draw may reach.
DictTable Table(int count)
{
    DictTable table;
    for (int k = 1; k <= count + 3; ++k) {
        table.set(1, DictTable::Headword, k, u"w%1"_s.arg(k));
        table.set(1, DictTable::Translation, k, u"t%1"_s.arg(k));
    }
    table.setEntryCount(1, count);
    return table;
}

TEST(QuizGame, DrawsOnlyRealDistinctEntriesAndAsksTheWordOfTheCorrectOne)
{
    DictTable table = Table(30);
    table.set(1, DictTable::Headword, 3, {});
    table.set(1, DictTable::Translation, 4, {});
    for (int k = 10; k <= 20; ++k)
        table.set(1, DictTable::Translation, k, u"same"_s);

    for (unsigned seed = 0; seed < 300; ++seed) {
        QuizEngine engine(seed);
        const QuizQuestion question = DrawQuizQuestion(table, 1, 9, engine);
        ASSERT_EQ(question.Words.size(), 9u);
        QSet<QString> answers;
        for (const QuizCandidate &candidate : question.Words) {
            const int k = candidate.word.mid(1).toInt();
            EXPECT_TRUE(k >= 1 && k <= 30 && k != 3 && k != 4) << k;
            EXPECT_EQ(candidate.answer, table(1, DictTable::Translation, k));
            answers.insert(candidate.answer);
        }
        EXPECT_EQ(answers.size(), 9) << "seed " << seed;
        ASSERT_TRUE(question.CorrectIndex >= 1 && question.CorrectIndex <= 9);
        const QuizCandidate &correct = question.Words[std::size_t(question.CorrectIndex - 1)];
        EXPECT_EQ(question.HistoryLine(), question.Word() + u" = "_s + correct.answer);
        EXPECT_EQ(question.Word(), correct.word);
    }
}

TEST(QuizGame, FewUsableEntriesGiveFewerCandidatesAndNoneAnEmptyQuestion)
{
    DictTable table = Table(6);
    table.set(1, DictTable::Translation, 2, u"t1"_s);
    table.set(1, DictTable::Headword, 5, {});
    QuizEngine engine(7);
    EXPECT_EQ(DrawQuizQuestion(table, 1, 9, engine).Words.size(), 4u); // 1 or 2, 3, 4, 6

    table.setEntryCount(1, 0);
    table.setEntryCount(2, 5); // counted, yet empty
    for (const int d : {1, 2}) {
        const QuizQuestion none = DrawQuizQuestion(table, d, 9, engine);
        EXPECT_TRUE(none.Words.empty());
        EXPECT_EQ(none.CorrectIndex, 0);
        EXPECT_FALSE(none.IsCorrect(0));
    }
}

TEST(QuizScore, PercentIsTruncatedAndExact)
{
    QuizScore score;
    for (int i = 0; i < 100; ++i)
        score.Record(i < 29); // 29 of 100, never 28 by a rounding of 0.29 * 100
    EXPECT_EQ(score.Percent(), 29);
}

} // namespace
} // namespace quillet
