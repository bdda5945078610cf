// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictionaryFiles.h"
#include "core/lookup/FormsBlocks.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

namespace quillet {

// The forms of one direction cut into blocks, as the packer stores them: the lines in
// their order (see FormsTable), each block ending at a line end and the lines of one
// word key never split between two blocks; the index gives each block's first key and
// byte count, so a look-up finds the one block that can hold its word. The reading side
// is plain::FormsBlocks, for programs without Qt too.
//
//   "QLFB", version, number of blocks (little-endian 32-bit words); then for each block
//   its byte count (32-bit) and its first key (16-bit byte count, UTF-8 bytes).
class FormsBlockIndex {
public:
    static constexpr quint32 Version = plain::FormsBlocks::Version;
    // About the size of each block: a few milliseconds' work to unpack at most.
    static constexpr qsizetype BlockBytes = 32 * 1024;

    FormsBlockIndex() = default;

    // The lines cut into blocks (the packer's side).
    static std::vector<QByteArray> split(QByteArrayView lines);
    static QByteArray encode(const std::vector<QByteArray> &blocks);
    // The index the file holds, or nothing when it is of another version or damaged.
    static std::optional<FormsBlockIndex> decode(QByteArrayView file);

    // The member of block k (from 1).
    static QString blockName(const files::FormsFile &forms, int block);

    int blocks() const { return blocks_.blocks(); }
    // The block (from 1) whose lines could hold the key; nothing when none could.
    std::optional<int> blockOf(const QString &key) const;
    // Whether the bytes are block k as the index describes it; else the index is stale.
    bool describes(int block, QByteArrayView bytes) const;

private:
    explicit FormsBlockIndex(plain::FormsBlocks blocks) : blocks_(std::move(blocks)) {}

    plain::FormsBlocks blocks_;
};

} // namespace quillet
