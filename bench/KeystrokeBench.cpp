// SPDX-License-Identifier: GPL-3.0-or-later
// Typing as a user types: the main window loads the shipped dictionary from the built
// program's folder, search-as-you-type is on, and each key event in the query box is
// timed until both lists and both count captions are filled and painted. Runs in test
// folders (no user settings or history are touched) and prints the median, the 90th
// percentile and the slowest keystroke.
#include "ui/lookup/QueryBox.h"
#include "ui/lookup/ResultList.h"
#include "ui/mainwindow/Form1.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<quillet::Form1> MakeForm(const QString &programDir)
{
    quillet::Form1Setup setup;
    setup.programDir = programDir;
    setup.reportLoadFailure = [](const quillet::LoadFailure &f) {
        std::fprintf(stderr, "no dictionary: %s\n", qPrintable(f.message()));
    };
    return std::make_unique<quillet::Form1>(setup);
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
    QTest::qWait(500); // the word forms load after the first list

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
    const Typing typing = TypeWords(QStringLiteral(QUILLET_PROGRAM_DIR));
    if (typing.ms.empty())
        return 1;
    std::printf("typing, search-as-you-type, %d entries: key event to both lists and captions painted: "
                "median %.2f ms per keystroke (90th percentile %.2f ms, slowest %.2f ms) over %zu keystrokes%s\n",
                typing.entries, Percentile(typing.ms, 0.5), Percentile(typing.ms, 0.9), Percentile(typing.ms, 1.0),
                typing.ms.size(), typing.filled ? "" : "; SOME KEYSTROKES LEFT A CAPTION EMPTY");
    return 0;
}
