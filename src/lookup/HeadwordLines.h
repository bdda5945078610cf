// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
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

// One pass over a direction's headwords member, one headword a line, searched as the
// command line searches it, for a plain ASCII word and any number of keys at once. The
// member comes piece by piece, as it is unpacked (a line may run across pieces); the
// lines found are kept, nothing else is. Anything the command line would read otherwise
// (a line break with a carriage return, a member or line past the loader's bounds, bytes
// that are no clean UTF-8, letters that fold to ASCII letters) makes the member unfit,
// and the look-up is left to quillet-cli.
//
//   HeadwordLines lines("pump", 100, {"pump", "pumps"});
//   for (each piece of the member) lines.add(piece);
//   if (lines.finish()) ... lines.startingWith(), lines.withKey("pumps") ...
class HeadwordLines {
public:
    // Both lists for `word` (at most `limit` entries each; none for an empty word), and
    // the headwords of each key, an ASCII key in lower case (case and marks aside).
    HeadwordLines(std::string_view word, std::size_t limit, std::vector<std::string> keys);
    HeadwordLines(const HeadwordLines &) = delete;
    HeadwordLines &operator=(const HeadwordLines &) = delete;

    // The member's next bytes.
    void add(std::string_view piece);
    // The member ended: whether it is fit, which only the whole member tells.
    bool finish();

    // Begins with the word, letter case counts.
    const std::vector<int> &startingWith() const { return startingWith_; }
    // Holds the word, letter case aside.
    const std::vector<int> &containing() const { return containing_; }
    // The headwords of one of the keys.
    std::vector<Line> withKey(std::string_view key) const;
    // The headword of an entry found.
    std::optional<std::string_view> headword(int entry) const;

private:
    void addLines(std::string_view lines);
    void addLine(std::string_view line);
    void look(int entry, std::string_view line);
    bool mayStartKey(std::string_view text, std::size_t at);
    bool listsOpen() const { return startingWith_.size() < limit_ || containing_.size() < limit_; }

    std::string word_;
    std::string lowerWord_;
    std::size_t limit_;
    std::vector<std::string> keys_;
    // The bytes a line that may have a key starts with, told in a few compares; when
    // they do not fit, every line is looked at.
    std::array<char, 4> keyFirstBytes_{};
    bool everyLineMayHaveKey_ = false;
    std::string keyFirstLetters_;
    std::vector<std::array<char, 2>> keyPairs_; // the first two letters of each key ('\n' for none)
    std::array<signed char, 0x800> startsKey_{}; // of each character of one or two bytes: 1 may start a key, -1 not

    std::vector<int> startingWith_;
    std::vector<int> containing_;
    std::vector<std::vector<int>> withKey_; // of each key
    std::map<int, std::string> found_;      // the text of every line found

    std::string carried_; // the start of a line the last piece ended in
    bool begun_ = false;  // the first line is done
    std::size_t bytes_ = 0;
    int entries_ = 0;
    bool fit_ = true;
};

} // namespace quillet::lookup
