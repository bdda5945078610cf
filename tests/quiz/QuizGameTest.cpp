#include "quiz/QuizGame.h"

#include "common/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QSet>

#include <utility>

using namespace Qt::StringLiterals;

namespace quillet {
namespace {

// Direction 1: entries 1..count with word "wK" and translation "tK"; the three entries
// after count hold text no draw may reach.
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
    for (int k = 10; k <= 20; ++k) // eleven entries share one translation
        table.set(1, DictTable::Translation, k, u"same"_s);

    for (unsigned seed = 0; seed < 300; ++seed) {
        QuizEngine engine(seed);
        const QuizQuestion question = DrawQuizQuestion(table, 1, 9, engine);
        ASSERT_EQ(question.Words.size(), 9u);
        QSet<QString> answers;
        for (const QuizCandidate &candidate : question.Words) {
            const int k = candidate.word.mid(1).toInt();
            EXPECT_TRUE(k >= 1 && k <= 30 && k != 3 && k != 4) << candidate.word.toStdString();
            EXPECT_EQ(candidate.answer, table(1, DictTable::Translation, k));
            answers.insert(candidate.answer);
        }
        EXPECT_EQ(answers.size(), 9) << "seed " << seed;
        ASSERT_TRUE(question.CorrectIndex >= 1 && question.CorrectIndex <= 9);
        const QuizCandidate &correct = question.Words[std::size_t(question.CorrectIndex - 1)];
        EXPECT_EQ(question.Word(), correct.word);
        EXPECT_EQ(question.HistoryLine(), correct.word + u" = "_s + correct.answer);
        EXPECT_TRUE(question.IsCorrect(question.CorrectIndex - 1));
        EXPECT_FALSE(question.IsCorrect(question.CorrectIndex % 9));
    }
}

TEST(QuizGame, FewUsableEntriesGiveFewerCandidatesAndNoneAnEmptyQuestion)
{
    DictTable table = Table(6);
    table.set(1, DictTable::Translation, 2, u"t1"_s);
    table.set(1, DictTable::Headword, 5, {});
    QuizEngine engine(7);
    const QuizQuestion few = DrawQuizQuestion(table, 1, 9, engine);
    EXPECT_EQ(few.Words.size(), 4u); // 1 or 2, 3, 4, 6
    EXPECT_TRUE(few.CorrectIndex >= 1 && few.CorrectIndex <= 4);

    for (const int d : {1, 2}) {
        DictTable empty = Table(0);
        empty.setEntryCount(2, 5); // counted, yet nothing in it
        const QuizQuestion none = DrawQuizQuestion(empty, d, 9, engine);
        EXPECT_TRUE(none.Words.empty());
        EXPECT_EQ(none.CorrectIndex, 0);
        EXPECT_EQ(none.Word(), u""_s);
        EXPECT_FALSE(none.IsCorrect(-1));
        EXPECT_FALSE(none.IsCorrect(0));
    }
}

TEST(QuizGame, LevelsAndDirections)
{
    DictTable table = Table(40);
    table.set(2, DictTable::Headword, 1, u"ro"_s);
    table.set(2, DictTable::Translation, 1, u"en"_s);
    table.setEntryCount(2, 1);
    QuizScore score;
    QuizGame game(table, score);
    QuizEngine engine(1);
    EXPECT_EQ(game.Difficulty(), 3);
    const std::pair<int, std::size_t> levels[] = {{1, 3}, {2, 6}, {0, 6}, {4, 6}, {3, 9}};
    for (const auto &[level, expected] : levels) {
        game.setDifficulty(level);
        EXPECT_EQ(game.DrawQuestion(1, engine).Words.size(), expected) << level;
    }
    EXPECT_EQ(QuizDirection(u"er"), 1);
    EXPECT_EQ(QuizDirection(u"re"), 2);
    EXPECT_EQ(QuizDirection(u"ER"), 2);
    EXPECT_EQ(game.DrawQuestion(QuizDirection(u"re"), engine).Word(), u"ro"_s);
}

TEST(QuizGame, JudgesOnlySelectedAnswersIntoTheScore)
{
    DictTable table = Table(40);
    QuizScore score;
    QuizGame game(table, score);
    QuizEngine engine(3);
    game.DrawQuestion(1, engine);
    const int right = game.question().CorrectIndex - 1;

    EXPECT_EQ(game.Answer(std::nullopt), QuizGame::Verdict::NoAnswer);
    EXPECT_EQ(game.Answer(9), QuizGame::Verdict::NoAnswer);
    EXPECT_EQ(score.TotalCount(), 0);
    EXPECT_EQ(game.Answer(right), QuizGame::Verdict::Correct);
    EXPECT_EQ(score.ScoreLine(u"Points: "_s, u" from "_s), u"Points: 1 from 1 (100%)"_s);
    EXPECT_EQ(game.Answer((right + 1) % 9), QuizGame::Verdict::Wrong);
    EXPECT_EQ(game.Answer(right), QuizGame::Verdict::Correct);
    EXPECT_EQ(score.ScoreLine(u"Puncte: "_s, u" din "_s), u"Puncte: 2 din 3 (66%)"_s);

    QuizScore wrongFirst;
    wrongFirst.Record(false);
    EXPECT_EQ(wrongFirst.ScoreLine(u"Points: "_s, u" from "_s), u"Points: 0 from 1 (0%)"_s);
    QuizScore exact; // 29 of 100 is 29 %, whatever 0.29 * 100 comes to in floating point
    for (int i = 0; i < 100; ++i)
        exact.Record(i < 29);
    EXPECT_EQ(exact.Percent(), 29);
}

} // namespace
} // namespace quillet
