// Speed of one search (both passes) over a table filled to all 57,290 entries, next to
// a plain two-pass scan over std::string copies of the same headwords.
#include "BenchTable.h"

#include "lookup/SearchEngine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const quillet::DictTable &Table()
{
    static const quillet::DictTable *table = [] {
        static quillet::DictTable t;
        quillet::bench::FillToCapacity(t, QStringLiteral(QUILLET_SOURCE_DIR "/data/en-ro.txt"));
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

void Engine(benchmark::State &state)
{
    const QString query = QString::fromLatin1(Queries[state.range(0)]);
    const quillet::DictTable &table = Table();
    for (auto _ : state)
        benchmark::DoNotOptimize(quillet::SearchDictionary(table, 1, query));
    state.SetLabel(Queries[state.range(0)]);
}

// The same search with diacritics ignored, over the headwords' folded copies.
void EngineIgnoringDiacritics(benchmark::State &state)
{
    const QString query = QString::fromLatin1(Queries[state.range(0)]);
    const quillet::DictTable &table = Table();
    for (auto _ : state)
        benchmark::DoNotOptimize(quillet::SearchDictionary(table, 1, query, quillet::Diacritics::Ignored));
    state.SetLabel(Queries[state.range(0)]);
}

void PlainStdString(benchmark::State &state)
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

BENCHMARK(Engine)->DenseRange(0, 3)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(EngineIgnoringDiacritics)->DenseRange(0, 3)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainStdString)->DenseRange(0, 3)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
