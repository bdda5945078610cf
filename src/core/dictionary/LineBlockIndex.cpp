// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/LineBlockIndex.h"

#include "core/dictionary/LittleEndian.h"
#include "core/dictionary/TextLines.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

constexpr QByteArrayView Magic = "QLLB";

qint64 LinesOf(QByteArrayView block)
{
    qint64 lines = 0;
    ForEachLine(block, [&lines](QByteArrayView) { ++lines; });
    return lines;
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
    le::Reader cursor(file);
    if (!cursor.startsWith(Magic, Version))
        return std::nullopt;
    const quint32 count = cursor.number<quint32>();
    LineBlockIndex index;
    qint64 nextLine = 1;
    for (quint32 k = 0; k < count && !cursor.failed(); ++k) {
        const quint32 lines = cursor.number<quint32>();
        const quint32 size = cursor.number<quint32>();
        // Every block holds a line, and a line at least its line feed but for the last.
        if (lines == 0 || size < lines - 1)
            return std::nullopt;
        index.lineCounts_.push_back(lines);
        index.sizes_.push_back(size);
        index.firstLines_.push_back(nextLine);
        nextLine += lines;
        index.bytes_ += size;
    }
    if (cursor.failed() || !cursor.atEnd() || index.sizes_.size() != count || count == 0)
        return std::nullopt;
    return index;
}

QString LineBlockIndex::blockName(QLatin1StringView prefix, int block)
{
    return u"%1%2.txt"_s.arg(prefix).arg(block);
}

std::optional<int> LineBlockIndex::blockOf(qint64 line) const
{
    if (line < 1 || line > lines())
        return std::nullopt;
    const auto after = std::upper_bound(firstLines_.begin(), firstLines_.end(), line);
    return int(after - firstLines_.begin());
}

bool LineBlockIndex::describes(int block, QByteArrayView bytes) const
{
    const std::size_t i = std::size_t(block - 1);
    return block >= 1 && i < sizes_.size() && bytes.size() == qsizetype(sizes_[i])
           && LinesOf(bytes) == qint64(lineCounts_[i]);
}

} // namespace quillet
