// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quillet::lookup {

// The command line's request (argv as the program got it, at least one argument) in the
// process that runs it: a common look-up (see PlainRequestOf) is answered here, without
// Qt, when the user's output is open, the user has no terms of their own and the
// dictionary finds something, printing exactly what quillet-cli would print. Everything
// else, and any trouble with the archive, goes to quillet-cli in `programFolder`, the
// folder of the programs the starter runs, with the very same arguments and the ending
// signals held back. The dictionary is looked for as quillet-cli looks for it from there.
// Returns the exit status when it answered, or when quillet-cli could not be started.
int AnswerOrHandOver(int argc, char **argv, const char *programFolder);

} // namespace quillet::lookup
