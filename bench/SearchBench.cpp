// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of one search (both passes) over the shipped English and Romanian entries, and
// over a table filled to its bound with generated words after the shipped ones; next to
// it a plain two-pass scan over std::string copies of the filled table's headwords. The
// queries include the worst kinds: one letter, a common inner part, and no match at all.
#include "BenchTable.h"

#include "core/lookup/SearchEngine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

const QString EnglishData = QStringLiteral(QUILLET_SOURCE_DIR "/data/en-ro.txt");
const QString RomanianData = QStringLiteral(QUILLET_SOURCE_DIR "/data/ro-en.txt");

const quillet::DictTable &Table(int which)
{
    static const std::vector<const quillet::DictTable *> tables = [] {
        static quillet::DictTable english, romanian, filled;
        quillet::bench::FillShipped(english, EnglishData, 1);
        quillet::bench::FillShipped(romanian, RomanianData, 2);
        quillet::bench::FillToCapacity(filled, EnglishData, 1);
        return std::vector<const quillet::DictTable *>{&english, &romanian, &filled};
    }();
    return *tables[std::size_t(which)];
}

constexpr int EnglishTable = 0;
constexpr int RomanianTable = 1;
constexpr int FilledTable = 2;

const std::vector<QString> EnglishQueries{QStringLiteral("p"), QStringLiteral("val"), QStringLiteral("tion"),
                                          QStringLiteral("pressure"), QStringLiteral("qqqzz"),
                                          QStringLiteral("eeeee")};
const std::vector<QString> RomanianQueries{QStringLiteral("ț"), QStringLiteral("are"), QStringLiteral("tensiune"),
                                           QStringLiteral("rulmenților"), QStringLiteral("șșș")};

double Percentile90(const std::vector<double> &values)
{
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    return sorted[std::size_t(0.9 * double(sorted.size() - 1) + 0.5)];
}

void Search(benchmark::State &state, int table, const std::vector<QString> &queries, quillet::Diacritics diacritics)
{
    const quillet::DictTable &t = Table(table);
    const int d = table == RomanianTable ? 2 : 1;
    const QString &query = queries[std::size_t(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(quillet::SearchDictionary(t, d, query, diacritics));
    state.SetLabel(query.toStdString());
    state.counters["entries"] = t.EntryCount(d);
}

void EngineShippedEnglish(benchmark::State &state)
{
    Search(state, EnglishTable, EnglishQueries, quillet::Diacritics::Distinct);
}

void EngineShippedRomanian(benchmark::State &state)
{
    Search(state, RomanianTable, RomanianQueries, quillet::Diacritics::Distinct);
}

void EngineShippedRomanianIgnoringDiacritics(benchmark::State &state)
{
    Search(state, RomanianTable, RomanianQueries, quillet::Diacritics::Ignored);
}

void EngineFilledTable(benchmark::State &state)
{
    Search(state, FilledTable, EnglishQueries, quillet::Diacritics::Distinct);
}

void EngineIgnoringDiacriticsFilledTable(benchmark::State &state)
{
    Search(state, FilledTable, EnglishQueries, quillet::Diacritics::Ignored);
}

const std::vector<std::string> &PlainHeadwords()
{
    static const std::vector<std::string> words = [] {
        std::vector<std::string> w;
        const quillet::DictTable &t = Table(FilledTable);
        for (int k = 1; k <= t.EntryCount(1); ++k)
            w.push_back(t(1, 1, k).toStdString());
        return w;
    }();
    return words;
}

bool ContainsIgnoringCase(const std::string &text, const std::string &query)
{
    const auto lowerEqual = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    return std::search(text.begin(), text.end(), query.begin(), query.end(), lowerEqual) != text.end();
}

void PlainStdStringFilledTable(benchmark::State &state)
{
    const std::string query = EnglishQueries[std::size_t(state.range(0))].toStdString();
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
    state.SetLabel(query);
}

} // namespace

#define QUILLET_SEARCH_BENCHMARK(name, queries)                                                                       \
    BENCHMARK(name)                                                                                                   \
        ->DenseRange(0, int((queries).size()) - 1)                                                                    \
        ->Repetitions(9)                                                                                              \
        ->ComputeStatistics("p90", Percentile90)                                                                      \
        ->ReportAggregatesOnly(true)                                                                                  \
        ->Unit(benchmark::kMicrosecond)

QUILLET_SEARCH_BENCHMARK(EngineShippedEnglish, EnglishQueries);
QUILLET_SEARCH_BENCHMARK(EngineShippedRomanian, RomanianQueries);
QUILLET_SEARCH_BENCHMARK(EngineShippedRomanianIgnoringDiacritics, RomanianQueries);
QUILLET_SEARCH_BENCHMARK(EngineFilledTable, EnglishQueries);
QUILLET_SEARCH_BENCHMARK(EngineIgnoringDiacriticsFilledTable, EnglishQueries);
QUILLET_SEARCH_BENCHMARK(PlainStdStringFilledTable, EnglishQueries);
