// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/LineBlocks.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1StringView>
#include <QString>

#include <optional>
#include <vector>

namespace quillet {

// A text member's lines cut into blocks, each block a member of its own, as the packer
// stores a direction's translations: a look-up unpacks only the blocks holding the lines
// it prints, the window all of them, end to end. Every block but the last ends at a line
// end; the index gives each block's number of lines (as ForEachLine counts them) and its
// byte count. The reading side is plain::LineBlocks, for programs without Qt too.
//
//   "QLLB", version, number of blocks (little-endian 32-bit words); then for each block
//   its number of lines and its byte count (32-bit words).
class LineBlockIndex {
public:
    static constexpr quint32 Version = plain::LineBlocks::Version;
    // About the size of each block: a look-up that prints a hundred lines spread over the
    // alphabet unpacks a fraction of the member.
    static constexpr qsizetype BlockBytes = 4 * 1024;

    LineBlockIndex() = default;

    // The lines cut into blocks (the packer's side).
    static std::vector<QByteArray> split(QByteArrayView lines);
    static QByteArray encode(const std::vector<QByteArray> &blocks);
    // The index the file holds, or nothing when it is of another version or damaged.
    static std::optional<LineBlockIndex> decode(QByteArrayView file);

    // The member of block k (from 1): "<prefix>k.txt".
    static QString blockName(QLatin1StringView prefix, int block);

    int blocks() const { return blocks_.blocks(); }
    // All the blocks' lines and bytes together.
    qint64 lines() const { return blocks_.lines(); }
    qint64 bytes() const { return blocks_.bytes(); }
    // The block (from 1) holding line k (from 1); nothing past the last line.
    std::optional<int> blockOf(qint64 line) const { return blocks_.blockOf(line); }
    // The number of the block's first line.
    qint64 firstLine(int block) const { return blocks_.firstLine(block); }
    // Whether the bytes are block k as the index describes it; else the index is stale.
    bool describes(int block, QByteArrayView bytes) const
    {
        return blocks_.describes(block, {bytes.data(), std::size_t(bytes.size())});
    }

private:
    explicit LineBlockIndex(plain::LineBlocks blocks) : blocks_(std::move(blocks)) {}

    plain::LineBlocks blocks_;
};

} // namespace quillet
