// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictTable.h"
#include "core/lookup/FormsTable.h"
#include "core/lookup/HeadwordKeys.h"
#include "core/lookup/SearchEngine.h"

#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace quillet {

// At most this many base forms are offered.
inline constexpr std::size_t MaxBaseForms = 5;

// The headwords offered besides the search's own lists.
struct WordFinds {
    std::vector<int> otherCase;  // spelled as the query but for letter case, which the
                                 // Starting-with list tells apart
    std::vector<int> baseForms;  // headwords the query is an inflected form of
    std::vector<int> nearMisses; // headwords a slip of the keys away, when nothing else is found
    bool besideHeadword = false; // the query is itself a headword: its base forms come after
                                 // its own rows

    bool isEmpty() const { return otherCase.empty() && baseForms.empty() && nearMisses.empty(); }
};

// Whether near misses are looked for when nothing else is found.
enum class NearMissSearch { WhenNothingFound, Never };

// Finds the word behind an inflected or misspelt query in a loaded dictionary, which
// does not change after. The headwords are read once, on first need (or when
// prepared); the forms tables come
// later than the table, and until they do only the English rules and the near misses
// answer.
class WordFinder {
public:
    explicit WordFinder(const DictTable &table) : table_(table) {}

    // The inflected forms of direction d's headwords (1 English, 2 Romanian).
    void setForms(int d, FormsTable forms);
    // Reads the headwords of both directions now, so no search waits for it later.
    void prepare();

    // What to offer besides the search's own lists for the trimmed query: the headwords it
    // matches but for letter case, its base forms, and near misses only when the lists and
    // the other offers are all empty (and they are asked for).
    WordFinds find(int d, QStringView query, const SearchResult &found, Diacritics diacritics,
                   NearMissSearch nearMisses = NearMissSearch::WhenNothingFound);

    // The headwords spelled as the query but for letter case, in table order, the query's
    // own spelling left out (with marks ignored, spelled as it but for case and marks).
    std::vector<int> otherCase(int d, QStringView query, Diacritics diacritics);
    // The headwords the query is an inflected form of, best first: those of forms spelled
    // as the query before those of forms that differ in marks, the listed forms before
    // the English rules. A query that is a headword itself is a form only of what the
    // forms lists give, or an English verb or plural makes ("threaded" of "thread").
    std::vector<int> baseForms(int d, QStringView query, Diacritics diacritics);
    // The headwords a slip of the keys away from the query.
    std::vector<int> nearMisses(int d, QStringView query);
    // Whether the query is a headword of direction d, case aside (and marks, when ignored).
    bool isHeadword(int d, QStringView query, Diacritics diacritics);

    // The memory its tables hold, for measuring.
    std::size_t byteSize() const;

private:
    const HeadwordKeys &keys(int d);
    // The entry of the headword spelled as the word, or failing that, as it but for case
    // (and marks, when ignored).
    std::optional<int> entryOf(int d, const QString &word, Diacritics diacritics);
    QStringList candidateBases(int d, QStringView query, Diacritics diacritics);
    QStringList headwordBases(int d, QStringView query, Diacritics diacritics) const;

    const DictTable &table_;
    std::array<FormsTable, 2> forms_;
    std::array<std::optional<HeadwordKeys>, 2> keys_;
};

} // namespace quillet
