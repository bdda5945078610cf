// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/LookupArguments.h"

#include <algorithm>

namespace quillet::lookup {

namespace {

constexpr int EnglishRomanian = 1;
constexpr int RomanianEnglish = 2;

bool IsBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The word trimmed, when it is printable ASCII (inner blanks are spaces) and not empty.
std::optional<std::string> PlainWord(const std::string &argument)
{
    if (argument.empty() || argument.front() == '-')
        return std::nullopt;
    const auto first = std::find_if_not(argument.begin(), argument.end(), IsBlank);
    const auto last = std::find_if_not(argument.rbegin(), argument.rend(), IsBlank).base();
    if (first >= last)
        return std::nullopt;
    std::string word(first, last);
    if (!std::all_of(word.begin(), word.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
        return std::nullopt;
    return word;
}

std::optional<int> DirectionNamed(const std::string &code)
{
    if (code == "er")
        return EnglishRomanian;
    if (code == "re")
        return RomanianEnglish;
    return std::nullopt;
}

} // namespace

std::optional<PlainRequest> PlainRequestOf(const std::vector<std::string> &arguments)
{
    std::optional<std::string> word;
    std::optional<int> direction;
    if (arguments.size() != 2 && arguments.size() != 4)
        return std::nullopt;
    for (std::size_t i = 0; i + 1 < arguments.size(); i += 2) {
        const std::string &option = arguments[i];
        const std::string &value = arguments[i + 1];
        if (option == "--lookup" && !word)
            word = PlainWord(value);
        else if (option == "-d" && !direction)
            direction = DirectionNamed(value);
        else
            return std::nullopt;
        if ((option == "--lookup" && !word) || (option == "-d" && !direction))
            return std::nullopt;
    }
    if (!word)
        return std::nullopt;
    PlainRequest request{*word, {}};
    request.directions = direction ? std::vector<int>{*direction} : std::vector<int>{EnglishRomanian, RomanianEnglish};
    return request;
}

} // namespace quillet::lookup
