// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/ByteSearch.h"

#include <cstring>
#include <tuple>
#include <utility>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define QUILLET_X86_SIMD 1
#endif

namespace quillet {

namespace {

// The positions in the needle of its two rarest bytes, the first before the second.
std::pair<std::size_t, std::size_t> RarestPair(std::string_view needle, const ByteSearch::ByteCounts &counts)
{
    const auto count = [&](std::size_t i) { return counts[static_cast<unsigned char>(needle[i])]; };
    std::size_t rarest = 0;
    for (std::size_t i = 1; i < needle.size(); ++i)
        if (count(i) < count(rarest))
            rarest = i;
    std::size_t other = rarest == 0 ? 1 : 0;
    for (std::size_t i = 0; i < needle.size(); ++i)
        if (i != rarest && count(i) < count(other))
            other = i;
    return rarest < other ? std::pair{rarest, other} : std::pair{other, rarest};
}

#ifdef QUILLET_X86_SIMD

// Candidates are positions p where haystack[p + first] and haystack[p + second] are the
// needle's bytes; `test` checks one candidate and returns true to stop. The blocks cover
// starts up to `last` (the last start at which the needle fits); the rest is left to
// the caller, and the start where the blocks stopped is returned.
template <typename Test>
std::size_t ScanSse2(const char *data, std::size_t from, std::size_t last, char a, char b, std::size_t first,
                     std::size_t second, Test &&test)
{
    const __m128i wantA = _mm_set1_epi8(a);
    const __m128i wantB = _mm_set1_epi8(b);
    std::size_t p = from;
    for (; p + 16 <= last + 1; p += 16) {
        const __m128i blockA = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + p + first));
        const __m128i blockB = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + p + second));
        auto mask = unsigned(_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(blockA, wantA), _mm_cmpeq_epi8(blockB, wantB))));
        for (; mask != 0; mask &= mask - 1)
            if (test(p + std::size_t(__builtin_ctz(mask))))
                return p + std::size_t(__builtin_ctz(mask));
    }
    return p;
}

// The same in blocks of 32, on processors that have AVX2.
template <typename Test>
__attribute__((target("avx2"))) std::size_t ScanAvx2(const char *data, std::size_t from, std::size_t last, char a,
                                                     char b, std::size_t first, std::size_t second, Test &&test)
{
    const __m256i wantA = _mm256_set1_epi8(a);
    const __m256i wantB = _mm256_set1_epi8(b);
    std::size_t p = from;
    for (; p + 32 <= last + 1; p += 32) {
        const __m256i blockA = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(data + p + first));
        const __m256i blockB = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(data + p + second));
        auto mask = unsigned(_mm256_movemask_epi8(
            _mm256_and_si256(_mm256_cmpeq_epi8(blockA, wantA), _mm256_cmpeq_epi8(blockB, wantB))));
        for (; mask != 0; mask &= mask - 1)
            if (test(p + std::size_t(__builtin_ctz(mask))))
                return p + std::size_t(__builtin_ctz(mask));
    }
    return p;
}

bool HasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

#endif

} // namespace

ByteSearch::ByteSearch(std::string_view needle, const ByteCounts &counts) : needle_(needle)
{
    if (needle_.size() >= 2)
        std::tie(first_, second_) = RarestPair(needle_, counts);
}

bool ByteSearch::matchesAt(std::string_view haystack, std::size_t at) const
{
    return std::memcmp(haystack.data() + at, needle_.data(), needle_.size()) == 0;
}

std::size_t ByteSearch::findIn(std::string_view haystack, std::size_t from) const
{
    if (needle_.empty())
        return from <= haystack.size() ? from : npos;
    if (from >= haystack.size() || haystack.size() - from < needle_.size())
        return npos;
    if (needle_.size() == 1) {
        const void *hit = std::memchr(haystack.data() + from, needle_.front(), haystack.size() - from);
        return hit == nullptr ? npos : std::size_t(static_cast<const char *>(hit) - haystack.data());
    }
    return findPair(haystack, from);
}

std::size_t ByteSearch::findPair(std::string_view haystack, std::size_t from) const
{
    const std::size_t last = haystack.size() - needle_.size(); // the last start at which it fits
    std::size_t p = from;
#ifdef QUILLET_X86_SIMD
    const char a = needle_[first_];
    const char b = needle_[second_];
    const auto test = [&](std::size_t at) { return matchesAt(haystack, at); };
    p = HasAvx2() ? ScanAvx2(haystack.data(), p, last, a, b, first_, second_, test)
                  : ScanSse2(haystack.data(), p, last, a, b, first_, second_, test);
#endif
    // The blocks stopped at a match or where too few bytes were left for a block; both
    // are settled one start at a time.
    for (; p <= last; ++p)
        if (haystack[p + first_] == needle_[first_] && matchesAt(haystack, p))
            return p;
    return npos;
}

} // namespace quillet
