// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a user meets it, timed from outside: each run starts the built program
// as a new process and waits for it, so loading, linking and every allocation count.
//   - `quillet --lookup WORD`: wall time and peak memory, for a headword, an inflected
//     form and a misspelling;
//   - the window, under the offscreen platform: from the process start to the first
//     list painted (the program writes a line then, timed as it arrives, and ends: the time
//     to its end, the settings stored, is shown beside), and the peak memory of a window
//     left running until its word forms are read;
//   - both again on an archive filled to every bound the loader accepts, for the memory
//     bound;
//   - `quillet --lookup` beside `sdcv -n` (the console dictionary a command-line user would
//     pick instead) on the same data, a StarDict book made from data/ with stardict-tools'
//     tabfile: each pair run in turn, medians of wall time, processor time and peak memory,
//     and their ratios. `make bench` installs both peers; they are never build dependencies.
// Each figure is the median and the 90th percentile of its runs. Nothing of the user's
// own is touched: every run has a home folder of its own. `--window` times the window
// alone.
#include "core/dictionary/DictionaryFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Run {
    double ms = 0;
    double lineMs = 0; // when the program's first line of output came; 0 when none was awaited
    double cpuMs = 0;
    double peakMiB = 0;
    bool ok = false;
};

double Ms(const timeval &time)
{
    return double(time.tv_sec) * 1000.0 + double(time.tv_usec) / 1000.0;
}

// The time from `start` until a line feed comes on `fd` (or the pipe ends).
double MsToFirstLine(int fd, std::chrono::steady_clock::time_point start)
{
    char byte = 0;
    while (read(fd, &byte, 1) == 1 && byte != '\n') {
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Starts the program with its output sent to /dev/null, waits, and reads its resources.
// With endAfterMs, the program is asked to end (SIGTERM) after that long. With
// timeFirstLine, its standard output comes through a pipe and the time its first line
// arrives is taken too.
Run RunOnce(const std::vector<std::string> &command, const std::vector<std::string> &environment, int endAfterMs = 0,
            bool timeFirstLine = false)
{
    std::vector<char *> argv;
    for (const std::string &a : command)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char *> envp;
    for (const std::string &e : environment)
        envp.push_back(const_cast<char *>(e.c_str()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int output[2] = {-1, -1};
    if (timeFirstLine && pipe2(output, O_CLOEXEC) == 0)
        posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    Run run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
        if (output[1] >= 0) {
            close(output[1]);
            output[1] = -1;
            run.lineMs = MsToFirstLine(output[0], start);
        }
        if (endAfterMs > 0) {
            usleep(useconds_t(endAfterMs) * 1000);
            kill(pid, SIGTERM);
        }
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) == pid) {
            run.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            run.peakMiB = double(usage.ru_maxrss) / 1024.0;
            run.cpuMs = Ms(usage.ru_utime) + Ms(usage.ru_stime);
            run.ok = WIFEXITED(status) && WEXITSTATUS(status) <= 1;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    for (const int fd : output)
        if (fd >= 0)
            close(fd);
    return run;
}

double Percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[std::size_t(fraction * double(values.size() - 1) + 0.5)];
}

// Runs the command `times` times and prints its figures; false when a run failed. With
// timeFirstLine, the times are those of the program's first line of output, and the
// process's whole life follows them.
bool Report(const char *what, const std::vector<std::string> &command, const std::vector<std::string> &environment,
            int times, int endAfterMs = 0, bool timeFirstLine = false)
{
    std::vector<double> ms;
    std::vector<double> lifeMs;
    std::vector<double> peak;
    for (int i = 0; i < times; ++i) {
        const Run run = RunOnce(command, environment, endAfterMs, timeFirstLine);
        if (!run.ok) {
            std::printf("%-44s FAILED\n", what);
            return false;
        }
        ms.push_back(timeFirstLine ? run.lineMs : run.ms);
        lifeMs.push_back(run.ms);
        peak.push_back(run.peakMiB);
    }
    std::printf("%-44s median %7.1f ms  p90 %7.1f ms  peak memory median %6.1f MiB (max %6.1f) over %d runs", what,
                Percentile(ms, 0.5), Percentile(ms, 0.9), Percentile(peak, 0.5), Percentile(peak, 1.0), times);
    if (timeFirstLine)
        std::printf("  (to its end, settings stored: median %.1f ms)", Percentile(lifeMs, 0.5));
    std::printf("\n");
    return true;
}

// Runs the two commands in turn `times` times and prints the medians of each and their
// ratios (first / second); false when a run failed.
bool ReportPair(const std::string &what, const std::vector<std::string> &first, const std::vector<std::string> &second,
                const std::vector<std::string> &environment, int times)
{
    std::vector<Run> runs[2];
    for (int i = 0; i < times; ++i)
        for (int side = 0; side < 2; ++side) {
            runs[side].push_back(RunOnce(side == 0 ? first : second, environment));
            if (!runs[side].back().ok) {
                std::printf("%-58s FAILED (%s)\n", what.c_str(), (side == 0 ? first : second)[0].c_str());
                return false;
            }
        }
    double median[2][3];
    for (int side = 0; side < 2; ++side) {
        std::vector<double> ms, cpu, peak;
        for (const Run &run : runs[side]) {
            ms.push_back(run.ms);
            cpu.push_back(run.cpuMs);
            peak.push_back(run.peakMiB);
        }
        median[side][0] = Percentile(ms, 0.5);
        median[side][1] = Percentile(cpu, 0.5);
        median[side][2] = Percentile(peak, 0.5);
    }
    std::printf("%-58s wall %6.1f / %6.1f ms = %5.2fx  cpu %5.1f / %5.1f ms = %5.2fx  peak %5.1f / %5.1f MiB\n",
                what.c_str(), median[0][0], median[1][0], median[0][0] / median[1][0], median[0][1], median[1][1],
                median[0][1] / std::max(median[1][1], 0.1), median[0][2], median[1][2]);
    return true;
}

enum class Window { None, UntilFirstList, Running };

std::vector<std::string> Environment(const QString &home, Window window)
{
    std::vector<std::string> env{"HOME=" + home.toStdString(), "XDG_CONFIG_HOME=" + home.toStdString() + "/config",
                                 "XDG_DATA_HOME=" + home.toStdString() + "/data",
                                 "XDG_RUNTIME_DIR=" + home.toStdString(), "LANG=C.UTF-8"};
    if (const char *path = std::getenv("PATH"))
        env.push_back(std::string("PATH=") + path);
    if (window != Window::None)
        env.emplace_back("QT_QPA_PLATFORM=offscreen");
    if (window == Window::UntilFirstList)
        env.emplace_back("QUILLET_QUIT_AFTER_FIRST_LIST=1");
    return env;
}

// Lines of `width` bytes (the line feed included) until the file holds about `bytes`.
void WriteLines(QFile &file, qint64 bytes, int width, const char *prefix, const char *tail = "")
{
    const qint64 lines = bytes / width;
    for (qint64 i = 0; i < lines; ++i) {
        std::string line = prefix + std::to_string(i) + tail;
        line.resize(std::size_t(width - 1), 'x');
        line += '\n';
        file.write(line.data(), qint64(line.size()));
    }
}

// A program folder beside the built one whose archive holds members as large as the
// loader accepts, within its entry bound.
bool PackFilledFolder(const QDir &folder)
{
    const QDir built(QStringLiteral(QUILLET_PROGRAM_DIR));
    for (const QString &name : built.entryList(QDir::Files | QDir::Executable))
        if (!QFile::copy(built.filePath(name), folder.filePath(name)))
            return false;
    QFile::copy(built.filePath(quillet::files::Background), folder.filePath(quillet::files::Background));
    // Headwords and translations tab-separated, as the packer takes them; an entry is
    // wide enough that the entry bound and the file bounds are met together.
    const int entries = 199'000;
    const int headwordWidth = int(quillet::files::MaxHeadwordsBytes / 200'000);
    const int translationWidth = int(quillet::files::MaxTranslationsBytes / 200'000);
    for (const char *name : {"en-ro.txt", "ro-en.txt"}) {
        QFile text(folder.filePath(QString::fromLatin1(name)));
        if (!text.open(QIODevice::WriteOnly))
            return false;
        for (int i = 0; i < entries; ++i) {
            std::string headword = "w" + std::to_string(i);
            headword.resize(std::size_t(headwordWidth - 1), 'a' + char(i % 26));
            std::string translation = "t" + std::to_string(i);
            translation.resize(std::size_t(translationWidth - 1), 'b');
            const std::string line = headword + '\t' + translation + '\n';
            text.write(line.data(), qint64(line.size()));
        }
    }
    for (const char *name : {"en-forms.txt", "ro-forms.txt"}) {
        QFile forms(folder.filePath(QString::fromLatin1(name)));
        if (!forms.open(QIODevice::WriteOnly))
            return false;
        WriteLines(forms, quillet::files::MaxFormsBytes - 64 * 1024, 40, "form", "\tw1");
    }
    return QProcess::execute(QStringLiteral(QUILLET_PACK),
                             {QStringLiteral("--out"), folder.filePath(quillet::files::Database),
                              folder.filePath(QStringLiteral("en-ro.txt")), folder.filePath(QStringLiteral("ro-en.txt")),
                              folder.filePath(QStringLiteral("en-forms.txt")),
                              folder.filePath(QStringLiteral("ro-forms.txt"))})
        == 0;
}

bool ReportProgram(const QString &programDir, const QString &home, const char *label, int times, bool lookups)
{
    const std::string program = QDir(programDir).filePath(QStringLiteral("quillet")).toStdString();
    bool ok = true;
    for (const char *word : {"valve", "rulmenților", "rulmnet"}) {
        const std::string what = std::string(label) + " quillet --lookup " + word;
        ok = !lookups || (Report(what.c_str(), {program, "--lookup", word}, Environment(home, Window::None), times) && ok);
    }
    const std::string first = std::string(label) + " start to first list painted";
    ok = Report(first.c_str(), {program}, Environment(home, Window::UntilFirstList), times, 0, true) && ok;
    // Its memory once the word forms are read too: the window runs two seconds, then is
    // asked to end.
    const std::string running = std::string(label) + " window for 2 s (memory)";
    return Report(running.c_str(), {program}, Environment(home, Window::Running), 3, 2000) && ok;
}

// A StarDict book of each direction of data/, made with stardict-tools' tabfile, in
// `folder`; false when the tools are missing or fail.
bool MakeStarDictBooks(const QDir &folder)
{
    const QString tabfile = QStringLiteral("/usr/lib/stardict-tools/tabfile");
    if (!QFile::exists(tabfile))
        return false;
    for (const QString &name : {QStringLiteral("en-ro.txt"), QStringLiteral("ro-en.txt")}) {
        const QString copy = folder.filePath(name);
        if (!QFile::copy(QStringLiteral(QUILLET_SOURCE_DIR "/data/") + name, copy))
            return false;
        QProcess convert;
        convert.setProcessChannelMode(QProcess::MergedChannels);
        convert.start(tabfile, {copy});
        if (!convert.waitForFinished(120000) || convert.exitCode() != 0)
            return false;
        QFile::remove(copy);
    }
    return true;
}

// quillet against sdcv on the same words and the same data.
bool ComparePeers(const QString &home, int times)
{
    const QTemporaryDir books;
    if (QProcess::execute(QStringLiteral("sdcv"), {QStringLiteral("--version")}) != 0
        || !MakeStarDictBooks(QDir(books.path()))) {
        std::printf("\nsdcv or stardict-tools missing: `make bench` installs them\n");
        return false;
    }
    std::printf("\nquillet / sdcv -n on the same data, pairs run in turn (%d pairs, medians)\n", times);
    const std::string program = QDir(QStringLiteral(QUILLET_PROGRAM_DIR)).filePath(QStringLiteral("quillet")).toStdString();
    const std::vector<std::string> environment = Environment(home, Window::None);
    bool ok = true;
    // A headword, a word that is no headword (its base form is found), a long phrase.
    for (const char *word : {"water", "bearings", "acquired immune deficiency syndrome"}) {
        const std::vector<std::string> sdcv{"/usr/bin/sdcv", "-n", "--data-dir", books.path().toStdString(), word};
        ok = ReportPair(std::string("--lookup \"") + word + "\"", {program, "--lookup", word}, sdcv, environment, times)
             && ok;
        ok = ReportPair(std::string("-d er --lookup \"") + word + "\"", {program, "-d", "er", "--lookup", word}, sdcv,
                        environment, times)
             && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QTemporaryDir home;
    std::printf("\nthe program itself, timed from outside (%ld cores)\n", sysconf(_SC_NPROCESSORS_ONLN));
    const bool windowOnly = app.arguments().contains(QStringLiteral("--window"));
    bool ok = windowOnly || ComparePeers(home.path(), 21);
    ok = ReportProgram(QStringLiteral(QUILLET_PROGRAM_DIR), home.path(), "shipped:", windowOnly ? 21 : 10, !windowOnly)
         && ok;

    const QTemporaryDir filled;
    if (!PackFilledFolder(QDir(filled.path()))) {
        std::printf("could not pack the archive filled to the bounds\n");
        return 1;
    }
    std::printf("archive filled to the loader's bounds (memory bound %lld MiB):\n",
                static_cast<long long>(quillet::files::MaxLoadedMemory / (1024 * 1024)));
    ok = ReportProgram(filled.path(), home.path(), "filled:", 3, !windowOnly) && ok;
    return ok ? 0 : 1;
}
