// SPDX-License-Identifier: GPL-3.0-or-later
// quillet: what the user starts. It holds back the signals that end the program (SIGTERM,
// SIGINT, SIGHUP) before any of its code runs (the loader calls HoldAtStart before the
// C++ library's own start; main holds them again, should a loader not), then:
// - when the dictionary window runs in the session (its lock file tells, see
//   SessionLock.h), becomes quillet-bus, which puts every request to that window over the
//   session bus and hands those it cannot answer on to the programs below;
// - else, without arguments, becomes the window, quillet-app, which finds its libraries
//   with the signals still held back, takes them over and lets them in;
// - else answers the command line's common look-ups itself, without Qt (lookup/), and
//   hands everything else to quillet-cli, which needs none of the window's libraries (and
//   hands arguments that ask for the window, Qt's own options, on to quillet-app).
// A request to end that comes while a program with Qt starts is so answered by its own
// orderly shut-down, never by the system's default of killing it; a look-up answered
// here, which writes no file, lets the signals in again while it reads.
// The programs it runs lie beside it in a build tree or an unpacked copy, in the private
// program folder of an installed tree.
// (A signal sent while the system is still loading the process, before any of its code
// runs, ends it as it would end any program.)
#include "core/bus/SessionLock.h"
#include "lookup/AnswerOrHandOver.h"
#include "starter/StartPrograms.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include <unistd.h>

namespace {

using quillet::start::BusProgram;
using quillet::start::CommandLineProgram;
using quillet::start::WindowProgram;
using quillet::start::ExitError;

void HoldAtStart(int, char **, char **)
{
    quillet::start::HoldEndingSignals(true);
}
// Run by the loader before every initialiser of the program and its libraries.
[[gnu::used, gnu::section(".preinit_array")]] void (*const HoldBeforeAnythingElse)(int, char **, char **) =
    HoldAtStart;

// Where the programs the starter runs may lie, relative to its own folder, in order.
constexpr const char *ProgramPlaces[] = {".", QUILLET_APP_FROM_STARTER};

// Becomes the program `name` from the first place that holds it; returns only when none
// could be started.
int Become(const char *folder, const char *name, char **argv)
{
    int failure = ENOENT;
    char program[PATH_MAX];
    for (const char *relative : ProgramPlaces) {
        if (std::snprintf(program, sizeof program, "%s/%s/%s", folder, relative, name) >= int(sizeof program))
            continue;
        ::execv(program, argv);
        if (errno != ENOENT)
            failure = errno;
    }
    std::fprintf(stderr, "quillet: %s cannot be started: %s\n", name, std::strerror(failure));
    return ExitError;
}

// The folder of the programs the starter runs: the first place that holds quillet-cli,
// else the starter's own.
std::string ProgramFolder(const char *folder)
{
    for (const char *relative : ProgramPlaces) {
        std::string programs = std::string(folder) + '/' + relative;
        if (::access((programs + '/' + CommandLineProgram).c_str(), X_OK) == 0)
            return programs;
    }
    return folder;
}

} // namespace

int main(int argc, char **argv)
{
    quillet::start::HoldEndingSignals(true);

    char folder[PATH_MAX];
    if (!quillet::start::OwnFolder(folder)) {
        std::fprintf(stderr, "quillet: the program's own folder cannot be found: %s\n", std::strerror(errno));
        return ExitError;
    }
    if (quillet::bus::WindowRuns())
        return Become(folder, BusProgram, argv);
    if (argc <= 1)
        return Become(folder, WindowProgram, argv);
    return quillet::lookup::AnswerOrHandOver(argc, argv, ProgramFolder(folder).c_str());
}
