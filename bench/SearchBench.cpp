// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of one search (both passes) over a table filled to all 57,290 entries, next to
// a plain two-pass scan over std::string copies of the same headwords; and the same
// search over the shipped entries alone, as the program meets them today.
#include "BenchTable.h"

#include "core/lookup/SearchEngine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString DataFile = QStringLiteral(QUILLET_SOURCE_DIR "/data/en-ro.txt");

const quillet::DictTable &Table()
{
    static const quillet::DictTable *table = [] {
        static quillet::DictTable t;
        quillet::bench::FillToCapacity(t, DataFile);
        return &t;
    }();
    return *table;
}

const quillet::DictTable &ShippedTable()
{
    static const quillet::DictTable *table = [] {
        static quillet::DictTable t;
        quillet::bench::FillShipped(t, DataFile);
        return &t;
    }();
    return *table;
}

const std::vector<std::string> &PlainHeadwords()
{
    static const std::vector<std::string> words = [] {
        std::vector<std::string> w;
        for (int k = 1; k <= quillet::DictTable::Capacity; ++k)
            w.push_back(Table()(1, 1, k).toStdString());
        return w;
    }();
    return words;
}

const char *const Queries[] = {"p", "val", "pressure", "qqqzz"};

bool ContainsIgnoringCase(const std::string &text, const std::string &query)
{
    const auto lowerEqual = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    return std::search(text.begin(), text.end(), query.begin(), query.end(), lowerEqual) != text.end();
}

void Search(benchmark::State &state, const quillet::DictTable &table)
{
    const QString query = QString::fromLatin1(Queries[state.range(0)]);
    for (auto _ : state)
        benchmark::DoNotOptimize(quillet::SearchDictionary(table, 1, query));
    state.SetLabel(Queries[state.range(0)]);
    state.counters["entries"] = table.EntryCount(1);
}

// The same search with diacritics ignored, over the headwords' folded copies.
void EngineIgnoringDiacriticsFilledTable(benchmark::State &state)
{
    const QString query = QString::fromLatin1(Queries[state.range(0)]);
    const quillet::DictTable &table = Table();
    for (auto _ : state)
        benchmark::DoNotOptimize(quillet::SearchDictionary(table, 1, query, quillet::Diacritics::Ignored));
    state.SetLabel(Queries[state.range(0)]);
}

void EngineFilledTable(benchmark::State &state)
{
    Search(state, Table());
}

void EngineShippedEntries(benchmark::State &state)
{
    Search(state, ShippedTable());
}

void PlainStdStringFilledTable(benchmark::State &state)
{
    const std::string query = Queries[state.range(0)];
    const auto &words = PlainHeadwords();
    for (auto _ : state) {
        std::vector<int> starting, containing;
        for (std::size_t k = 0; k < words.size(); ++k) {
            if (words[k].compare(0, query.size(), query) == 0 && starting.size() < 100)
                starting.push_back(int(k + 1));
            if (containing.size() < 100 && ContainsIgnoringCase(words[k], query))
                containing.push_back(int(k + 1));
        }
        benchmark::DoNotOptimize(starting);
        benchmark::DoNotOptimize(containing);
    }
    state.SetLabel(Queries[state.range(0)]);
}

} // namespace

BENCHMARK(EngineFilledTable)->DenseRange(0, 3)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(EngineIgnoringDiacriticsFilledTable)->DenseRange(0, 3)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainStdStringFilledTable)->DenseRange(0, 3)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(EngineShippedEntries)->DenseRange(0, 3)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
