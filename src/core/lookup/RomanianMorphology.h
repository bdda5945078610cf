// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/lookup/BaseCandidates.h"

#include <QStringList>
#include <QStringView>

#include <array>

namespace quillet {

namespace detail {
template <std::size_t N>
constexpr std::array<QStringView, N> ViewsOf(const std::u16string_view (&words)[N])
{
    std::array<QStringView, N> views{};
    for (std::size_t i = 0; i < N; ++i)
        views[i] = QStringView(words[i].data(), qsizetype(words[i].size()));
    return views;
}
} // namespace detail

// The words that stand before a Romanian word without being part of it: the infinitive's
// "a", the subjunctive's "să", the negation, the articles ("unei pompe", "să pompeze").
inline constexpr auto RomanianParticles = detail::ViewsOf(plain::RomanianParticleList);

// The words before an English word that the dictionary's headwords leave out ("to pump",
// "the bearings").
inline constexpr auto EnglishParticles = detail::ViewsOf(plain::EnglishParticleList);

// The words a Romanian word may be with its definite article or case ending taken off:
// "pompele" → "pompe", "presiunii" → "presiuni", "arborelui" → "arbore", "tensiunea" →
// "tensiune", "pompa" → "pompă". Most are no words; the caller keeps those that are
// headwords or listed forms. In the order the endings are tried, each once.
QStringList RomanianArticleCandidates(QStringView word);

} // namespace quillet
