// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/HeadwordLines.h"

#include "core/dictionary/FileNames.h"
#include "core/lookup/LetterKeys.h"

#include <algorithm>
#include <cstring>

namespace quillet::lookup {

namespace {

// The most entries a direction holds.
constexpr int Capacity = 200000;

// The UTF-8 of the letters whose case folding is an ASCII letter (ſ, the Kelvin sign).
constexpr std::string_view FoldingToAscii[] = {"\xC5\xBF", "\xE2\x84\xAA"};

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool ContainsFolded(std::string_view line, std::string_view lowerWord)
{
    if (line.size() < lowerWord.size())
        return false;
    const char first = lowerWord.front();
    for (std::size_t at = 0; at + lowerWord.size() <= line.size(); ++at) {
        if (Lower(line[at]) != first)
            continue;
        std::size_t i = 1;
        while (i < lowerWord.size() && Lower(line[at + i]) == lowerWord[i])
            ++i;
        if (i == lowerWord.size())
            return true;
    }
    return false;
}

bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Whether the line's key is `key`: nullopt when it cannot be told.
std::optional<bool> HasKey(std::string_view line, std::string_view key)
{
    if (IsAscii(line)) {
        if (line.size() != key.size())
            return false;
        for (std::size_t i = 0; i < line.size(); ++i)
            if (Lower(line[i]) != key[i])
                return false;
        return true;
    }
    if (line.size() < key.size())
        return false;
    const std::optional<std::string> lineKey = plain::AsciiKey(line);
    if (!lineKey)
        return plain::IsCleanUtf8(line) ? std::optional<bool>(false) : std::nullopt;
    return *lineKey == key;
}

} // namespace

HeadwordLines::HeadwordLines(std::string_view member) : text_(member)
{
    if (text_.starts_with("\xEF\xBB\xBF"))
        text_.remove_prefix(3);
    if (text_.empty() || text_.find('\r') != std::string_view::npos)
        return;
    for (const std::string_view folding : FoldingToAscii)
        if (text_.find(folding) != std::string_view::npos)
            return;
    bool bounded = true;
    forEachLine([&](const Line &line) {
        if (line.text.size() > std::size_t(plain::files::MaxLineBytes) || line.entry > Capacity)
            bounded = false;
        entries_ = line.entry;
        return bounded;
    });
    fit_ = bounded && std::int64_t(member.size()) <= plain::files::MaxHeadwordsBytes;
}

template <typename Visit>
void HeadwordLines::forEachLine(Visit &&visit) const
{
    int entry = 0;
    for (std::size_t at = 0; at < text_.size();) {
        const auto *end = static_cast<const char *>(std::memchr(text_.data() + at, '\n', text_.size() - at));
        const std::size_t to = end == nullptr ? text_.size() : std::size_t(end - text_.data());
        if (!visit(Line{++entry, text_.substr(at, to - at)}))
            return;
        at = to + 1;
    }
}

WordLines HeadwordLines::find(std::string_view word, std::size_t limit) const
{
    std::string lower(word);
    std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
    WordLines found;
    forEachLine([&](const Line &line) {
        if (found.startingWith.size() < limit && line.text.starts_with(word))
            found.startingWith.push_back(line.entry);
        if (found.containing.size() < limit && ContainsFolded(line.text, lower))
            found.containing.push_back(line.entry);
        if (line.text.size() < lower.size())
            return true;
        const std::optional<bool> alike = HasKey(line.text, lower);
        found.told = found.told && alike.has_value();
        if (alike.value_or(false))
            found.alike.push_back(line);
        return true;
    });
    return found;
}

std::optional<std::vector<Line>> HeadwordLines::withKey(std::string_view key) const
{
    std::vector<Line> lines;
    bool told = true;
    forEachLine([&](const Line &line) {
        const std::optional<bool> has = HasKey(line.text, key);
        if (!has)
            told = false;
        else if (*has)
            lines.push_back(line);
        return told;
    });
    return told ? std::optional<std::vector<Line>>(std::move(lines)) : std::nullopt;
}

std::vector<Line> HeadwordLines::headwords(std::vector<int> entries) const
{
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    std::vector<Line> lines;
    auto next = entries.begin();
    forEachLine([&](const Line &line) {
        if (next != entries.end() && *next == line.entry) {
            lines.push_back(line);
            ++next;
        }
        return next != entries.end();
    });
    return lines;
}

} // namespace quillet::lookup
