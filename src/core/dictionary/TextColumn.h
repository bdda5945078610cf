// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace quillet {

// Where one line lies in a buffer of UTF-8 lines.
struct LineSpan {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
};

// One column of the dictionary table: a text for each entry number. A whole file of
// UTF-8 lines is taken as it was read, and each line becomes a string only when it is
// first asked for; most entries never are, and the load costs one buffer instead of a
// string per line, or even a slot per line: only the texts asked for or set take room.
// Texts set one at a time are kept as given.
class TextColumn {
public:
    // The text of slot k; "" for a slot never filled.
    const QString &at(std::size_t k) const;
    void set(std::size_t k, const QString &text);
    // Slots 1 to lines.size() hold the lines of `utf8` (valid UTF-8); every other slot
    // becomes empty.
    void takeLines(QByteArray utf8, std::vector<LineSpan> lines);
    // The same for lines that lie in blocks: a line's offset counts from the first
    // block's start as if the blocks lay end to end, and no line spans two blocks.
    void takeLines(std::vector<QByteArray> blocks, std::vector<LineSpan> lines);

    // The bytes of slot k's line when it came with takeLines() and was not set since.
    bool hasLine(std::size_t k) const { return k < pending_.size() && pending_[k]; }
    QByteArrayView line(std::size_t k) const;

private:
    mutable std::unordered_map<std::size_t, QString> cells_; // the texts made or set so far
    std::vector<bool> pending_; // slot k's line is still the text of slot k
    std::vector<QByteArray> blocks_; // the lines' bytes, in one block or more
    std::vector<std::uint32_t> blockStarts_; // where each block starts, blocks end to end
    std::vector<LineSpan> lines_; // lines_[k - 1] is slot k's line
};

} // namespace quillet
