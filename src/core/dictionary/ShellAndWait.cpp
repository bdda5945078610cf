// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/ShellAndWait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <csignal>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace quillet {

namespace {

int StartErrorNumber(const QString &program)
{
    const QFileInfo info(program);
    if (!info.exists())
        return ErrorFileNotFound;
    if (!info.isExecutable() || info.isDir())
        return ErrorPermissionDenied;
    return ErrorPathAccess;
}

// Lets the pending events of this thread run once, then waits for the child's end for
// at most `interval`. The wait does not need an event loop of its own, so it also works
// without an application object and after the application was told to quit (a nested
// event loop returns at once then, and the child's end would never be noticed).
void WaitOneInterval(QProcess &child, std::chrono::milliseconds interval)
{
    QCoreApplication::processEvents();
    if (child.state() != QProcess::NotRunning)
        child.waitForFinished(int(interval.count()));
}

// Runs in the child between fork and exec: the child is killed when this process dies,
// even by SIGKILL, so no extractor outlives the program that waits for it.
void DieWithParent(QProcess &child)
{
    const pid_t parent = ::getpid();
    child.setChildProcessModifier([parent] {
#ifdef Q_OS_LINUX
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
        // The parent may have died before the request above took hold.
        if (::getppid() != parent)
            ::_exit(127);
    });
}

} // namespace

std::int32_t ShellAndWait(const ChildCommand &command, const ShellOptions &options,
                          QByteArray *errorOutput)
{
    QProcess child;
    child.setProgram(command.program);
    child.setArguments(command.arguments);
    child.setWorkingDirectory(command.workingDirectory);
    child.setStandardInputFile(QProcess::nullDevice());
    child.setStandardOutputFile(QProcess::nullDevice());
    DieWithParent(child);
    child.start();
    if (!child.waitForStarted())
        return StartFailureCode(StartErrorNumber(command.program));

    const QDeadlineTimer deadline(options.timeLimit);
    bool stopped = false;
    while (child.state() != QProcess::NotRunning && !deadline.hasExpired() && !stopped) {
        WaitOneInterval(child, options.pollInterval);
        stopped = options.stopWaiting && options.stopWaiting();
    }

    if (child.state() != QProcess::NotRunning) {
        child.kill();
        child.waitForFinished();
        return StartFailureCode(stopped ? ErrorCancelled : ErrorTimedOut);
    }
    if (errorOutput)
        *errorOutput = child.readAllStandardError();
    if (child.exitStatus() == QProcess::CrashExit)
        return StartFailureCode(ErrorCrashed);
    return child.exitCode();
}

void RemoveFile(const QString &path)
{
    if (QFileInfo::exists(path))
        QFile::remove(path);
}

} // namespace quillet
