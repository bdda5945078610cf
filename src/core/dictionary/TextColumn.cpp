// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/TextColumn.h"

namespace quillet {

namespace {
const QString EmptyText;
}

QByteArrayView TextColumn::line(std::size_t k) const
{
    const LineSpan &span = lines_[k - 1];
    return QByteArrayView(utf8_).sliced(span.offset, span.length);
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
    utf8_ = std::move(utf8);
    lines_ = std::move(lines);
    cells_.clear();
    pending_.assign(lines_.size() + 1, true);
    pending_[0] = false;
}

} // namespace quillet
