// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <functional>

namespace quillet {

// A child program to run: started directly with its argument list, never through a
// shell, so blanks and quotes in paths are harmless.
struct ChildCommand {
    QString program;
    QStringList arguments;
    QString workingDirectory;
};

// Results that are not the child's own exit code: a failure number plus 0x80040000.
inline constexpr std::uint32_t StartFailureBase = 0x80040000u;
inline constexpr int ErrorFileNotFound = 53;
inline constexpr int ErrorPermissionDenied = 70;
inline constexpr int ErrorPathAccess = 75;
inline constexpr int ErrorTimedOut = 1460;
inline constexpr int ErrorCrashed = 1067;
inline constexpr int ErrorCancelled = 18; // the caller stopped waiting

constexpr std::int32_t StartFailureCode(int errorNumber)
{
    return static_cast<std::int32_t>(StartFailureBase + static_cast<std::uint32_t>(errorNumber));
}

struct ShellOptions {
    std::chrono::milliseconds timeLimit = std::chrono::seconds(60);
    std::chrono::milliseconds pollInterval = std::chrono::milliseconds(100);
    // Asked once every poll interval; true stops the wait and the child with it.
    std::function<bool()> stopWaiting;
};

// Starts the child and waits for its end, letting the pending events of this thread run
// once every poll interval meanwhile; the wait ends as soon as the child does. Returns the
// child's exit code; StartFailureCode(...) when it could not start, crashed, ran past
// the time limit or was no longer waited for (it is killed then). The child's error output is kept for the
// caller's message when `errorOutput` is given. On Linux the child is killed when the
// calling process dies, however it dies.
std::int32_t ShellAndWait(const ChildCommand &command, const ShellOptions &options = {},
                          QByteArray *errorOutput = nullptr);

// Deletes the file if it exists, asking nothing and reporting nothing.
void RemoveFile(const QString &path);

} // namespace quillet
