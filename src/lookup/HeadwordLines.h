// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::lookup {

// One headword: its entry number (from 1) and its bytes.
struct Line {
    int entry = 0;
    std::string_view text;
};

// What one pass over the headwords finds for a plain ASCII word.
struct WordLines {
    std::vector<int> startingWith; // begins with the word, letter case counts
    std::vector<int> containing;   // holds the word, letter case aside
    std::vector<Line> alike;       // spelled as the word, case and marks aside
};

// A direction's headwords member as it was read, one headword a line, searched as the
// command line searches it, for plain ASCII words only. Anything the command line would
// read otherwise (a line break with a carriage return, a line past the bounds, bytes that
// are no clean UTF-8, letters that fold to ASCII letters) makes it unfit, and the look-up
// is left to quillet-cli.
class HeadwordLines {
public:
    // Takes the member's bytes, which must outlive it.
    explicit HeadwordLines(std::string_view member);

    // Whether the command line reads the member as this does; a member past the loader's
    // bounds (which the first find() meets) is unfit as well.
    bool fit() const { return fit_; }
    int entries() const { return entries_; }

    // Both lists (at most `limit` entries each) and the headwords alike, for the word.
    WordLines find(std::string_view word, std::size_t limit);
    // The headwords whose key (case and marks aside) is `key`, an ASCII key in lower
    // case.
    std::vector<Line> withKey(std::string_view key);
    // The headwords of the entries, by entry number.
    std::vector<Line> headwords(std::vector<int> entries) const;

private:
    template <typename Visit>
    void forEachLine(Visit &&visit) const;

    std::string_view text_;
    int entries_ = 0;
    bool fit_ = false;
    std::map<int, std::string_view> known_; // the headwords the searches met
};

} // namespace quillet::lookup
