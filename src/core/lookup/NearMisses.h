// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/lookup/HeadwordKeys.h"

#include <QStringView>

#include <string_view>
#include <vector>

namespace quillet {

// At most this many near misses are offered.
inline constexpr std::size_t MaxNearMisses = 5;

// The most edits a near miss of a query of this many letters may be away: none for one
// or two letters (only case and marks may differ), one up to four letters, two beyond.
int NearMissBound(qsizetype letters);

// The optimal string alignment distance: inserting, deleting or changing one letter, or
// swapping two neighbouring letters, is one edit each. Gives up early and returns
// bound + 1 as soon as the distance must be larger than bound.
int EditDistance(std::u32string_view a, std::u32string_view b, int bound);

// The headwords within NearMissBound edits of the query, letter case and marks set
// aside, best first: the fewest edits; then, for one edit, the likelier slip (two letters
// swapped or a double letter typed single or single double, then a letter left out, then
// one changed, then one too many); then the
// same first letter as the query; then the closest length; then the fewest edits with
// the marks counted (so "frnă" gives "frână" before "frâna"); then table order. At most
// `limit` of them.
std::vector<int> FindNearMisses(const HeadwordKeys &keys, QStringView query, std::size_t limit = MaxNearMisses);

} // namespace quillet
