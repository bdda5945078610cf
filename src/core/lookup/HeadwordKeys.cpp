// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/HeadwordKeys.h"

#include "core/lookup/WordKey.h"

#include <algorithm>
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
    const int count = DictTable::isDirection(d) ? table.EntryCount(d) : 0;
    starts_.reserve(std::size_t(count) + 1);
    std::vector<std::pair<int, quint32>> lengths; // letters and kinds of each entry's key
    lengths.reserve(std::size_t(count));
    std::u32string letters;
    for (int k = 1; k <= count; ++k) {
        const QString &headword = table(d, DictTable::Headword, k);
        const std::size_t start = keys_.size();
        if (std::all_of(headword.begin(), headword.end(), [](QChar c) { return c.unicode() < 0x80; })) {
            // Most headwords are plain ASCII: their key is their lower case, byte for byte.
            for (const QChar c : headword)
                keys_.push_back(char(c.toLower().unicode()));
        } else {
            keys_ += WordKey(headword).toStdString();
        }
        DecodeKey(std::string_view(keys_).substr(start), letters);
        starts_.push_back(quint32(keys_.size()));
        lengths.emplace_back(std::min(int(letters.size()), MaxLetters), LetterKinds(letters));
    }
    keys_.shrink_to_fit();

    byLength_.resize(std::size_t(count));
    std::iota(byLength_.begin(), byLength_.end(), 1);
    std::stable_sort(byLength_.begin(), byLength_.end(),
                     [&lengths](int a, int b) { return lengths[std::size_t(a - 1)].first < lengths[std::size_t(b - 1)].first; });
    lengthStarts_.assign(MaxLetters + 2, 0);
    lengthKinds_.reserve(std::size_t(count));
    for (const int k : byLength_) {
        ++lengthStarts_[std::size_t(lengths[std::size_t(k - 1)].first) + 1];
        lengthKinds_.push_back(lengths[std::size_t(k - 1)].second);
    }
    std::partial_sum(lengthStarts_.begin(), lengthStarts_.end(), lengthStarts_.begin());

    byKey_.resize(std::size_t(count));
    std::iota(byKey_.begin(), byKey_.end(), 1);
    std::stable_sort(byKey_.begin(), byKey_.end(), [this](int a, int b) { return keyOf(a) < keyOf(b); });
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
