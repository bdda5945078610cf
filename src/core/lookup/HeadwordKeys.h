// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictTable.h"

#include <QStringView>

#include <span>

#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// The headwords of one direction by their WordKey, as they stand when it is made: to find
// a word among them whatever its case and marks, and to walk all of them quickly. The
// keys lie end to end in one UTF-8 buffer, with an index sorted by key and one by the
// number of letters, and beside the latter the kinds of letters each key holds.
class HeadwordKeys {
public:
    HeadwordKeys(const DictTable &table, int d);

    const DictTable &table() const { return table_; }
    int direction() const { return d_; }
    int entries() const { return int(starts_.size()) - 1; }
    // Entry k's key, k from 1 to entries().
    std::string_view keyOf(int k) const
    {
        const auto k0 = std::size_t(k - 1);
        return std::string_view(keys_).substr(starts_[k0], starts_[k0 + 1] - starts_[k0]);
    }
    // The entries whose keys have this many letters (from 0 to MaxLetters, the last
    // standing for any more), in table order, and beside them the kinds of letters each
    // key holds (LetterKinds).
    static constexpr int MaxLetters = 63;
    std::span<const int> entriesOfLength(int letters) const;
    std::span<const quint32> kindsOfLength(int letters) const;
    // The entries whose headword has the same key as the word, in table order.
    std::vector<int> entriesWithKey(QStringView word) const;
    // The memory it holds, for measuring.
    std::size_t byteSize() const;

    // One bit for each of the letters a to z, one for digits, one for blanks and one for
    // anything else: every edit adds or takes at most one kind.
    static quint32 LetterKinds(std::u32string_view letters);

private:
    const DictTable &table_;
    int d_;
    std::string keys_;
    std::vector<quint32> starts_{0}; // starts_[k - 1] = offset of entry k's key; the last is the end
    std::vector<int> byLength_;        // entries ordered by the letters of their keys, then by number
    std::vector<quint32> lengthKinds_; // the kinds of letters of those entries' keys
    std::vector<std::size_t> lengthStarts_; // where each length begins in byLength_; the last is the end
    std::vector<int> byKey_;           // entries ordered by key, then by entry number
};

// The letters of valid UTF-8, as the keys are; the second form reuses the caller's buffer.
std::u32string DecodeKey(std::string_view utf8);
void DecodeKey(std::string_view utf8, std::u32string &letters);

} // namespace quillet
