// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/FileNames.h"
#include "core/dictionary/HeadwordIndex.h"
#include "core/dictionary/TextColumn.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace quillet {

// The whole dictionary in memory: DictTable(d, f, k) with direction d (1 English to
// Romanian, 2 Romanian to English), field f (1 headword, 2 translation) and entry k
// (0 to Capacity), plus the number of entries of each direction. Every slot starts
// empty, and entry 0 is never filled; a column takes memory only up to its last filled
// slot, so the bound costs nothing until entries fill it.
class DictTable {
public:
    static constexpr int Capacity = plain::files::MaxEntries;
    static constexpr int EnglishRomanian = 1;
    static constexpr int RomanianEnglish = 2;
    static constexpr int Headword = 1;
    static constexpr int Translation = 2;


    // The slot's text; "" for any slot outside the table or never filled.
    const QString &at(int d, int f, int k) const;
    const QString &operator()(int d, int f, int k) const { return at(d, f, k); }
    // Writes one slot; writes outside the four text fields or 1..Capacity are ignored.
    void set(int d, int f, int k, const QString &text);
    // Fills slots 1 to lines.size() of one field at once from a file's UTF-8 lines (at
    // most Capacity of them), as read; each line becomes a string when first read. The
    // headwords' search index is made from them, unless one made before for exactly
    // these lines is given.
    void setLines(int d, int f, QByteArray utf8, std::vector<LineSpan> lines,
                  std::optional<HeadwordIndex> index = std::nullopt);
    // The same for lines that lie in blocks, as TextColumn takes them.
    void setLines(int d, int f, std::vector<QByteArray> blocks, std::vector<LineSpan> lines,
                  std::optional<HeadwordIndex> index = std::nullopt);

    int EntryCount(int d) const;
    void setEntryCount(int d, int count);

    // The searchable headwords of direction d (1 or 2), kept in step with set().
    const HeadwordIndex &headwords(int d) const;

    static bool isDirection(int d) { return d == EnglishRomanian || d == RomanianEnglish; }

private:
    static bool holdsText(int d, int f, int k);
    TextColumn &column(int d, int f);
    const TextColumn &column(int d, int f) const;

    std::array<TextColumn, 4> columns_; // (1,1), (1,2), (2,1), (2,2)
    std::array<int, 3> entryCount_{0, 0, 0};
    std::array<HeadwordIndex, 2> headwords_;
};

} // namespace quillet
