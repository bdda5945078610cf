// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
// byte count.
//
//   "QLLB", version, number of blocks (little-endian 32-bit words); then for each block
//   its number of lines and its byte count (32-bit words).
class LineBlockIndex {
public:
    static constexpr quint32 Version = 1;
    // About the size of each block: a look-up that prints a hundred lines spread over the
    // alphabet unpacks a fraction of the member.
    static constexpr qsizetype BlockBytes = 4 * 1024;

    // The lines cut into blocks (the packer's side).
    static std::vector<QByteArray> split(QByteArrayView lines);
    static QByteArray encode(const std::vector<QByteArray> &blocks);
    // The index the file holds, or nothing when it is of another version or damaged.
    static std::optional<LineBlockIndex> decode(QByteArrayView file);

    // The member of block k (from 1): "<prefix>k.txt".
    static QString blockName(QLatin1StringView prefix, int block);

    int blocks() const { return int(sizes_.size()); }
    // All the blocks' lines and bytes together.
    qint64 lines() const { return firstLines_.empty() ? 0 : firstLines_.back() + lineCounts_.back() - 1; }
    qint64 bytes() const { return bytes_; }
    // The block (from 1) holding line k (from 1); nothing past the last line.
    std::optional<int> blockOf(qint64 line) const;
    // The number of the block's first line.
    qint64 firstLine(int block) const { return firstLines_[std::size_t(block - 1)]; }
    // Whether the bytes are block k as the index describes it; else the index is stale.
    bool describes(int block, QByteArrayView bytes) const;

private:
    std::vector<quint32> lineCounts_;
    std::vector<quint32> sizes_;
    std::vector<qint64> firstLines_;
    qint64 bytes_ = 0;
};

} // namespace quillet
