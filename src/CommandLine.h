// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace quillet {

// Exit statuses of a command-line request.
inline constexpr int ExitFound = 0;        // the lookup matched, or --version / --help
inline constexpr int ExitNothingFound = 1; // the lookup matched no headword
inline constexpr int ExitError = 2;        // bad usage, or the dictionary did not load

// Whether the arguments ask for the window: none of the requests below, only Qt's own
// window options (such as -style fusion), if any. Short and long forms are the same
// option (-l and --lookup); a single dash followed by a word is one option, as Qt reads it.
bool OpensWindow(const QStringList &arguments);

// Runs a command-line request, without any window. Returns std::nullopt when the
// arguments ask for the window (OpensWindow), else the exit status.
//
//   quillet -v | --version         prints "Quillet <major>.<minor>"
//   quillet -h | --help            prints the usage
//   quillet -l | --lookup WORD [-d | --direction er|re]
//
// A lookup loads the dictionary from `programDir` and searches the trimmed WORD (its
// cedilla letters read as comma-below ones) in the direction given (er English to
// Romanian, re Romanian to English). It prints, in UTF-8, the words WORD is an inflected
// form of and, when nothing else is found, its near misses (each block only when it has
// rows), then both result lists of the direction, each entry as headword TAB translation:
//
//   Base forms:
//   <headword>\t<translation>      (at most 5 lines)
//   <empty line>
//   Near misses:
//   <headword>\t<translation>      (at most 5 lines)
//   <empty line>
//   Starting with:
//   <headword>\t<translation>      (at most 100 lines)
//   <count caption>                e.g. "7 words", ">100 words"
//   <empty line>
//   Containing:
//   <headword>\t<translation>
//   <count caption>
//
// Without a direction it prints the English-Romanian block, an empty line, then the
// Romanian-English block, each under a line with the direction's name. The status is
// ExitFound when any list or block holds an entry.
//
// Errors, an output that cannot be written among them, go to `err` as one line starting
// with "quillet: ". The loader waits for the extractor while letting events run, so the
// caller creates a QCoreApplication first.
std::optional<int> RunCommandLine(const QStringList &arguments, const QString &programDir,
                                  QTextStream &out, QTextStream &err);

} // namespace quillet
