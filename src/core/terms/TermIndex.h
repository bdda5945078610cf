// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/HeadwordIndex.h"
#include "core/lookup/SearchEngine.h"
#include "core/terms/TermList.h"

#include <QList>
#include <QString>

#include <array>
#include <utility>
#include <vector>

namespace quillet {

// What My terms give a query in one direction, as rows of headword and translation, in
// the order of their headwords.
struct PersonalFinds {
    QList<std::pair<QString, QString>> startingWith;
    QList<std::pair<QString, QString>> containing;
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
    // most MaxListedMatches rows each.
    PersonalFinds find(int d, QStringView query, Diacritics diacritics = Diacritics::Distinct) const;

private:
    struct Direction {
        std::vector<std::pair<QString, QString>> rows; // entry k is rows[k - 1]
        HeadwordIndex index;
    };
    const Direction &direction(int d) const { return directions_[std::size_t(d == 2 ? 1 : 0)]; }

    std::array<Direction, 2> directions_;
};

} // namespace quillet
