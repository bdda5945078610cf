// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QStringView>

#include <array>

namespace quillet {

// The words that stand before a Romanian word without being part of it: the infinitive's
// "a", the subjunctive's "să", the negation, the articles ("unei pompe", "să pompeze").
inline constexpr std::array<QStringView, 16> RomanianParticles{
    u"a",   u"să",  u"nu",  u"o",   u"un",  u"unui", u"unei", u"unor",
    u"niște", u"al", u"ale", u"lui", u"cel", u"cea",  u"cei",  u"cele"};

// The words before an English word that the dictionary's headwords leave out ("to pump",
// "the bearings").
inline constexpr std::array<QStringView, 4> EnglishParticles{u"to", u"the", u"a", u"an"};

// The words a Romanian word may be with its definite article or case ending taken off:
// "pompele" → "pompe", "presiunii" → "presiuni", "arborelui" → "arbore", "tensiunea" →
// "tensiune", "pompa" → "pompă". Most are no words; the caller keeps those that are
// headwords or listed forms. In the order the endings are tried, each once.
QStringList RomanianArticleCandidates(QStringView word);

} // namespace quillet
