// SPDX-License-Identifier: GPL-3.0-or-later
// quillet: what the user starts. It holds back the signals that end the program (SIGTERM,
// SIGINT, SIGHUP) before anything else runs, then becomes the program itself: without
// arguments the window, quillet-app, which finds its libraries with the signals still
// held back, takes them over and lets them in; with arguments the command line,
// quillet-cli, which needs none of the window's libraries (and hands arguments that ask
// for the window, Qt's own options, on to quillet-app). A request to end that comes at any moment is so answered by the
// program's own orderly shut-down, never by the system's default of killing it. This
// file uses the C library only: nothing else is loaded before the signals are held.
// (A signal sent while the system is still starting the process, before any of its code
// runs, ends it as it would end any program.)
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <climits>
#include <unistd.h>

namespace {

constexpr const char *WindowProgram = "quillet-app";
constexpr const char *CommandLineProgram = "quillet-cli";

// The folder this starter was run from, as the system knows it.
bool OwnFolder(char (&folder)[PATH_MAX])
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

} // namespace

int main(int argc, char **argv)
{
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, SIGTERM);
    sigaddset(&ending, SIGINT);
    sigaddset(&ending, SIGHUP);
    sigprocmask(SIG_BLOCK, &ending, nullptr);

    char folder[PATH_MAX];
    if (!OwnFolder(folder)) {
        std::fprintf(stderr, "quillet: the program's own folder cannot be found: %s\n", std::strerror(errno));
        return 2;
    }
    // Beside the starter in a build tree or an unpacked copy; in the private program
    // folder of an installed tree.
    const char *const name = argc > 1 ? CommandLineProgram : WindowProgram;
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
