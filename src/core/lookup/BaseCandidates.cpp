// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/BaseCandidates.h"

#include <algorithm>
#include <array>

namespace quillet::plain {

namespace {

struct Detachment {
    std::u16string_view ending;
    std::u16string_view replacement;
    bool verbOrPlural = true;
};

// Nouns, verbs and adjectives, in that order; then the possessive and adverbs.
constexpr std::array<Detachment, 25> EnglishRules{{
    {u"s", u""},     {u"ses", u"s"},  {u"xes", u"x"},  {u"zes", u"z"},   {u"ches", u"ch"},
    {u"shes", u"sh"}, {u"men", u"man"}, {u"ies", u"y"},
    {u"es", u"e"},   {u"es", u""},    {u"ed", u"e"},   {u"ed", u""},     {u"ing", u"e"},
    {u"ing", u""},
    {u"er", u"", false},  {u"est", u"", false}, {u"er", u"e", false}, {u"est", u"e", false},
    {u"'s", u""},    {u"s'", u"s"},
    {u"ly", u"", false}, {u"ily", u"y", false}, {u"ally", u"", false}, {u"bly", u"ble", false},
    {u"ied", u"y"},
}};

struct Ending {
    std::u16string_view ending;
    std::u16string_view replacement;
};

// The longer endings first: "ului" before "lui" before "i".
constexpr std::array<Ending, 9> RomanianEndings{{
    {u"ului", u""}, {u"lor", u""}, {u"lui", u""}, {u"ule", u""}, {u"ul", u""},
    {u"le", u""},   {u"i", u""},   {u"a", u""},   {u"a", u"ă"},
}};

// The endings after which a doubled consonant may be the doubling of a single one.
bool DoublesBefore(std::u16string_view ending)
{
    return ending == u"ed" || ending == u"ing" || ending == u"er" || ending == u"est";
}

void AppendOnce(std::vector<std::u16string> &list, std::u16string word)
{
    if (!word.empty() && std::find(list.begin(), list.end(), word) == list.end())
        list.push_back(std::move(word));
}

bool AsciiSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool AsciiLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace

CharacterKinds AsciiKinds()
{
    return {&AsciiSpace, &AsciiLetter};
}

std::vector<std::u16string> EnglishBases(std::u16string_view lower, bool verbsAndPlurals, const CharacterKinds &kinds)
{
    const auto isConsonant = [&kinds](char16_t c) {
        return kinds.isLetter(c) && std::u16string_view(u"aeiouy").find(c) == std::u16string_view::npos;
    };
    std::vector<std::u16string> candidates;
    for (const Detachment &rule : EnglishRules) {
        if (verbsAndPlurals && !rule.verbOrPlural)
            continue;
        // The stem keeps at least two letters: "is" is no form of "i".
        if (!lower.ends_with(rule.ending) || lower.size() - rule.ending.size() < 2)
            continue;
        // No plural ends in "ss": "glass" is no form of "glas".
        if (rule.ending == u"s" && lower.ends_with(u"ss"))
            continue;
        const std::u16string_view stem = lower.substr(0, lower.size() - rule.ending.size());
        if (kinds.isSpace(stem.back()))
            continue;
        AppendOnce(candidates, std::u16string(stem) + std::u16string(rule.replacement));
        const std::size_t n = stem.size();
        if (rule.replacement.empty() && DoublesBefore(rule.ending) && n >= 3 && stem[n - 1] == stem[n - 2]
            && isConsonant(stem[n - 1]))
            AppendOnce(candidates, std::u16string(stem.substr(0, n - 1)));
    }
    return candidates;
}

std::vector<std::u16string> RomanianBases(std::u16string_view lower)
{
    std::vector<std::u16string> candidates;
    for (const Ending &rule : RomanianEndings) {
        // The stem keeps at least three letters.
        if (!lower.ends_with(rule.ending) || lower.size() - rule.ending.size() < 3)
            continue;
        AppendOnce(candidates, std::u16string(lower.substr(0, lower.size() - rule.ending.size()))
                                   + std::u16string(rule.replacement));
    }
    return candidates;
}

} // namespace quillet::plain
