// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace quillet::plain {

// The index of a text member's lines cut into blocks, each block a member of its own, as
// the packer stores a direction's translations: a look-up unpacks only the blocks holding
// the lines it prints. Every block but the last ends at a line end; the index gives each
// block's number of lines and its byte count.
//
//   "QLLB", version, number of blocks (little-endian 32-bit words); then for each block
//   its number of lines and its byte count (32-bit words).
//
// Lines are counted as the loader divides them: at each line feed, a last line without
// one counted too.
class LineBlocks {
public:
    static constexpr std::uint32_t Version = 1;

    // The index the file holds, or nothing when it is of another version or damaged.
    static std::optional<LineBlocks> decode(std::string_view file);
    // The lines of a block's bytes.
    static std::int64_t linesOf(std::string_view block);

    int blocks() const { return int(sizes_.size()); }
    // All the blocks' lines and bytes together.
    std::int64_t lines() const { return firstLines_.empty() ? 0 : firstLines_.back() + lineCounts_.back() - 1; }
    std::int64_t bytes() const { return bytes_; }
    // The block (from 1) holding line k (from 1); nothing past the last line.
    std::optional<int> blockOf(std::int64_t line) const;
    // The number of the block's first line (block from 1 to blocks()).
    std::int64_t firstLine(int block) const { return firstLines_[std::size_t(block - 1)]; }
    // The byte count of block k (from 1 to blocks()).
    std::uint32_t size(int block) const { return sizes_[std::size_t(block - 1)]; }
    // Whether the bytes are block k as the index describes it; else the index is stale.
    bool describes(int block, std::string_view bytes) const;

private:
    std::vector<std::uint32_t> lineCounts_;
    std::vector<std::uint32_t> sizes_;
    std::vector<std::int64_t> firstLines_;
    std::int64_t bytes_ = 0;
};

} // namespace quillet::plain
