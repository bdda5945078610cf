// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/EnglishMorphology.h"

#include <array>

namespace quillet {

namespace {

struct Detachment {
    QStringView ending;
    QStringView replacement;
    bool verbOrPlural = true;
};

// Nouns, verbs and adjectives, in that order; then the possessive and adverbs.
constexpr std::array<Detachment, 25> Rules{{
    {u"s", u""},     {u"ses", u"s"},  {u"xes", u"x"},  {u"zes", u"z"},   {u"ches", u"ch"},
    {u"shes", u"sh"}, {u"men", u"man"}, {u"ies", u"y"},
    {u"es", u"e"},   {u"es", u""},    {u"ed", u"e"},   {u"ed", u""},     {u"ing", u"e"},
    {u"ing", u""},
    {u"er", u"", false},  {u"est", u"", false}, {u"er", u"e", false}, {u"est", u"e", false},
    {u"'s", u""},    {u"s'", u"s"},
    {u"ly", u"", false}, {u"ily", u"y", false}, {u"ally", u"", false}, {u"bly", u"ble", false},
    {u"ied", u"y"},
}};

// The endings after which a doubled consonant may be the doubling of a single one.
bool DoublesBefore(QStringView ending)
{
    return ending == u"ed" || ending == u"ing" || ending == u"er" || ending == u"est";
}

bool IsConsonant(QChar c)
{
    return c.isLetter() && !QStringView(u"aeiouy").contains(c);
}

void AppendOnce(QStringList &list, const QString &word)
{
    if (!word.isEmpty() && !list.contains(word))
        list.append(word);
}

} // namespace

QStringList EnglishBaseCandidates(QStringView word, EnglishEndings endings)
{
    const QString lower = word.toString().toLower();
    QStringList candidates;
    for (const Detachment &rule : Rules) {
        if (endings == EnglishEndings::VerbsAndPlurals && !rule.verbOrPlural)
            continue;
        // The stem keeps at least two letters: "is" is no form of "i".
        if (!lower.endsWith(rule.ending) || lower.size() - rule.ending.size() < 2)
            continue;
        // No plural ends in "ss": "glass" is no form of "glas".
        if (rule.ending == u"s" && lower.endsWith(u"ss"))
            continue;
        const QString stem = lower.first(lower.size() - rule.ending.size());
        if (stem.back().isSpace())
            continue;
        AppendOnce(candidates, stem + rule.replacement.toString());
        const qsizetype n = stem.size();
        if (rule.replacement.isEmpty() && DoublesBefore(rule.ending) && n >= 3 && stem[n - 1] == stem[n - 2]
            && IsConsonant(stem[n - 1]))
            AppendOnce(candidates, stem.first(n - 1));
    }
    return candidates;
}

} // namespace quillet
