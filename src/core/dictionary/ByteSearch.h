// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillet {

// Finds a needle in a buffer of headwords quickly. Each block of 16 or 32 bytes is tested
// at once for the needle's two rarest bytes (rarest in the buffer searched), each at its
// own distance from the needle's start; only where both agree are the bytes compared.
// A rare pair lets the scan go at close to memory speed even for needles whose first and
// last letters are common.
class ByteSearch {
public:
    // How often each byte value occurs in the buffer; guides the choice of the two bytes.
    using ByteCounts = std::array<std::uint32_t, 256>;

    ByteSearch(std::string_view needle, const ByteCounts &counts);

    // Offset in `haystack` of the first occurrence at or after `from`, or npos.
    std::size_t findIn(std::string_view haystack, std::size_t from) const;

    static constexpr std::size_t npos = std::string_view::npos;

private:
    std::size_t findPair(std::string_view haystack, std::size_t from) const;
    bool matchesAt(std::string_view haystack, std::size_t at) const;

    std::string_view needle_;
    std::size_t first_ = 0;  // position in the needle of the rarer byte tested
    std::size_t second_ = 0; // position of the other, after first_
};

} // namespace quillet
