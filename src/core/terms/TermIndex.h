// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/HeadwordIndex.h"
#include "core/lookup/SearchEngine.h"
#include "core/terms/TermList.h"

#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace quillet {

// What My terms give a query in one direction, as rows of headword and translation, in
// the order of their headwords.
struct PersonalFinds {
    QList<std::pair<QString, QString>> startingWith;
    QList<std::pair<QString, QString>> containing;

    bool isEmpty() const { return startingWith.isEmpty() && containing.isEmpty(); }
};

// Which pairs of neighbouring bytes a text holds: a needle with a pair the text lacks is
// nowhere in it, and the text needs no scan. A needle of one byte is looked for alone.
class BytePairs {
public:
    explicit BytePairs(std::string_view text = {});
    bool mayHold(std::string_view needle) const;

private:
    static std::size_t pairOf(char first, char second);
    std::vector<std::uint64_t> bits_; // one bit for each of the 65,536 pairs, then one for each byte
};

// The pairs of My terms as the result lists find them: for each direction the pairs that
// read in it (a pair for both directions turned round in the Romanian-English one),
// sorted by headword, their headwords indexed as the dictionary's are.
class TermIndex {
public:
    TermIndex() = default;
    explicit TermIndex(const TermList &terms);

    // How many pairs read in direction d.
    int size(int d) const;
    bool isEmpty() const { return size(1) == 0 && size(2) == 0; }

    // Both passes over the pairs of direction d, with the rules of SearchDictionary, at
    // most MaxListedMatches rows each. A query no headword can hold costs no scan.
    PersonalFinds find(int d, QStringView query, Diacritics diacritics = Diacritics::Distinct) const;

private:
    struct Direction {
        std::vector<std::pair<QString, QString>> rows; // entry k is rows[k - 1]
        HeadwordIndex index;
        BytePairs folded;            // of the folded headwords
        BytePairs foldedWithoutMarks; // and of those without their marks
    };
    const Direction &direction(int d) const { return directions_[std::size_t(d == 2 ? 1 : 0)]; }

    std::array<Direction, 2> directions_;
};

} // namespace quillet
