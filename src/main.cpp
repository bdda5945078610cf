// SPDX-License-Identifier: GPL-3.0-or-later
// Quillet: the dictionary window, or a look-up on the command line.
#include "CommandLine.h"
#include "core/app/ShutdownRequests.h"
#include "core/app/UserHome.h"
#include "ui/mainwindow/Form1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// The arguments after the program's name, as the command line gave them.
QStringList Arguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int RunWithoutWindow(int argc, char **argv, const QStringList &arguments)
{
    QCoreApplication app(argc, argv);
    int status = 0;
    {
        QTextStream out(stdout);
        QTextStream err(stderr);
        status = quillet::RunCommandLine(arguments, QCoreApplication::applicationDirPath(), out, err)
                     .value_or(0);
    }
    // What the C library still holds for stdout must reach it too.
    if (std::fflush(stdout) != 0 && status != quillet::ExitError) {
        std::fputs("quillet: the output could not be written\n", stderr);
        status = quillet::ExitError;
    }
    return status;
}

int RunWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"Quillet"_s);
    quillet::Form1Setup setup;
    setup.programDir = QCoreApplication::applicationDirPath();
    quillet::Form1 form(setup);

    // Being told to end from outside (a signal, the desktop session closing) ends the
    // program as closing the window does: the settings and the history are stored first.
    // Told before the window loads, it ends at the first moment the load lets events in,
    // storing what was loaded.
    const auto shutDown = [&form] {
        form.close();
        QCoreApplication::exit(0);
    };
    const quillet::ShutdownRequests requests;
    QObject::connect(&requests, &quillet::ShutdownRequests::requested, &form, shutDown);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, shutDown, Qt::DirectConnection);

    switch (form.Form_Load()) {
    case quillet::Form1::LoadOutcome::Failed: return 1;
    case quillet::Form1::LoadOutcome::Closed: return 0;
    case quillet::Form1::LoadOutcome::Loaded: break;
    }
    return QApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    // The signals that end the program may be held back still (by the starter): the
    // window answers them with its orderly shut-down from here on, a command-line request
    // ends at them as any command does.
    const QStringList arguments = Arguments(argc, argv);
    const bool window = quillet::OpensWindow(arguments);
    if (window)
        quillet::ShutdownRequests::TakeOverSignals();
    else
        quillet::ShutdownRequests::LeaveSignalsToTheSystem();
    quillet::EnsureHomeIsSet();
    return window ? RunWindow(argc, argv) : RunWithoutWindow(argc, argv, arguments);
}
