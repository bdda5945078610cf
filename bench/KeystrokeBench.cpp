// SPDX-License-Identifier: GPL-3.0-or-later
// Typing as a user types: the main window loads the shipped dictionary from the built
// program's folder, search-as-you-type is on, and each key event in the query box is
// timed until both lists and both count captions are filled and painted. Runs in test
// folders (no user settings or history are touched) and prints the median, the 90th
// percentile and the slowest keystroke. It types the same words again with 20,000 pairs
// of the user's own (My terms) in both lists, runs with and without in turn, and prints
// the ratio of the 90th percentiles and the load (start-up) times side by side. Each
// keystroke is also timed in the main thread's CPU time, which a machine busy with other
// work disturbs far less than the wall clock.
// QUILLET_BENCH_RUNS sets how many windows of each kind are typed in (4), and
// QUILLET_BENCH_TERMS=0 or 20000 types in one kind alone: under callgrind,
// --toggle-collect='*TypeKeystrokes*' then counts one kind's keystrokes.
#include "ui/lookup/QueryBox.h"
#include "ui/lookup/ResultList.h"
#include "ui/mainwindow/Form1.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<quillet::Form1> MakeForm(const QString &programDir, const QString &personalFolder)
{
    quillet::Form1Setup setup;
    setup.programDir = programDir;
    setup.personalFiles = quillet::PersonalWordFiles::In(personalFolder);
    setup.reportLoadFailure = [](const quillet::LoadFailure &f) {
        std::fprintf(stderr, "no dictionary: %s\n", qPrintable(f.message()));
    };
    return std::make_unique<quillet::Form1>(setup);
}

struct Typing {
    std::vector<double> ms; // one per keystroke
    std::vector<double> cpuMs; // the same keystrokes in the main thread's CPU time
    std::vector<double> loadMs; // Form_Load to the first list painted, one per window
    std::vector<double> termsMs; // reading My terms after the first list, one per window
    int entries = 0;
    int personal = 0;
    bool filled = true;     // every keystroke left both lists' captions written
};

// Pairs of the user's own in a file as the program writes it: technical-looking
// headwords, several starting as the typed words do, a third for both directions.
void WriteTerms(const QString &folder, int count)
{
    QFile file(QDir(folder).filePath(u"terms.tsv"_s));
    file.open(QIODevice::WriteOnly);
    file.write("headword\ttranslation\tdirection\tnote\n");
    const QStringList stems{u"pressure"_s, u"valve"_s, u"pump"_s, u"current"_s, u"flange"_s, u"gasket"_s,
                            u"bearing"_s, u"shaft"_s, u"sensor"_s, u"relay"_s};
    const char *directions[] = {"en-ro", "ro-en", "both"};
    for (int i = 0; i < count; ++i) {
        const QString headword = stems[i % stems.size()] + u" part "_s + QString::number(i);
        const QString translation = u"piesă "_s + QString::number(i) + u" de "_s + stems[(i / 10) % stems.size()];
        file.write((headword + u'\t' + translation + u'\t').toUtf8() + directions[i % 3] + "\tclient ACME\n");
    }
}

// The time this thread has run: unlike the wall clock, it leaves out the waits for a core
// that other programs hold, and tells a busy machine's figures apart from the program's.
double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Every keystroke of the words, timed to both lists painted.
[[gnu::noinline]] void TypeKeystrokes(quillet::Form1 &form, Typing &typing)
{
    const QStringList words{QStringLiteral("pressure"), QStringLiteral("valve"), QStringLiteral("temperature"),
                            QStringLiteral("pump"), QStringLiteral("current"), QStringLiteral("zqx")};
    QElapsedTimer clock;
    for (int round = 0; round < 3; ++round) {
        for (const QString &word : words) {
            form.Text1->clear();
            QCoreApplication::processEvents();
            for (const QChar letter : word) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (letter.unicode() - u'a'), Qt::NoModifier, QString(letter));
                QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, QString(letter));
                const double cpuBefore = ThreadCpuMs();
                clock.start();
                QApplication::sendEvent(form.Text1, &press);
                QCoreApplication::processEvents(); // the lists and captions are painted
                typing.ms.push_back(double(clock.nsecsElapsed()) / 1e6);
                typing.cpuMs.push_back(ThreadCpuMs() - cpuBefore);
                typing.filled = typing.filled && !form.Label2[2]->text().isEmpty()
                    && !form.Label2[3]->text().isEmpty();
                QApplication::sendEvent(form.Text1, &release);
            }
        }
    }
}

Typing TypeWords(const QString &programDir, int personalTerms, Typing typing = {})
{
    QTemporaryDir personal;
    if (personalTerms > 0)
        WriteTerms(personal.path(), personalTerms);
    auto form = MakeForm(programDir, personal.path());
    QElapsedTimer loading;
    loading.start();
    if (form->Form_Load() != quillet::Form1::LoadOutcome::Loaded)
        return typing;
    typing.loadMs.push_back(double(loading.nsecsElapsed()) / 1e6);
    loading.start();
    form->LoadPersonalWords(); // what the first moment after the first list does
    typing.termsMs.push_back(double(loading.nsecsElapsed()) / 1e6);
    typing.personal = int(form->personalWords().terms().size());
    typing.entries = form->table().EntryCount(1);
    form->mnuSearchAsYouType->setChecked(true);
    form->Text1->setFocus();
    QCoreApplication::processEvents();
    QTest::qWait(500); // the word forms load after the first list
    TypeKeystrokes(*form, typing);
    form->close();
    return typing;
}

double Percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[std::size_t(fraction * double(values.size() - 1))];
}

void Print(const char *what, const Typing &typing)
{
    std::printf("typing, search-as-you-type, %d entries, %d of the user's own (%s): key event to both lists and "
                "captions painted: median %.2f ms per keystroke (90th percentile %.2f ms, slowest %.2f ms) over %zu "
                "keystrokes, CPU 90th percentile %.2f ms; start-up (load to first list) median %.1f ms, My terms read after it median %.1f ms%s\n",
                typing.entries, typing.personal, what, Percentile(typing.ms, 0.5), Percentile(typing.ms, 0.9),
                Percentile(typing.ms, 1.0), typing.ms.size(), Percentile(typing.cpuMs, 0.9), Percentile(typing.loadMs, 0.5),
                Percentile(typing.termsMs, 0.5), typing.filled ? "" : "; SOME KEYSTROKES LEFT A CAPTION EMPTY");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    constexpr int PersonalTerms = 20000;
    // Runs with and without in turn, so that a busy machine weighs on both alike.
    Typing without;
    Typing with;
    const int runs = qEnvironmentVariableIsSet("QUILLET_BENCH_RUNS") ? qEnvironmentVariableIntValue("QUILLET_BENCH_RUNS") : 4;
    const bool one = qEnvironmentVariableIsSet("QUILLET_BENCH_TERMS");
    const int only = qEnvironmentVariableIntValue("QUILLET_BENCH_TERMS");
    for (int run = 0; run < runs; ++run) {
        if (!one || only == 0)
            without = TypeWords(QStringLiteral(QUILLET_PROGRAM_DIR), 0, std::move(without));
        if (!one || only == PersonalTerms)
            with = TypeWords(QStringLiteral(QUILLET_PROGRAM_DIR), PersonalTerms, std::move(with));
    }
    if (one) {
        Print(only == 0 ? "none" : "My terms", only == 0 ? without : with);
        return (only == 0 ? without : with).ms.empty() ? 1 : 0;
    }
    if (without.ms.empty() || with.ms.empty())
        return 1;
    Print("none", without);
    Print("My terms", with);
    std::printf("with %d pairs of the user's own: keystroke 90th percentile %.2f against %.2f ms (ratio %.3f), "
                "in CPU time %.2f against %.2f ms (ratio %.3f); start-up median %.1f against %.1f ms (%+.1f ms)\n",
                with.personal, Percentile(with.ms, 0.9), Percentile(without.ms, 0.9),
                Percentile(with.ms, 0.9) / Percentile(without.ms, 0.9), Percentile(with.cpuMs, 0.9),
                Percentile(without.cpuMs, 0.9), Percentile(with.cpuMs, 0.9) / Percentile(without.cpuMs, 0.9),
                Percentile(with.loadMs, 0.5),
                Percentile(without.loadMs, 0.5), Percentile(with.loadMs, 0.5) - Percentile(without.loadMs, 0.5));
    return 0;
}
