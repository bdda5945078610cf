// Start to first list as a user meets it: the main window is made, the dictionary is
// extracted, read and its text files deleted, and the first list is filled. Runs a few
// times in test folders (no user settings or history are touched) and prints the
// median, the rows listed and the process's peak memory.
#include "lookup/ResultList.h"
#include "mainwindow/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Run {
    qint64 ms = 0;
    int rows = 0;
    bool loaded = false;
};

Run StartOnce()
{
    Run run;
    QElapsedTimer clock;
    clock.start();
    quillet::Form1Setup setup;
    setup.programDir = QStringLiteral(QUILLET_PROGRAM_DIR);
    setup.reportLoadFailure = [](const quillet::LoadFailure &f) {
        std::printf("no dictionary: %s\n", qPrintable(f.message()));
    };
    auto form = std::make_unique<quillet::Form1>(setup);
    run.loaded = form->Form_Load() == quillet::Form1::LoadOutcome::Loaded;
    run.rows = form->lv[0]->topLevelItemCount();
    run.ms = clock.elapsed();
    form->close();
    return run;
}

double PeakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    std::vector<qint64> times;
    Run last;
    for (int i = 0; i < 5; ++i) {
        last = StartOnce();
        if (!last.loaded)
            return 1;
        times.push_back(last.ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("\nstart to first list (window, extract, read, delete, fill): median %lld ms of %zu runs "
                "(first %lld ms); %d rows listed; peak memory %.1f MiB\n",
                static_cast<long long>(times[times.size() / 2]), times.size(), static_cast<long long>(times.front()),
                last.rows, PeakMemoryMiB());
    return 0;
}
