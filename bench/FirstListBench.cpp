// SPDX-License-Identifier: GPL-3.0-or-later
// Start to first list as a user meets it: the main window is made, the dictionary is
// extracted, read and its text files deleted, and the first list is filled. Runs a few
// times in test folders (no user settings or history are touched) and prints the
// median, the rows listed and the process's peak memory.
//
// Beside it, typing: with search-as-you-type on and a dictionary of all 57,290 entries
// (the shipped ones and generated filler, packed into a program folder of the bench's
// own), the time from a key event in the query box to both lists and both count captions
// filled and painted, per keystroke.
#include "BenchTable.h"
#include "core/dictionary/DictionaryFiles.h"
#include "ui/lookup/QueryBox.h"
#include "ui/lookup/ResultList.h"
#include "ui/mainwindow/Form1.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

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

std::unique_ptr<quillet::Form1> MakeForm(const QString &programDir)
{
    quillet::Form1Setup setup;
    setup.programDir = programDir;
    setup.reportLoadFailure = [](const quillet::LoadFailure &f) {
        std::fprintf(stderr, "no dictionary: %s\n", qPrintable(f.message()));
    };
    return std::make_unique<quillet::Form1>(setup);
}

Run StartOnce()
{
    Run run;
    QElapsedTimer clock;
    clock.start();
    auto form = MakeForm(QStringLiteral(QUILLET_PROGRAM_DIR));
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

// A program folder whose English-Romanian direction holds all 57,290 entries.
bool PackFilledFolder(const QDir &folder)
{
    quillet::DictTable table;
    quillet::bench::FillToCapacity(table, QStringLiteral(QUILLET_SOURCE_DIR "/data/en-ro.txt"));
    QFile text(folder.filePath(QStringLiteral("en-ro.txt")));
    if (!text.open(QIODevice::WriteOnly))
        return false;
    for (int k = 1; k <= table.EntryCount(1); ++k)
        text.write((table(1, 1, k) + u'\t' + table(1, 2, k) + u'\n').toUtf8());
    text.close();
    const QString extractor = folder.filePath(quillet::files::Extractor);
    if (!QFile::copy(QStringLiteral(QUILLET_PROGRAM_DIR "/") + quillet::files::Extractor, extractor))
        return false;
    return QProcess::execute(QStringLiteral(QUILLET_PACK),
                             {QStringLiteral("--out"), folder.filePath(quillet::files::Database), text.fileName(),
                              QStringLiteral(QUILLET_SOURCE_DIR "/data/ro-en.txt")})
        == 0;
}

struct Typing {
    std::vector<double> ms; // one per keystroke
    int entries = 0;
    bool filled = true;     // every keystroke left both lists' captions written
};

Typing TypeWords(const QString &programDir)
{
    Typing typing;
    auto form = MakeForm(programDir);
    if (form->Form_Load() != quillet::Form1::LoadOutcome::Loaded)
        return typing;
    typing.entries = form->table().EntryCount(1);
    form->mnuSearchAsYouType->setChecked(true);
    form->Text1->setFocus();
    QCoreApplication::processEvents();

    const QStringList words{QStringLiteral("pressure"), QStringLiteral("valve"), QStringLiteral("temperature"),
                            QStringLiteral("pump"), QStringLiteral("current"), QStringLiteral("zqx")};
    QElapsedTimer clock;
    for (int round = 0; round < 5; ++round) {
        for (const QString &word : words) {
            form->Text1->clear();
            QCoreApplication::processEvents();
            for (const QChar letter : word) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (letter.unicode() - u'a'), Qt::NoModifier, QString(letter));
                QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, QString(letter));
                clock.start();
                QApplication::sendEvent(form->Text1, &press);
                QCoreApplication::processEvents(); // the lists and captions are painted
                typing.ms.push_back(double(clock.nsecsElapsed()) / 1e6);
                typing.filled = typing.filled && !form->Label2[2]->text().isEmpty()
                    && !form->Label2[3]->text().isEmpty();
                QApplication::sendEvent(form->Text1, &release);
            }
        }
    }
    form->close();
    return typing;
}

double Percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[std::size_t(fraction * double(values.size() - 1))];
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

    const QTemporaryDir filled;
    if (!PackFilledFolder(QDir(filled.path()))) {
        std::fprintf(stderr, "could not pack the filled dictionary\n");
        return 1;
    }
    const Typing typing = TypeWords(filled.path());
    if (typing.ms.empty())
        return 1;
    std::printf("typing, search-as-you-type, %d entries: key event to both lists and captions painted: "
                "median %.2f ms per keystroke (90th percentile %.2f ms, slowest %.2f ms) over %zu keystrokes%s\n",
                typing.entries, Percentile(typing.ms, 0.5), Percentile(typing.ms, 0.9), Percentile(typing.ms, 1.0),
                typing.ms.size(), typing.filled ? "" : "; SOME KEYSTROKES LEFT A CAPTION EMPTY");
    return 0;
}
