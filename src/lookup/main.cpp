// SPDX-License-Identifier: GPL-3.0-or-later
// quillet-lookup: the common look-ups without Qt. The starter runs it for every request
// while no window runs; it answers `--lookup WORD` (with or without `-d er|re`) itself
// when the word is plain ASCII, the user has no terms of their own and the dictionary
// finds something, reading only what the answer prints, and prints exactly what
// quillet-cli would. Everything else, and any trouble with the archive, it hands to
// quillet-cli beside it with the very same arguments, the ending signals held back again
// as the starter held them.
#include "core/dictionary/DataFolder.h"
#include "core/dictionary/FileNames.h"
#include "core/terms/TermsLocation.h"
#include "lookup/LookupArguments.h"
#include "lookup/PlainLookup.h"
#include "starter/StartPrograms.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int ExitError = 2;

[[noreturn]] void HandOver(const std::string &folder, char **argv)
{
    quillet::start::HoldEndingSignals(true);
    const std::string program = folder + "/quillet-cli";
    ::execv(program.c_str(), argv);
    std::fprintf(stderr, "quillet: quillet-cli cannot be started: %s\n", std::strerror(errno));
    std::exit(ExitError);
}

// Whether the user has no terms of their own: no terms file, or an empty one.
bool NoTermsOfTheirOwn()
{
    const std::optional<std::string> path = quillet::plain::TermsFilePath();
    if (!path)
        return false;
    struct stat status {};
    if (::stat(path->c_str(), &status) != 0)
        return errno == ENOENT;
    return S_ISREG(status.st_mode) && status.st_size == 0;
}

bool OutputOpen()
{
    return ::fcntl(STDOUT_FILENO, F_GETFD) != -1 || errno != EBADF;
}

} // namespace

int main(int argc, char **argv)
{
    char folder[PATH_MAX];
    if (!quillet::start::OwnFolder(folder)) {
        std::fprintf(stderr, "quillet: the program's own folder cannot be found: %s\n", std::strerror(errno));
        return ExitError;
    }
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const std::optional<quillet::lookup::PlainRequest> request = quillet::lookup::PlainRequestOf(arguments);
    if (!request || !OutputOpen() || !NoTermsOfTheirOwn())
        HandOver(folder, argv);
    quillet::start::HoldEndingSignals(false);
    const std::string data =
        quillet::plain::DataFolderWith(folder, QUILLET_DATA_FROM_PROGRAM, quillet::plain::files::Database);
    const std::optional<std::string> answer =
        quillet::lookup::AnswerOf(*request, data + '/' + std::string(quillet::plain::files::Database));
    if (!answer)
        HandOver(folder, argv);
    if (std::fwrite(answer->data(), 1, answer->size(), stdout) != answer->size() || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "quillet: the output could not be written: %s\n", std::strerror(errno));
        return ExitError;
    }
    return 0;
}
