// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/TextColumn.h"

#include <algorithm>

namespace quillet {

namespace {
const QString EmptyText;
}

QByteArrayView TextColumn::line(std::size_t k) const
{
    const LineSpan &span = lines_[k - 1];
    const auto block = std::upper_bound(blockStarts_.begin(), blockStarts_.end(), span.offset) - 1;
    return QByteArrayView(blocks_[std::size_t(block - blockStarts_.begin())]).sliced(span.offset - *block, span.length);
}

const QString &TextColumn::at(std::size_t k) const
{
    // A text once made stays where it is: references to it live as long as the column.
    if (const auto made = cells_.find(k); made != cells_.end())
        return made->second;
    if (hasLine(k))
        return cells_.emplace(k, QString::fromUtf8(line(k))).first->second;
    return EmptyText;
}

void TextColumn::set(std::size_t k, const QString &text)
{
    if (k < pending_.size())
        pending_[k] = false;
    cells_[k] = text;
}

void TextColumn::takeLines(QByteArray utf8, std::vector<LineSpan> lines)
{
    std::vector<QByteArray> one;
    one.push_back(std::move(utf8));
    takeLines(std::move(one), std::move(lines));
}

void TextColumn::takeLines(std::vector<QByteArray> blocks, std::vector<LineSpan> lines)
{
    blocks_ = std::move(blocks);
    blockStarts_.clear();
    std::uint32_t start = 0;
    for (const QByteArray &block : blocks_) {
        blockStarts_.push_back(start);
        start += std::uint32_t(block.size());
    }
    lines_ = std::move(lines);
    cells_.clear();
    pending_.assign(lines_.size() + 1, true);
    pending_[0] = false;
}

} // namespace quillet
