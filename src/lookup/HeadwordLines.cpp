// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/HeadwordLines.h"

#include "core/dictionary/FileNames.h"
#include "core/lookup/LetterKeys.h"

#include <algorithm>
#include <cstring>

namespace quillet::lookup {

namespace {

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

// Whether the line's key is `key`, the line being clean UTF-8.
bool HasKey(std::string_view line, std::string_view key)
{
    if (line.size() < key.size())
        return false;
    // Most lines part from the key at their first letter, plain ASCII.
    if (!line.empty() && !key.empty() && static_cast<unsigned char>(line.front()) < 0x80 && Lower(line.front()) != key.front())
        return false;
    std::size_t matched = 0;
    for (std::size_t at = 0; at < line.size();) {
        const std::optional<char32_t> c = plain::NextCharacter(line, at);
        const std::optional<char> letter = c ? plain::AsciiKeyOf(*c) : std::nullopt;
        if (!letter)
            return false; // a letter whose key is no ASCII letter
        if (*letter == 0)
            continue; // a loose mark
        if (matched == key.size() || key[matched] != *letter)
            return false;
        ++matched;
    }
    return matched == key.size();
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
    // Lines of other encodings are read otherwise.
    if (!plain::IsCleanUtf8(text_))
        return;
    fit_ = std::int64_t(member.size()) <= plain::files::MaxHeadwordsBytes;
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

WordLines HeadwordLines::find(std::string_view word, std::size_t limit)
{
    WordLines found;
    if (word.empty())
        return found;
    std::string lower(word);
    std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
    forEachLine([&](const Line &line) {
        // The bounds of the loader: it refuses a member past them.
        if (line.text.size() > std::size_t(plain::files::MaxLineBytes) || line.entry > plain::files::MaxEntries)
            fit_ = false;
        entries_ = line.entry;
        const bool startsWith = found.startingWith.size() < limit && !line.text.empty()
                                && line.text.front() == word.front() && line.text.starts_with(word);
        const bool contains = found.containing.size() < limit && ContainsFolded(line.text, lower);
        if (startsWith)
            found.startingWith.push_back(line.entry);
        if (contains)
            found.containing.push_back(line.entry);
        const bool alike = HasKey(line.text, lower);
        if (alike)
            found.alike.push_back(line);
        if (startsWith || contains || alike)
            known_.emplace(line.entry, line.text);
        return true;
    });
    return found;
}

std::vector<Line> HeadwordLines::withKey(std::string_view key)
{
    std::vector<Line> lines;
    forEachLine([&](const Line &line) {
        if (HasKey(line.text, key)) {
            lines.push_back(line);
            known_.emplace(line.entry, line.text);
        }
        return true;
    });
    return lines;
}

std::vector<Line> HeadwordLines::headwords(std::vector<int> entries) const
{
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    std::vector<Line> lines;
    // Those found by a search are known already.
    if (std::all_of(entries.begin(), entries.end(), [this](int k) { return known_.contains(k); })) {
        for (const int k : entries)
            lines.push_back({k, known_.at(k)});
        return lines;
    }
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
