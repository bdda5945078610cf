#include "dictionary/ShellAndWait.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace quillet {

int NormalisedWindowStyle(int style)
{
    return style < 0 || style > 6 ? 6 : style;
}

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

// Lets events of this thread run until the child ends or `interval` has passed.
void WaitOneInterval(QProcess &child, std::chrono::milliseconds interval)
{
    QEventLoop loop;
    QTimer tick;
    tick.setSingleShot(true);
    QObject::connect(&tick, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&child, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&child, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    tick.start(interval);
    if (child.state() != QProcess::NotRunning)
        loop.exec();
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
    child.start();
    if (!child.waitForStarted())
        return StartFailureCode(StartErrorNumber(command.program));

    const QDeadlineTimer deadline(options.timeLimit);
    while (child.state() != QProcess::NotRunning && !deadline.hasExpired())
        WaitOneInterval(child, options.pollInterval);

    if (child.state() != QProcess::NotRunning) {
        child.kill();
        child.waitForFinished();
        return StartFailureCode(ErrorTimedOut);
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
