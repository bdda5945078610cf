// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the starter and quillet-bus share to hand a request on to another of the
// programs: the signals that end a program held back, the program's own folder, and the
// exit status of a request that could not be carried out (as the command line's).
// quillet-bus links the C library and libdbus only, so this header uses nothing else.
#include <climits>
#include <csignal>
#include <cstring>

#include <unistd.h>

namespace quillet::start {

// A request that could not be carried out: a program that cannot be started, output
// that cannot be written, no answer from the window; the command line's too.
inline constexpr int ExitError = 2;

// The programs the starter becomes or hands requests to, beside it or in its private
// program folder.
inline constexpr const char *WindowProgram = "quillet-app";
inline constexpr const char *CommandLineProgram = "quillet-cli";
inline constexpr const char *BusProgram = "quillet-bus";

// Holds back SIGTERM, SIGINT and SIGHUP, as the window's program expects to find them
// (it takes them over once it can shut down in order), or lets them in again.
inline void HoldEndingSignals(bool hold)
{
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, SIGTERM);
    sigaddset(&ending, SIGINT);
    sigaddset(&ending, SIGHUP);
    sigprocmask(hold ? SIG_BLOCK : SIG_UNBLOCK, &ending, nullptr);
}

// The folder the running program was started from, as the system knows it.
inline bool OwnFolder(char (&folder)[PATH_MAX])
{
    const ssize_t size = ::readlink("/proc/self/exe", folder, sizeof folder - 1);
    if (size <= 0)
        return false;
    folder[size] = '\0';
    char *slash = std::strrchr(folder, '/');
    if (slash == nullptr)
        return false;
    *slash = '\0';
    return true;
}

} // namespace quillet::start
