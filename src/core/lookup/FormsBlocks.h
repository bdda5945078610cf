// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::plain {

// The index of one direction's forms cut into blocks, as the packer stores them: the
// lines in their order, each block ending at a line end and the lines of one word key
// never split between two blocks; the index gives each block's first key and byte count,
// so a look-up finds the one block that can hold its word.
//
//   "QLFB", version, number of blocks (little-endian 32-bit words); then for each block
//   its byte count (32-bit) and its first key (16-bit byte count, UTF-8 bytes).
//
// Keys are UTF-8 word keys (WordKey: case-folded, marks taken off), compared byte by byte.
class FormsBlocks {
public:
    static constexpr std::uint32_t Version = 1;

    // The index the file holds, or nothing when it is of another version or damaged.
    static std::optional<FormsBlocks> decode(std::string_view file);
    // The word of a block's first line (the text before its tab), whose key the index holds.
    static std::string_view firstWord(std::string_view block);

    int blocks() const { return int(keys_.size()); }
    // The first key of block k (from 1 to blocks()).
    const std::string &firstKey(int block) const { return keys_[std::size_t(block - 1)]; }
    // The block (from 1) whose lines could hold the key; nothing when none could.
    std::optional<int> blockOf(std::string_view key) const;
    // Whether the bytes are block k as the index describes it, `firstKey` being the key
    // of firstWord(bytes); else the index is stale.
    bool describes(int block, std::string_view bytes, std::string_view firstKey) const;

private:
    std::vector<std::string> keys_;
    std::vector<std::uint32_t> sizes_;
};

} // namespace quillet::plain
