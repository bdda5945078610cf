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
    if (k >= cells_.size())
        return EmptyText;
    if (hasLine(k)) {
        cells_[k] = QString::fromUtf8(line(k));
        pending_[k] = false;
    }
    return cells_[k];
}

void TextColumn::set(std::size_t k, const QString &text)
{
    if (k < pending_.size())
        pending_[k] = false;
    if (k < cells_.size())
        cells_[k] = text;
    else if (!text.isEmpty()) { // a slot past the end reads as empty already
        cells_.resize(k + 1);
        cells_.back() = text;
    }
}

void TextColumn::takeLines(QByteArray utf8, std::vector<LineSpan> lines)
{
    utf8_ = std::move(utf8);
    lines_ = std::move(lines);
    cells_.assign(lines_.size() + 1, QString());
    pending_.assign(lines_.size() + 1, true);
    pending_[0] = false;
}

} // namespace quillet
