// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one quiz question: nine candidates over a full table with a freshly seeded
// engine, as the quiz window draws them, and the worst case of a direction with only a
// handful of usable entries in a table of 200,000, where the draw falls back to a scan.
#include "BenchTable.h"

#include "core/quiz/QuizGame.h"

#include <benchmark/benchmark.h>

namespace {

const quillet::DictTable &FullTable()
{
    static const quillet::DictTable *table = [] {
        static quillet::DictTable t;
        quillet::bench::FillToCapacity(t, QStringLiteral(QUILLET_SOURCE_DIR "/data/en-ro.txt"), 1);
        return &t;
    }();
    return *table;
}

const quillet::DictTable &SparseTable()
{
    static const quillet::DictTable *table = [] {
        static quillet::DictTable t;
        for (int k = 1; k <= 5; ++k) {
            t.set(1, 1, k * 10000, QStringLiteral("w%1").arg(k));
            t.set(1, 2, k * 10000, QStringLiteral("t%1").arg(k));
        }
        t.setEntryCount(1, quillet::DictTable::Capacity);
        return &t;
    }();
    return *table;
}

void DrawQuestion(benchmark::State &state, const quillet::DictTable &table)
{
    for (auto _ : state) {
        quillet::QuizEngine engine = quillet::FreshQuizEngine();
        benchmark::DoNotOptimize(quillet::DrawQuizQuestion(table, 1, 9, engine));
    }
}

void BM_QuizQuestionFullTable(benchmark::State &state)
{
    DrawQuestion(state, FullTable());
}
BENCHMARK(BM_QuizQuestionFullTable)->Unit(benchmark::kMicrosecond);

void BM_QuizQuestionFiveUsableEntries(benchmark::State &state)
{
    DrawQuestion(state, SparseTable());
}
BENCHMARK(BM_QuizQuestionFiveUsableEntries)->Unit(benchmark::kMillisecond);

} // namespace
