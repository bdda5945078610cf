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

// Runs a command-line request, without any window. Returns std::nullopt when the
// arguments ask for the window (no request at all), else the exit status.
//
//   quillet --version              prints "Quillet <major>.<minor>"
//   quillet --help                 prints the usage
//   quillet --lookup WORD [--direction er|re]
//
// A lookup loads the dictionary from `programDir` and searches the trimmed WORD in the
// direction given (er English to Romanian, re Romanian to English, the default). It
// prints, in UTF-8, both result lists, each entry as headword TAB translation:
//
//   Starting with:
//   <headword>\t<translation>      (at most 100 lines)
//   <count caption>                e.g. "7 words", ">100 words"
//   <empty line>
//   Containing:
//   <headword>\t<translation>
//   <count caption>
//
// Errors go to `err` as one line starting with "quillet: ". The loader waits for the
// extractor while letting events run, so the caller creates a QCoreApplication first.
std::optional<int> RunCommandLine(const QStringList &arguments, const QString &programDir,
                                  QTextStream &out, QTextStream &err);

} // namespace quillet
