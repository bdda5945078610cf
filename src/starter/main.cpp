// SPDX-License-Identifier: GPL-3.0-or-later
// quillet: what the user starts. It holds back the signals that end the program (SIGTERM,
// SIGINT, SIGHUP) before anything else runs, then becomes the program itself:
// - when the dictionary window runs in the session (its lock file tells, see
//   SessionLock.h), quillet-bus, which puts every request to that window over the session
//   bus and hands those it cannot answer on to the programs below;
// - else, without arguments, the window, quillet-app, which finds its libraries with the
//   signals still held back, takes them over and lets them in;
// - else the command line: quillet-lookup, which answers the common look-ups without Qt
//   and hands everything else to quillet-cli, which needs none of the window's libraries
//   (and hands arguments that ask for the window, Qt's own options, on to quillet-app).
// A request to end that comes at any moment is so answered by the program's own orderly
// shut-down, never by the system's default of killing it. This file uses the C library
// only: nothing else is loaded before the signals are held.
// (A signal sent while the system is still starting the process, before any of its code
// runs, ends it as it would end any program.)
#include "core/bus/SessionLock.h"
#include "starter/StartPrograms.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <climits>
#include <unistd.h>

namespace {

constexpr const char *WindowProgram = "quillet-app";
constexpr const char *CommandLineProgram = "quillet-lookup";
constexpr const char *BusProgram = "quillet-bus";

} // namespace

int main(int argc, char **argv)
{
    quillet::start::HoldEndingSignals(true);

    char folder[PATH_MAX];
    if (!quillet::start::OwnFolder(folder)) {
        std::fprintf(stderr, "quillet: the program's own folder cannot be found: %s\n", std::strerror(errno));
        return 2;
    }
    const char *const name = quillet::bus::WindowRuns() ? BusProgram
                             : argc > 1                  ? CommandLineProgram
                                                         : WindowProgram;
    // Beside the starter in a build tree or an unpacked copy; in the private program
    // folder of an installed tree.
    int failure = ENOENT;
    char program[PATH_MAX];
    const char *const places[] = {".", QUILLET_APP_FROM_STARTER};
    for (const char *relative : places) {
        if (std::snprintf(program, sizeof program, "%s/%s/%s", folder, relative, name) >= int(sizeof program))
            continue;
        ::execv(program, argv);
        if (errno != ENOENT)
            failure = errno;
    }
    std::fprintf(stderr, "quillet: %s cannot be started: %s\n", name, std::strerror(failure));
    return 2;
}
