// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/FormsBlocks.h"

#include "core/dictionary/PlainLittleEndian.h"

#include <algorithm>

namespace quillet::plain {

std::string_view FormsBlocks::firstWord(std::string_view block)
{
    const std::string_view line = block.substr(0, block.find('\n'));
    return line.substr(0, line.find('\t'));
}

std::optional<FormsBlocks> FormsBlocks::decode(std::string_view file)
{
    le::Reader cursor(file);
    // A block's record: its byte count and its key's, then the key.
    const std::optional<std::uint32_t> records =
        cursor.records("QLFB", Version, sizeof(std::uint32_t) + sizeof(std::uint16_t));
    if (!records)
        return std::nullopt;
    const std::uint32_t count = *records;
    FormsBlocks index;
    index.keys_.reserve(count);
    index.sizes_.reserve(count);
    for (std::uint32_t k = 0; k < count && !cursor.failed(); ++k) {
        index.sizes_.push_back(cursor.number<std::uint32_t>());
        index.keys_.emplace_back(cursor.take(cursor.number<std::uint16_t>()));
        if (k > 0 && index.keys_[k] < index.keys_[k - 1])
            return std::nullopt;
    }
    if (cursor.failed() || !cursor.atEnd() || index.keys_.size() != count)
        return std::nullopt;
    return index;
}

std::optional<int> FormsBlocks::blockOf(std::string_view key) const
{
    const auto after = std::upper_bound(keys_.begin(), keys_.end(), key,
                                        [](std::string_view k, const std::string &first) { return k < first; });
    if (after == keys_.begin())
        return std::nullopt;
    return int(after - keys_.begin());
}

bool FormsBlocks::describes(int block, std::string_view bytes, std::string_view firstKey) const
{
    const std::size_t i = std::size_t(block - 1);
    return block >= 1 && i < keys_.size() && bytes.size() == sizes_[i] && firstKey == keys_[i];
}

} // namespace quillet::plain
