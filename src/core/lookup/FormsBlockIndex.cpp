// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/FormsBlockIndex.h"

#include "core/dictionary/LineBlockIndex.h"
#include "core/dictionary/LittleEndian.h"

#include "core/lookup/WordKey.h"


#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

constexpr QByteArrayView Magic = "QLFB";

QString KeyOfLine(QByteArrayView line)
{
    const qsizetype tab = line.indexOf('\t');
    return WordKey(QString::fromUtf8(tab < 0 ? line : line.first(tab)));
}

QString FirstKey(QByteArrayView block)
{
    const qsizetype end = block.indexOf('\n');
    return KeyOfLine(end < 0 ? block : block.first(end));
}

} // namespace

std::vector<QByteArray> FormsBlockIndex::split(QByteArrayView lines)
{
    std::vector<QByteArray> blocks;
    qsizetype start = 0;
    QString lastKey;
    for (qsizetype at = 0; at < lines.size();) {
        qsizetype end = lines.indexOf('\n', at);
        end = end < 0 ? lines.size() : end + 1;
        const QString key = KeyOfLine(lines.sliced(at, end - at).chopped(lines.at(end - 1) == '\n' ? 1 : 0));
        // A block ends before a line of a new key once it is full.
        if (at - start >= BlockBytes && key != lastKey) {
            blocks.push_back(lines.sliced(start, at - start).toByteArray());
            start = at;
        }
        lastKey = key;
        at = end;
    }
    if (start < lines.size())
        blocks.push_back(lines.sliced(start).toByteArray());
    return blocks;
}

QByteArray FormsBlockIndex::encode(const std::vector<QByteArray> &blocks)
{
    QByteArray file = Magic.toByteArray();
    le::Append(file, Version);
    le::Append(file, quint32(blocks.size()));
    for (const QByteArray &block : blocks) {
        const QByteArray key = FirstKey(block).toUtf8();
        le::Append(file, quint32(block.size()));
        le::Append(file, quint16(key.size()));
        file.append(key);
    }
    return file;
}

std::optional<FormsBlockIndex> FormsBlockIndex::decode(QByteArrayView file)
{
    le::Reader cursor(file);
    if (!cursor.startsWith(Magic, Version))
        return std::nullopt;
    const quint32 count = cursor.number<quint32>();
    FormsBlockIndex index;
    for (quint32 k = 0; k < count && !cursor.failed(); ++k) {
        index.sizes_.push_back(cursor.number<quint32>());
        const QByteArrayView key = cursor.take(cursor.number<quint16>());
        index.keys_.push_back(QString::fromUtf8(key));
        if (k > 0 && index.keys_[k] < index.keys_[k - 1])
            return std::nullopt;
    }
    if ((cursor.failed() || !cursor.atEnd()) || index.keys_.size() != count || count == 0)
        return std::nullopt;
    return index;
}

QString FormsBlockIndex::blockName(const files::FormsFile &forms, int block)
{
    return LineBlockIndex::blockName(forms.blockPrefix, block);
}

std::optional<int> FormsBlockIndex::blockOf(const QString &key) const
{
    const auto after = std::upper_bound(keys_.begin(), keys_.end(), key);
    if (after == keys_.begin())
        return std::nullopt;
    return int(after - keys_.begin());
}

bool FormsBlockIndex::describes(int block, QByteArrayView bytes) const
{
    const std::size_t i = std::size_t(block - 1);
    return block >= 1 && i < keys_.size() && bytes.size() == qsizetype(sizes_[i]) && FirstKey(bytes) == keys_[i];
}

} // namespace quillet
