// Runs every benchmark, then prints the search engine's median beside the plain scan's
// as a ratio, and the start-up figures.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <cstdio>
#include <map>
#include <string>

namespace quillet::bench {
void ReportStartUp();
}

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
        const auto engine = medians_.find("Engine");
        const auto plain = medians_.find("PlainStdString");
        if (engine == medians_.end() || plain == medians_.end())
            return;
        std::printf("\nmedian of one search, both passes, 57290 entries (us):\n");
        std::printf("%-10s %12s %12s %10s\n", "query", "engine", "std::string", "ratio");
        for (const auto &[query, time] : engine->second) {
            const auto other = plain->second.find(query);
            if (other == plain->second.end())
                continue;
            std::printf("%-10s %12.1f %12.1f %9.1fx\n", query.c_str(), time, other->second, other->second / time);
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> medians_;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    quillet::bench::ReportStartUp();
    benchmark::Shutdown();
    return 0;
}
