// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/AnswerOrHandOver.h"

#include "core/dictionary/DataFolder.h"
#include "core/dictionary/FileNames.h"
#include "core/terms/TermsLocation.h"
#include "lookup/LookupArguments.h"
#include "lookup/PlainLookup.h"
#include "starter/StartPrograms.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillet::lookup {

namespace {

using quillet::start::ExitError;

// Runs quillet-cli in place of this program; returns only when it cannot be started.
int HandOver(const char *programFolder, char **argv)
{
    quillet::start::HoldEndingSignals(true);
    const std::string program = std::string(programFolder) + '/' + quillet::start::CommandLineProgram;
    ::execv(program.c_str(), argv);
    std::fprintf(stderr, "quillet: %s cannot be started: %s\n", quillet::start::CommandLineProgram, std::strerror(errno));
    return ExitError;
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

int AnswerOrHandOver(int argc, char **argv, const char *programFolder)
{
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const std::optional<PlainRequest> request = PlainRequestOf(arguments);
    if (!request || !OutputOpen() || !NoTermsOfTheirOwn())
        return HandOver(programFolder, argv);
    quillet::start::HoldEndingSignals(false);
    const std::string data = plain::DataFolderWith(programFolder, QUILLET_DATA_FROM_PROGRAM, plain::files::Database);
    const std::optional<std::string> answer = AnswerOf(*request, data + '/' + std::string(plain::files::Database));
    if (!answer)
        return HandOver(programFolder, argv);
    if (std::fwrite(answer->data(), 1, answer->size(), stdout) != answer->size() || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "quillet: the output could not be written: %s\n", std::strerror(errno));
        return ExitError;
    }
    return 0;
}

} // namespace quillet::lookup
