// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictTable.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace quillet {

// At most this many matches of a pass are listed.
inline constexpr int MaxListedMatches = 100;

// The entries a query finds in one direction, as entry numbers in table order.
struct SearchResult {
    std::vector<int> startingWith; // headword begins with the query, letter case counts
    std::vector<int> containing;   // headword contains the query, letter case ignored
};

// Whether a letter with a mark matches its plain letter (ș and s, ă and a) in both passes.
enum class Diacritics { Distinct, Ignored };

// Both passes of one search over entries 1 to EntryCount(d) of direction d. The query
// is matched as one string, inner blanks included; callers trim it and never pass an
// empty one. Only the first MaxListedMatches matches of each pass are kept. With
// diacritics ignored, the marks come off the query and the headwords alike.
SearchResult SearchDictionary(const DictTable &table, int d, QStringView query,
                              Diacritics diacritics = Diacritics::Distinct);

// Both passes over entries 1 to `entries` of a headword index, as SearchDictionary makes them.
SearchResult SearchHeadwords(const HeadwordIndex &index, int entries, QStringView query,
                             Diacritics diacritics = Diacritics::Distinct);

// The query as the dictionary spells it: the cedilla letters ş ţ Ş Ţ, which some
// Romanian keyboards still type, become the comma-below letters ș ț Ș Ț of the entries.
QString CommaBelowLetters(QString query);

} // namespace quillet
