// SPDX-License-Identifier: GPL-3.0-or-later
// quillet-cli: the command line without the window's libraries. The starter runs it for
// every request that names something to do; it links Qt Core only, so a look-up,
// --version or --help starts and ends in a few milliseconds. Arguments that ask for the
// window after all (Qt's own options alone, such as -style fusion) go on to quillet-app,
// beside this program, with the ending signals still held back as the starter left them.
#include "CommandLine.h"
#include "core/app/ShutdownRequests.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

QStringList Arguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

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
    const QStringList arguments = Arguments(argc, argv);
    const QString folder = ProgramFolder();
    if (quillet::OpensWindow(arguments))
        return RunWindowProgram(folder, argv);
    quillet::ShutdownRequests::LeaveSignalsToTheSystem();
    int status = 0;
    {
        QTextStream out(stdout);
        QTextStream err(stderr);
        status = quillet::RunCommandLine(arguments, folder, out, err).value_or(quillet::ExitError);
    }
    // What the C library still holds for stdout must reach it too.
    if (std::fflush(stdout) != 0 && status != quillet::ExitError) {
        std::fputs("quillet: the output could not be written\n", stderr);
        status = quillet::ExitError;
    }
    return status;
}
