// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/LineBlockIndex.h"

#include "core/dictionary/FileNames.h"
#include "core/dictionary/LittleEndian.h"

#include <algorithm>

namespace quillet {

namespace {

constexpr QByteArrayView Magic = "QLLB";

qint64 LinesOf(QByteArrayView block)
{
    return plain::LineBlocks::linesOf({block.data(), std::size_t(block.size())});
}

} // namespace

std::vector<QByteArray> LineBlockIndex::split(QByteArrayView lines)
{
    std::vector<QByteArray> blocks;
    while (!lines.isEmpty()) {
        const qsizetype end = lines.indexOf('\n', std::min(BlockBytes, lines.size()) - 1);
        const qsizetype size = end < 0 ? lines.size() : end + 1;
        blocks.push_back(lines.first(size).toByteArray());
        lines = lines.sliced(size);
    }
    return blocks;
}

QByteArray LineBlockIndex::encode(const std::vector<QByteArray> &blocks)
{
    QByteArray file = Magic.toByteArray();
    le::Append(file, Version);
    le::Append(file, quint32(blocks.size()));
    for (const QByteArray &block : blocks) {
        le::Append(file, quint32(LinesOf(block)));
        le::Append(file, quint32(block.size()));
    }
    return file;
}

std::optional<LineBlockIndex> LineBlockIndex::decode(QByteArrayView file)
{
    std::optional<plain::LineBlocks> blocks = plain::LineBlocks::decode({file.data(), std::size_t(file.size())});
    if (!blocks)
        return std::nullopt;
    return LineBlockIndex(std::move(*blocks));
}

QString LineBlockIndex::blockName(QLatin1StringView prefix, int block)
{
    return QString::fromStdString(plain::files::BlockName({prefix.data(), std::size_t(prefix.size())}, block));
}

} // namespace quillet
