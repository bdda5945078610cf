// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/RomanianMorphology.h"

namespace quillet {

namespace {

struct Ending {
    QStringView ending;
    QStringView replacement;
};

// The longer endings first: "ului" before "lui" before "i".
constexpr std::array<Ending, 9> Endings{{
    {u"ului", u""}, {u"lor", u""}, {u"lui", u""}, {u"ule", u""}, {u"ul", u""},
    {u"le", u""},   {u"i", u""},   {u"a", u""},   {u"a", u"ă"},
}};

} // namespace

QStringList RomanianArticleCandidates(QStringView word)
{
    const QString lower = word.toString().toLower();
    QStringList candidates;
    for (const Ending &rule : Endings) {
        // The stem keeps at least three letters.
        if (!lower.endsWith(rule.ending) || lower.size() - rule.ending.size() < 3)
            continue;
        const QString candidate = lower.first(lower.size() - rule.ending.size()) + rule.replacement.toString();
        if (!candidates.contains(candidate))
            candidates.append(candidate);
    }
    return candidates;
}

} // namespace quillet
