// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What becomes of a letter in a word's key (WordKey: case-folded, marks taken off), told
// without the toolkit for the keys that are plain ASCII: the look-up without Qt compares
// an ASCII word with headwords and forms by them. A test holds these facts against the
// toolkit's own folding over every character, so the two cannot drift apart.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillet::plain {

// A combining mark standing loose in a text: the key drops it.
constexpr bool IsCombiningMark(char32_t c)
{
    return c >= 0x0300 && c <= 0x036F;
}

// The key of one character when it is one ASCII character ('a' for 'A', 'ă' and 'Å'); 0
// for a loose mark, whose key is empty; nullopt when its key is no ASCII character.
std::optional<char> AsciiKeyOf(char32_t c);

// The case folding of one character for the letters told here: ASCII, the Romanian
// letters with marks, and the two letters that fold to ASCII ones (ſ and the Kelvin
// sign); nullopt for any other, whose folding is no ASCII letter.
std::optional<char32_t> KnownFoldOf(char32_t c);

// Whether two valid UTF-8 texts are equal with letter case aside, as the toolkit compares
// them; nullopt when it cannot be told here.
std::optional<bool> EqualButForCase(std::string_view a, std::string_view b);

// The key of valid UTF-8 text when every character's key is ASCII; nullopt otherwise, or
// when the text is no valid UTF-8.
std::optional<std::string> AsciiKey(std::string_view utf8);

// Whether the bytes are valid UTF-8 of characters the toolkit keeps as they are: no
// surrogates, no overlong forms, nothing past U+10FFFF, no noncharacters.
bool IsCleanUtf8(std::string_view bytes);

// Appends the character in UTF-8.
void AppendUtf8(std::string &out, char32_t c);

// The length of the well-formed UTF-8 sequence at the front of `bytes` (no overlong
// form, no surrogate, nothing past U+10FFFF); 0 when it is none.
std::size_t Utf8SequenceAt(std::string_view bytes);

// The next character of valid UTF-8 at `at`, which moves past it; nullopt on bytes that
// are none.
std::optional<char32_t> NextCharacter(std::string_view utf8, std::size_t &at);

} // namespace quillet::plain
