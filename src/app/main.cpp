// Quillet: the dictionary window, or a look-up on the command line.
#include "app/CommandLine.h"
#include "mainwindow/Form1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>

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

// A request for the command line needs no display; anything else opens the window.
bool WantsCommandLine(const QStringList &arguments)
{
    return std::any_of(arguments.cbegin(), arguments.cend(),
                       [](const QString &argument) { return argument.startsWith(u"--"_s); });
}

int RunWithoutWindow(int argc, char **argv, const QStringList &arguments)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const std::optional<int> status =
        quillet::RunCommandLine(arguments, QCoreApplication::applicationDirPath(), out, err);
    return status.value_or(0);
}

int RunWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"Quillet"_s);
    quillet::Form1Setup setup;
    setup.programDir = QCoreApplication::applicationDirPath();
    quillet::Form1 form(setup);
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
    const QStringList arguments = Arguments(argc, argv);
    if (WantsCommandLine(arguments))
        return RunWithoutWindow(argc, argv, arguments);
    return RunWindow(argc, argv);
}
