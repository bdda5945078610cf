// SPDX-License-Identifier: GPL-3.0-or-later
// quillet-cli: the command line without the window's libraries. The starter runs it for
// every request that names something to do while no window runs in the session (the
// window answers them itself when one runs, through quillet-bus); it links Qt Core only,
// so a look-up, --version or --help starts and ends in a few milliseconds beside the
// archive's load. Arguments that ask for the window after all (Qt's own options alone,
// such as -style fusion; --show WORD; --selection) go on to quillet-app, beside this
// program, with the ending signals still held back as the starter left them; a window
// that starts meanwhile takes them over the bus.
#include "CommandLine.h"
#include "core/app/ShutdownRequests.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

// The folder of this program, as the system knows it.
QString ProgramFolder()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
}

int RunWindowProgram(const QString &folder, char **argv)
{
    const QByteArray program = QFile::encodeName(folder + QStringLiteral("/quillet-app"));
    ::execv(program.constData(), argv);
    std::fprintf(stderr, "quillet: quillet-app cannot be started: %s\n", std::strerror(errno));
    return quillet::ExitError;
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList arguments = quillet::CommandLineArguments(argc, argv);
    const QString folder = ProgramFolder();
    if (quillet::OpensWindow(arguments))
        return RunWindowProgram(folder, argv);
    if (quillet::SaidOutputClosed())
        return quillet::ExitError;
    const QCoreApplication app(argc, argv);
    quillet::ShutdownRequests::LeaveSignalsToTheSystem();
    return quillet::AnswerOnStandardStreams(arguments, folder);
}
