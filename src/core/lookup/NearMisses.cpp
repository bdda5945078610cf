// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/NearMisses.h"

#include "core/lookup/WordKey.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <tuple>

namespace quillet {

namespace {

// How likely a single edit is a slip of the keys, most likely first.
enum class SlipKind { SwapOrDouble, LeftOut, Changed, TooMany, NoSingleSlip };

// Queries longer than this are no typing slip of a headword worth looking for.
constexpr qsizetype MaxQueryLetters = 48;

struct Candidate {
    int distance;
    SlipKind slip;
    bool otherFirstLetter;
    qsizetype lengthGap;
    int distanceWithMarks;
    int entry;
    auto rank() const { return std::tie(distance, slip, otherFirstLetter, lengthGap, distanceWithMarks, entry); }
};

std::u32string Letters(const QString &text)
{
    return DecodeKey(text.toStdString());
}

// How many of each letter a key holds, for keys of the letters a to z and a few others
// in plain ASCII, as most are: an edit changes at most two counts by one each.
class LetterCounts {
public:
    explicit LetterCounts(std::string_view ascii)
    {
        for (const char c : ascii)
            ++counts_[Bucket(c)];
    }
    // Whether an ASCII key could be within `bound` edits of this one by their counts.
    bool near(std::string_view ascii, int bound) const
    {
        std::array<qint8, 32> difference = counts_;
        for (const char c : ascii)
            --difference[Bucket(c)];
        int apart = 0;
        for (const qint8 d : difference)
            apart += d < 0 ? -d : d;
        return apart <= 2 * bound;
    }
    static bool IsAscii(std::string_view text)
    {
        return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    }

private:
    static std::size_t Bucket(char c) { return c >= 'a' && c <= 'z' ? std::size_t(c - 'a') : 26 + std::size_t(c) % 6; }
    std::array<qint8, 32> counts_{};
};

// The number of bits set, in shifts and adds alone, so that a loop of it is vectorised
// on any processor of the architecture.
quint32 BitCount(quint32 x)
{
    x = x - ((x >> 1) & 0x55555555u);
    x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0Fu;
    x += x >> 8;
    x += x >> 16;
    return x & 0x3Fu;
}

// Whether the letter at i has a twin beside it.
bool Doubled(std::u32string_view letters, std::size_t i)
{
    return (i > 0 && letters[i - 1] == letters[i]) || (i + 1 < letters.size() && letters[i + 1] == letters[i]);
}

// The kind of the one edit that turns the typed letters into the headword's.
SlipKind KindOfSlip(std::u32string_view typed, std::u32string_view headword)
{
    const auto [typedEnd, headwordEnd] = std::mismatch(typed.begin(), typed.end(), headword.begin(), headword.end());
    const auto i = std::size_t(typedEnd - typed.begin());
    if (typed.size() == headword.size()) {
        if (i == typed.size())
            return SlipKind::SwapOrDouble; // no edit at all
        const bool swapped = i + 1 < typed.size() && typed[i] == headword[i + 1] && typed[i + 1] == headword[i]
                          && typed.substr(i + 2) == headword.substr(i + 2);
        if (swapped)
            return SlipKind::SwapOrDouble;
        return typed.substr(i + 1) == headword.substr(i + 1) ? SlipKind::Changed : SlipKind::NoSingleSlip;
    }
    if (headword.size() == typed.size() + 1 && typed.substr(i) == headword.substr(i + 1))
        return Doubled(headword, i) ? SlipKind::SwapOrDouble : SlipKind::LeftOut;
    if (typed.size() == headword.size() + 1 && typed.substr(i + 1) == headword.substr(i))
        return Doubled(typed, i) ? SlipKind::SwapOrDouble : SlipKind::TooMany;
    return SlipKind::NoSingleSlip;
}

} // namespace

int NearMissBound(qsizetype letters)
{
    if (letters <= 2)
        return 0;
    return letters <= 4 ? 1 : 2;
}

int EditDistance(std::u32string_view a, std::u32string_view b, int bound)
{
    const std::size_t m = a.size();
    const std::size_t n = b.size();
    if (bound < 0 || std::abs(qsizetype(m) - qsizetype(n)) > bound)
        return bound + 1;
    // Three rows of the alignment table: two back (for a swap), one back and this one.
    // Only a band of bound cells either side of the diagonal can stay within the bound;
    // the cells just outside it hold bound + 1.
    constexpr std::size_t Inline = 64;
    std::array<int, 3 * Inline> small{};
    std::vector<int> large;
    int *rows = small.data();
    if (n + 1 > Inline) {
        large.resize(3 * (n + 1));
        rows = large.data();
    }
    const int beyond = bound + 1;
    const auto band = std::size_t(bound);
    int *twoBack = rows;
    int *oneBack = rows + (n + 1);
    int *row = rows + 2 * (n + 1);
    for (std::size_t j = 0; j <= n; ++j) {
        oneBack[j] = std::min(int(j), beyond);
        twoBack[j] = beyond;
    }
    for (std::size_t i = 1; i <= m; ++i) {
        const std::size_t low = i > band ? i - band : 1;
        const std::size_t high = std::min(n, i + band);
        row[low - 1] = low == 1 ? std::min(int(i), beyond) : beyond;
        int best = row[low - 1];
        for (std::size_t j = low; j <= high; ++j) {
            const int change = a[i - 1] == b[j - 1] ? 0 : 1;
            int cost = std::min({oneBack[j] + 1, row[j - 1] + 1, oneBack[j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                cost = std::min(cost, twoBack[j - 2] + 1);
            row[j] = std::min(cost, beyond);
            best = std::min(best, row[j]);
        }
        if (high < n)
            row[high + 1] = beyond;
        if (best > bound)
            return beyond;
        std::swap(twoBack, oneBack);
        std::swap(oneBack, row);
    }
    return std::min(oneBack[n], beyond);
}

std::vector<int> FindNearMisses(const HeadwordKeys &keys, QStringView query, std::size_t limit)
{
    const std::string wantedBytes = WordKey(query).toStdString();
    const std::u32string wanted = DecodeKey(wantedBytes);
    const auto letters = qsizetype(wanted.size());
    if (letters == 0 || letters > MaxQueryLetters || limit == 0)
        return {};
    const int bound = NearMissBound(letters);
    const quint32 wantedKinds = HeadwordKeys::LetterKinds(wanted);
    const bool asciiQuery = LetterCounts::IsAscii(wantedBytes);
    const LetterCounts wantedCounts(asciiQuery ? wantedBytes : std::string());
    std::vector<Candidate> found;
    std::u32string headword;
    std::vector<quint8> near;
    for (qsizetype length = std::max<qsizetype>(0, letters - bound); length <= letters + bound; ++length) {
        const std::span<const int> entries = keys.entriesOfLength(int(length));
        const std::span<const quint32> kinds = keys.kindsOfLength(int(length));
        // Every kind of letter one side has and the other lacks takes an edit.
        near.resize(kinds.size());
        for (std::size_t i = 0; i < kinds.size(); ++i)
            near[i] = quint8(int(BitCount(wantedKinds & ~kinds[i]) <= quint32(bound))
                             & int(BitCount(kinds[i] & ~wantedKinds) <= quint32(bound)));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (!near[i])
                continue;
            const int k = entries[i];
            const std::string_view key = keys.keyOf(k);
            if (asciiQuery && LetterCounts::IsAscii(key) && !wantedCounts.near(key, bound))
                continue;
            DecodeKey(key, headword);
            const int distance = EditDistance(wanted, headword, bound);
            if (distance > bound)
                continue;
            const SlipKind slip = distance <= 1 ? KindOfSlip(wanted, headword) : SlipKind::NoSingleSlip;
            found.push_back({distance, slip, headword.front() != wanted.front(), std::abs(length - letters), 0, k});
        }
    }

    // Among those, the marks the query was typed with tell apart headwords alike without them.
    const std::u32string typed = Letters(query.toString().toCaseFolded());
    for (Candidate &candidate : found) {
        const QString &headword = keys.table()(keys.direction(), DictTable::Headword, candidate.entry);
        candidate.distanceWithMarks = EditDistance(typed, Letters(headword.toCaseFolded()), 2 * bound + 2);
    }
    const auto byRank = [](const Candidate &a, const Candidate &b) { return a.rank() < b.rank(); };
    const std::size_t kept = std::min(limit, found.size());
    std::partial_sort(found.begin(), found.begin() + qsizetype(kept), found.end(), byRank);
    std::vector<int> entries;
    for (std::size_t i = 0; i < kept; ++i)
        entries.push_back(found[i].entry);
    return entries;
}

} // namespace quillet
