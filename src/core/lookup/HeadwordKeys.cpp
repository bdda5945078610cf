// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/HeadwordKeys.h"

#include "core/lookup/WordKey.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace quillet {

namespace {

// Compares an entry's key with a key, either way round.
struct KeyOrder {
    const HeadwordKeys &keys;
    bool operator()(int k, std::string_view key) const { return keys.keyOf(k) < key; }
    bool operator()(std::string_view key, int k) const { return key < keys.keyOf(k); }
};

} // namespace

std::u32string DecodeKey(std::string_view utf8)
{
    std::u32string letters;
    DecodeKey(utf8, letters);
    return letters;
}

void DecodeKey(std::string_view utf8, std::u32string &letters)
{
    letters.clear();
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t letter = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t j = 1; j < length && i + j < utf8.size(); ++j)
            letter = (letter << 6) | (static_cast<unsigned char>(utf8[i + j]) & 0x3F);
        letters.push_back(letter);
        i += length;
    }
}

quint32 HeadwordKeys::LetterKinds(std::u32string_view letters)
{
    quint32 kinds = 0;
    for (const char32_t c : letters) {
        if (c >= U'a' && c <= U'z')
            kinds |= 1u << (c - U'a');
        else if (c >= U'0' && c <= U'9')
            kinds |= 1u << 26;
        else if (c == U' ')
            kinds |= 1u << 27;
        else
            kinds |= 1u << 28;
    }
    return kinds;
}

HeadwordKeys::HeadwordKeys(const DictTable &table, int d) : table_(table), d_(d)
{
    // A headword's key is its folded spelling without marks, which the search index
    // already holds, in the order of its bytes too.
    const HeadwordText &plain = table.headwords(DictTable::isDirection(d) ? d : 1).foldedWithoutMarks();
    const int count = DictTable::isDirection(d) ? std::min(table.EntryCount(d), plain.size()) : 0;
    keys_.reserve(plain.bytes().size());
    starts_.reserve(std::size_t(count) + 1);
    std::vector<std::pair<int, quint32>> lengths; // letters and kinds of each entry's key
    lengths.reserve(std::size_t(count));
    std::array<std::size_t, MaxLetters + 2> perLength{};
    std::u32string letters;
    for (int k = 1; k <= count; ++k) {
        const std::string_view key = plain.headword(k);
        keys_ += key;
        starts_.push_back(quint32(keys_.size()));
        DecodeKey(key, letters);
        const int length = std::min(int(letters.size()), MaxLetters);
        lengths.emplace_back(length, LetterKinds(letters));
        ++perLength[std::size_t(length) + 1];
    }

    // By the letters of the keys, then by number: one counting pass.
    std::partial_sum(perLength.begin(), perLength.end(), perLength.begin());
    lengthStarts_.assign(perLength.begin(), perLength.end());
    byLength_.resize(std::size_t(count));
    lengthKinds_.resize(std::size_t(count));
    for (int k = 1; k <= count; ++k) {
        const auto &[length, kinds] = lengths[std::size_t(k - 1)];
        const std::size_t at = perLength[std::size_t(length)]++;
        byLength_[at] = k;
        lengthKinds_[at] = kinds;
    }

    byKey_.reserve(std::size_t(count));
    for (const int k : plain.byteOrder())
        if (k <= count)
            byKey_.push_back(k);
}

std::span<const int> HeadwordKeys::entriesOfLength(int letters) const
{
    if (letters < 0 || letters > MaxLetters)
        return {};
    const std::size_t from = lengthStarts_[std::size_t(letters)];
    return std::span<const int>(byLength_).subspan(from, lengthStarts_[std::size_t(letters) + 1] - from);
}

std::span<const quint32> HeadwordKeys::kindsOfLength(int letters) const
{
    if (letters < 0 || letters > MaxLetters)
        return {};
    const std::size_t from = lengthStarts_[std::size_t(letters)];
    return std::span<const quint32>(lengthKinds_).subspan(from, lengthStarts_[std::size_t(letters) + 1] - from);
}

std::vector<int> HeadwordKeys::entriesWithKey(QStringView word) const
{
    const std::string key = WordKey(word).toStdString();
    if (key.empty())
        return {};
    const auto [first, last] = std::equal_range(byKey_.begin(), byKey_.end(), std::string_view(key), KeyOrder{*this});
    return std::vector<int>(first, last);
}

std::size_t HeadwordKeys::byteSize() const
{
    return keys_.capacity() + starts_.capacity() * sizeof(quint32) + byLength_.capacity() * sizeof(int)
         + lengthKinds_.capacity() * sizeof(quint32) + lengthStarts_.capacity() * sizeof(std::size_t)
         + byKey_.capacity() * sizeof(int);
}

} // namespace quillet
