// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillet::lookup {

// A look-up this program answers itself: `--lookup WORD`, with or without `-d er` or
// `-d re` before or after it, the word plain printable ASCII. The word is trimmed as the
// command line trims it; the directions come English-Romanian first.
struct PlainRequest {
    std::string word;
    std::vector<int> directions;
};

// The request the arguments after the program's name make, or nullopt for anything else
// (other options, other forms of the same options, a word of other characters), which
// quillet-cli answers.
std::optional<PlainRequest> PlainRequestOf(const std::vector<std::string> &arguments);

} // namespace quillet::lookup
