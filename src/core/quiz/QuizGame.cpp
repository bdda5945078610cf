// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quiz/QuizGame.h"

#include <QSet>

#include <algorithm>
#include <chrono>

namespace quillet {

namespace {

// Random picks per wanted candidate before the draw falls back to a scan: a table
// with enough usable entries is almost always served by the picks alone.
constexpr int PicksPerCandidate = 64;

// Collects the candidates of one question, refusing empty entries and a second
// candidate with a translation already offered.
class CandidateDraw {
public:
    CandidateDraw(const DictTable &table, int d, int count) : table_(table), d_(d), count_(count) {}

    bool full() const { return int(words_.size()) >= count_; }

    void offer(int k)
    {
        const QString &word = table_(d_, DictTable::Headword, k);
        const QString &answer = table_(d_, DictTable::Translation, k);
        if (word.isEmpty() || answer.isEmpty() || offered_.contains(answer))
            return;
        offered_.insert(answer);
        words_.push_back({answer, word});
    }

    // Random entries of 1..EntryCount(d) until the question is full or the picks run out.
    void pick(QuizEngine &engine)
    {
        std::uniform_int_distribution<int> entry(1, table_.EntryCount(d_));
        for (int tries = 0; tries < count_ * PicksPerCandidate && !full(); ++tries)
            offer(entry(engine));
    }

    // For a direction with few usable entries: the rest come from all of them, in a
    // random order, so a question takes as many as there are.
    void pickFromAll(QuizEngine &engine)
    {
        std::vector<int> entries;
        for (int k = 1; k <= table_.EntryCount(d_); ++k)
            entries.push_back(k);
        std::shuffle(entries.begin(), entries.end(), engine);
        for (auto k = entries.cbegin(); k != entries.cend() && !full(); ++k)
            offer(*k);
    }

    std::vector<QuizCandidate> take() { return std::move(words_); }

private:
    const DictTable &table_;
    const int d_;
    const int count_;
    QSet<QString> offered_;
    std::vector<QuizCandidate> words_;
};

} // namespace

QuizEngine FreshQuizEngine()
{
    std::random_device device;
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{device(), device(), unsigned(ticks), unsigned(quint64(ticks) >> 32)};
    return QuizEngine(seed);
}

QString QuizQuestion::Word() const
{
    return CorrectIndex > 0 ? Words[std::size_t(CorrectIndex - 1)].word : QString();
}

QStringList QuizQuestion::Answers() const
{
    QStringList answers;
    for (const QuizCandidate &candidate : Words)
        answers.append(candidate.answer);
    return answers;
}

QString QuizQuestion::HistoryLine() const
{
    if (CorrectIndex <= 0)
        return {};
    const QuizCandidate &correct = Words[std::size_t(CorrectIndex - 1)];
    return correct.word + QStringLiteral(" = ") + correct.answer;
}

bool QuizQuestion::IsCorrect(int row) const
{
    return CorrectIndex > 0 && row + 1 == CorrectIndex;
}

QuizQuestion DrawQuizQuestion(const DictTable &table, int d, int count, QuizEngine &engine)
{
    QuizQuestion question;
    if (count <= 0 || table.EntryCount(d) <= 0)
        return question;
    CandidateDraw draw(table, d, count);
    draw.pick(engine);
    if (!draw.full())
        draw.pickFromAll(engine);
    question.Words = draw.take();
    if (!question.Words.empty()) {
        std::uniform_int_distribution<int> correct(1, int(question.Words.size()));
        question.CorrectIndex = correct(engine);
    }
    return question;
}

int QuizDirection(QStringView directionText)
{
    return directionText == u"er" ? DictTable::EnglishRomanian : DictTable::RomanianEnglish;
}

void QuizGame::setDifficulty(int level)
{
    if (level >= 1 && level <= OpeningDifficulty)
        difficulty_ = qint16(level);
}

const QuizQuestion &QuizGame::DrawQuestion(int d, QuizEngine &engine)
{
    question_ = DrawQuizQuestion(*table_, d, CandidatesNeeded(), engine);
    return question_;
}

QuizGame::Verdict QuizGame::Answer(std::optional<int> selectedRow)
{
    if (!selectedRow || *selectedRow < 0 || *selectedRow >= int(question_.Words.size()))
        return Verdict::NoAnswer;
    const bool correct = question_.IsCorrect(*selectedRow);
    score_.Record(correct);
    return correct ? Verdict::Correct : Verdict::Wrong;
}

} // namespace quillet
