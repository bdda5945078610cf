// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every benchmark, then prints the search engine's median beside the plain scan's
// as a ratio. The benchmarks' own report goes to stdout in the
// format asked for (--benchmark_format) and to --benchmark_out; the extra figures go to
// stderr, so neither report has other text mixed into it.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <cstdio>
#include <map>
#include <string>

namespace {

// Keeps the medians while printing the usual console report.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.aggregate_name == "median")
                medians_[run.run_name.function_name][run.report_label] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const
    {
        const auto engine = medians_.find("EngineFilledTable");
        const auto plain = medians_.find("PlainStdStringFilledTable");
        if (engine == medians_.end() || plain == medians_.end())
            return;
        std::fprintf(stderr, "\nmedian of one search, both passes, table filled to its bound (us):\n");
        std::fprintf(stderr, "%-10s %12s %12s %10s\n", "query", "engine", "std::string", "ratio");
        for (const auto &[query, time] : engine->second) {
            const auto other = plain->second.find(query);
            if (other == plain->second.end())
                continue;
            std::fprintf(stderr, "%-10s %12.1f %12.1f %9.1fx\n", query.c_str(), time, other->second,
                         other->second / time);
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> medians_;
};

// Whether the benchmarks' report on stdout is the console table (the default).
bool ConsoleFormat(int argc, char **argv)
{
    const std::string flag = "--benchmark_format=";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind(flag, 0) == 0)
            return argument.substr(flag.size()) == "console";
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool console = ConsoleFormat(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // The ratios need the console report's medians; another format reports alone.
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(console ? &reporter : nullptr);
    std::fflush(stdout);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
