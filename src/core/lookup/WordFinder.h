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

// The headwords offered above the Starting-with rows when the query is no headword.
struct WordFinds {
    std::vector<int> baseForms;  // headwords the query is an inflected form of
    std::vector<int> nearMisses; // headwords a slip of the keys away, when nothing else is found

    bool isEmpty() const { return baseForms.empty() && nearMisses.empty(); }
};

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

    // What to offer besides the search's own lists for the trimmed query. Base forms only
    // when the query is no headword (case aside, and marks too when they are ignored);
    // near misses only when the lists and the base forms are all empty.
    WordFinds find(int d, QStringView query, const SearchResult &found, Diacritics diacritics);

    // The headwords the query is an inflected form of, best first: those of forms spelled
    // as the query before those of forms that differ in marks, the listed forms before
    // the English rules.
    std::vector<int> baseForms(int d, QStringView query, Diacritics diacritics);
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

    const DictTable &table_;
    std::array<FormsTable, 2> forms_;
    std::array<std::optional<HeadwordKeys>, 2> keys_;
};

} // namespace quillet
