// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/LetterKeys.h"

#include <algorithm>
#include <array>

namespace quillet::plain {

namespace {

// Runs of characters whose keys are ASCII letters: the first character of a run, and the
// key of each character of it in turn. Everything else above ASCII keys to something that
// is not ASCII (the loose marks to nothing).
struct KeyRun {
    char32_t first;
    std::string_view keys;
};

constexpr std::array<KeyRun, 30> KeyRuns{{
    {0x00C0, "aaaaaa"}, {0x00C7, "ceeeeiiii"}, {0x00D1, "nooooo"}, {0x00D8, "ouuuuy"}, {0x00E0, "aaaaaa"},
    {0x00E7, "ceeeeiiii"}, {0x00F1, "nooooo"}, {0x00F8, "ouuuuy"},
    {0x00FF, "yaaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiI"}, {0x0134, "jjkk"}, {0x0139, "llllll"},
    {0x0141, "llnnnnnn"}, {0x014C, "oooooo"}, {0x0154, "rrrrrrsssssssstttt"}, {0x0168, "uuuuuuuuuuuuwwyyyzzzzzzs"},
    {0x01A0, "oo"}, {0x01AF, "uu"}, {0x01CD, "aaiioouuuuuuuuuu"}, {0x01DE, "aaaa"}, {0x01E6, "ggkkoooo"},
    {0x01F0, "j"}, {0x01F4, "gg"}, {0x01F8, "nnaa"}, {0x0200, "aaaaeeeeiiiioooorrrruuuusstt"}, {0x021E, "hh"},
    {0x0226, "aaeeooooooooyy"},
    {0x1E00, "aabbbbbbccddddddddddeeeeeeeeeeffgghhhhhhhhhhiiiikkkkkkllllllllmmmmmmnnnnnnnnoooooooopppprrrrrrrrss"
             "ssssssssttttttttuuuuuuuuuuvvvvwwwwwwwwwwxxxxyyzzzzzzhtwy"},
    {0x1E9B, "s"},
    {0x1EA0, "aaaaaaaaaaaaaaaaaaaaaaaaeeeeeeeeeeeeeeeeiiiioooooooooooooooooooooooouuuuuuuuuuuuuuyyyyyyyy"},
    {0x212A, "ka"},
}};

constexpr char Lower(char32_t c)
{
    return char(c >= U'A' && c <= U'Z' ? c + 32 : c);
}

} // namespace

std::optional<char> AsciiKeyOf(char32_t c)
{
    if (c == 0)
        return std::nullopt; // 0 stands for a key of nothing
    if (c < 0x80)
        return Lower(c);
    // A loose mark goes, but for the one whose case folding is a letter (U+0345 folds to ι).
    if (IsCombiningMark(c))
        return c == 0x0345 ? std::nullopt : std::optional<char>(0);
    const auto after = std::upper_bound(KeyRuns.begin(), KeyRuns.end(), c,
                                        [](char32_t code, const KeyRun &run) { return code < run.first; });
    if (after == KeyRuns.begin())
        return std::nullopt;
    const KeyRun &run = *(after - 1);
    if (c - run.first >= run.keys.size())
        return std::nullopt;
    return run.keys[c - run.first];
}

std::optional<char32_t> KnownFoldOf(char32_t c)
{
    // Capital and small letter of the Romanian letters with marks, both spellings of
    // ș and ț; then ſ (the long s) and the Kelvin sign.
    static constexpr std::array<std::pair<char32_t, char32_t>, 9> Folds{{
        {0x00C2, 0x00E2}, {0x00CE, 0x00EE}, {0x0102, 0x0103}, {0x015E, 0x015F}, {0x0162, 0x0163},
        {0x0218, 0x0219}, {0x021A, 0x021B}, {0x017F, U's'}, {0x212A, U'k'}}};
    if (c < 0x80)
        return char32_t(Lower(c));
    for (const auto &[letter, folded] : Folds)
        if (c == letter || (c == folded && folded >= 0x80))
            return folded;
    return std::nullopt;
}

std::optional<bool> EqualButForCase(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    bool told = true;
    while (i < a.size() && j < b.size()) {
        const std::optional<char32_t> x = NextCharacter(a, i);
        const std::optional<char32_t> y = NextCharacter(b, j);
        if (!x || !y)
            return std::nullopt;
        if (*x == *y)
            continue;
        const std::optional<char32_t> fx = KnownFoldOf(*x);
        const std::optional<char32_t> fy = KnownFoldOf(*y);
        if (fx && fy) {
            if (*fx != *fy)
                return false;
        } else if ((fx && *fx < 0x80) || (fy && *fy < 0x80)) {
            return false; // the other one folds to no ASCII letter
        } else {
            told = false;
        }
    }
    if (i < a.size() || j < b.size())
        return false;
    return told ? std::optional<bool>(true) : std::nullopt;
}

void AppendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
        return;
    }
    const int length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    static constexpr unsigned char Lead[] = {0, 0, 0xC0, 0xE0, 0xF0};
    out += char(Lead[length] | (c >> (6 * (length - 1))));
    for (int i = length - 2; i >= 0; --i)
        out += char(0x80 | ((c >> (6 * i)) & 0x3F));
}

std::size_t Utf8SequenceAt(std::string_view bytes)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4                                   ? 4
                                                                                                : 0;
    if (length == 0 || bytes.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    const unsigned char second = byte(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90)
        || (lead == 0xF4 && second > 0x8F))
        return 0; // overlong, a surrogate, or past U+10FFFF
    return length;
}

std::optional<char32_t> NextCharacter(std::string_view utf8, std::size_t &at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    const std::size_t length = Utf8SequenceAt(utf8.substr(at));
    if (length == 0)
        return std::nullopt;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        c = (c << 6) | (byte(at + i) & 0x3F);
    // Noncharacters, which the toolkit does not keep as they are.
    if ((c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE)
        return std::nullopt;
    at += length;
    return c;
}

bool IsCleanUtf8(std::string_view bytes)
{
    for (std::size_t at = 0; at < bytes.size();) {
        // Eight ASCII bytes at a time, the common case.
        while (at + 8 <= bytes.size()) {
            std::uint64_t eight = 0;
            for (std::size_t i = 0; i < 8; ++i)
                eight |= std::uint64_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
            if ((eight & 0x8080808080808080ULL) != 0)
                break;
            at += 8;
        }
        if (at < bytes.size() && !NextCharacter(bytes, at))
            return false;
    }
    return true;
}

std::optional<std::string> AsciiKey(std::string_view utf8)
{
    std::string key;
    key.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const std::optional<char32_t> c = NextCharacter(utf8, at);
        if (!c)
            return std::nullopt;
        const std::optional<char> letter = AsciiKeyOf(*c);
        if (!letter)
            return std::nullopt;
        if (*letter != 0)
            key += *letter;
    }
    return key;
}

} // namespace quillet::plain
