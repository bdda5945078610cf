// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictTable.h"
#include "core/quiz/QuizScore.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <random>
#include <vector>

namespace quillet {

// The quiz's random source. The window takes a fresh one for every question.
using QuizEngine = std::mt19937;

// An engine seeded from the system's random device and the clock.
QuizEngine FreshQuizEngine();

// One candidate of a question: an entry's translation, offered as an answer, and its
// headword.
struct QuizCandidate {
    QString answer;
    QString word;
};

// A question: the candidates in the order the answer list shows them, and which of them
// belongs to the word asked.
struct QuizQuestion {
    std::vector<QuizCandidate> Words;
    // 1-based position of the correct candidate; 0 when there is no candidate at all.
    int CorrectIndex = 0;

    QString Word() const;
    QStringList Answers() const;
    // The word, " = ", its own translation: what the good or wrong list records.
    QString HistoryLine() const;
    bool IsCorrect(int row) const; // row is 0-based
};

// Draws `count` candidates among entries 1..EntryCount(d) of direction d that have both
// a headword and a translation, no two with the same translation text, and picks one of
// them as the correct one. A direction with fewer such entries gives fewer candidates;
// one with none gives an empty question.
QuizQuestion DrawQuizQuestion(const DictTable &table, int d, int count, QuizEngine &engine);

// The direction the quiz's direction box names: 1 for exactly "er", otherwise 2.
int QuizDirection(QStringView directionText);

// One opening's game: the level, the current question, and the judging of answers into
// the run's score.
class QuizGame {
public:
    static constexpr int OpeningDifficulty = 3;
    static constexpr int CandidatesPerLevel = 3;

    enum class Verdict { NoAnswer, Correct, Wrong };

    QuizGame(const DictTable &table, QuizScore &score) : table_(&table), score_(score) {}

    // Draws the next questions from another table (another source of words).
    void setTable(const DictTable &table) { table_ = &table; }
    const DictTable &table() const { return *table_; }
    // How many candidates a question of the current level takes.
    int CandidatesNeeded() const { return CandidatesPerLevel * difficulty_; }

    qint16 Difficulty() const { return difficulty_; }
    // Levels outside 1..3 are ignored.
    void setDifficulty(int level);

    // Replaces the current question with a new one from direction d.
    const QuizQuestion &DrawQuestion(int d, QuizEngine &engine);
    const QuizQuestion &question() const { return question_; }

    // Judges the answer in the given 0-based row of the answer list. No row is no
    // answer: nothing is counted.
    Verdict Answer(std::optional<int> selectedRow);

    const QuizScore &score() const { return score_; }

private:
    const DictTable *table_;
    QuizScore &score_;
    qint16 difficulty_ = OpeningDifficulty;
    QuizQuestion question_;
};

} // namespace quillet
