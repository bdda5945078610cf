// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/lookup/LookupReport.h"
#include "core/lookup/ReportBuilder.h"
#include "core/terms/PersonalWords.h"
#include "starter/StartPrograms.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <optional>

namespace quillet {

// Exit statuses of a command-line request.
inline constexpr int ExitFound = 0;        // the lookup matched, or --version / --help
inline constexpr int ExitNothingFound = 1; // the lookup matched no headword
inline constexpr int ExitError = start::ExitError; // bad usage, the dictionary did not load, or no display

// Whether the arguments ask for the window: none of the requests below, only Qt's own
// window options (such as -style fusion), if any, or --show WORD or --selection. Short and long forms are the same
// option (-l and --lookup); a single dash followed by a word is one option, as Qt reads it.
bool OpensWindow(const QStringList &arguments);

// Runs a command-line request, without any window. Returns std::nullopt when the
// arguments ask for the window (OpensWindow), else the exit status.
//
//   quillet -v | --version         prints "Quillet <major>.<minor>", the dictionary's entry
//                                  counts, the copyright and the licences
//   quillet -h | --help            prints the usage
//   quillet [options] WORD...      looks WORD up (several words are one phrase)
//   quillet [options] -l | --lookup WORD
//   quillet --import FILE [--replace] [--format tbx|csv|tsv]
//                                  adds FILE's pairs to My terms and prints what it did:
//                                  "N added, N already there, N refused" and a line for
//                                  each refused pair
//   quillet --export FILE [--format tbx|csv|tsv]
//                                  writes My terms to FILE
//
// with the options -d | --direction er|re, -i | --ignore-diacritics and
// -f | --format text|tsv|json (ParseCommandLine reads them). A look-up loads the
// dictionary from `programDir` and prints, in UTF-8, what MakeReport answers in the format
// asked for (see LookupReport.h); the text format, one direction:
//
//   Same word, other case:         (only when it holds an entry; likewise the next two)
//   <headword>\t<translation>      (at most 5 lines)
//   <count>
//   <empty line>
//   Base forms:                    (after Starting with when WORD is a headword itself)
//   ...
//   Near misses:                   (only when no direction found anything else)
//   ...
//   Starting with:
//   <headword>\t<translation>      (at most 100 lines)
//   <count>                        "1 word", "7 words", ">100 words"
//   <empty line>
//   Containing:
//   <headword>\t<translation>
//   <count>
//
// The status is ExitFound when any list holds an entry, the offered ones included; else
// ExitNothingFound, and "no match" goes to `err`.
//
// The user's own pairs (My terms, from `files`) lead both lists; when there are any,
// the TSV and JSON formats say where each entry comes from (see LookupReport.h).
//
// Errors, an output that cannot be written among them, go to `err` as one line in the
// style of ErrorLine.
//
// A look-up is first put to `running` (the window's own dictionary, when the window
// answers), when given: what it answers is written as the loaded dictionary's answer
// would be, byte for byte; when it answers nothing, the dictionary is loaded.
using RunningLookup = std::function<std::optional<LookupReport>(const LookupRequest &)>;
std::optional<int> RunCommandLine(const QStringList &arguments, const QString &programDir,
                                  QTextStream &out, QTextStream &err,
                                  const PersonalWordFiles &files = PersonalWordFiles::InDataFolder(),
                                  const RunningLookup &running = {});

// A command line put to the window that runs in the session (quillet-bus hands it over
// the session bus): what the program would write on its standard output and error, and
// its exit status.
struct TextAnswer {
    int status = ExitFound;
    QString output;
    QString errors;
};

// Answers a look-up through `running` (the window's own), --help or a usage error as
// RunCommandLine does, as text; nullopt for the requests that read or write the user's
// files (--version, --import, --export) or are the window's, which the caller takes.
std::optional<TextAnswer> AnswerAsText(const QStringList &arguments, const RunningLookup &running);

// The arguments after the program's name, as the command line gave them.
QStringList CommandLineArguments(int argc, char **argv);

// RunCommandLine on the process's standard output and error, with what the C library
// still holds for the output written too; the exit status (ExitError for the window).
int AnswerOnStandardStreams(const QStringList &arguments, const QString &programDir);

// A closed output would give its number to the first file opened (the archive, or a
// descriptor of the program's own libraries), and the answer would go there: before
// anything is opened, tells the user on stderr and answers true when it is closed.
bool SaidOutputClosed();

} // namespace quillet
