// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/lookup/ReportBuilder.h"

#include <QString>

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <variant>

namespace quillet::bus {

// A D-Bus error: its name (BusNames.h) and a message a person can act on.
struct BusError {
    QString name;
    QString message;
};

// Whether a word sent over the bus can be searched: not blank, at most MaxQueryLength
// characters, and text (no character that stands for bytes that were not UTF-8, no half
// of a surrogate pair, no control character).
std::optional<BusError> CheckWord(const QString &word);

// Lookup's arguments as a look-up request: the word trimmed, the direction "er", "re" or
// "" for both, and whether diacritics are ignored.
std::variant<LookupRequest, BusError> LookupArguments(const QString &word, const QString &direction,
                                                      bool ignoreDiacritics);

// The requests that come while the window loads its dictionary: each runs, in the order
// they came, once the load ends. At most MaxWaiting wait; a caller beyond them is told to
// try again.
class WaitingRequests {
public:
    static constexpr std::size_t MaxWaiting = 256;

    // Keeps the request; false when MaxWaiting already wait.
    bool add(std::function<void()> request);
    // Runs the waiting requests, those added meanwhile too, and forgets them.
    void runAll();
    std::size_t size() const { return waiting_.size(); }

private:
    std::deque<std::function<void()>> waiting_;
};

// The error for a request beyond WaitingRequests::MaxWaiting.
BusError TooManyWaiting();
// The error for the selection's pop-up when there is no word to look up.
BusError NothingSelected();
// The error for a command line the window leaves to the command line's own program:
// one that reads or writes the user's files, or a look-up of a word it refuses.
BusError LeftToCommandLine(const QString &why);

} // namespace quillet::bus
