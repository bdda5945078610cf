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
    const std::string_view word = plain::FormsBlocks::firstWord({block.data(), std::size_t(block.size())});
    return WordKey(QString::fromUtf8(QByteArrayView(word.data(), qsizetype(word.size()))));
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
    std::optional<plain::FormsBlocks> blocks = plain::FormsBlocks::decode({file.data(), std::size_t(file.size())});
    if (!blocks)
        return std::nullopt;
    return FormsBlockIndex(std::move(*blocks));
}

QString FormsBlockIndex::blockName(const files::FormsFile &forms, int block)
{
    return LineBlockIndex::blockName(forms.blockPrefix, block);
}

std::optional<int> FormsBlockIndex::blockOf(const QString &key) const
{
    const QByteArray utf8 = key.toUtf8();
    return blocks_.blockOf({utf8.constData(), std::size_t(utf8.size())});
}

bool FormsBlockIndex::describes(int block, QByteArrayView bytes) const
{
    const QByteArray key = FirstKey(bytes).toUtf8();
    return blocks_.describes(block, {bytes.data(), std::size_t(bytes.size())},
                             {key.constData(), std::size_t(key.size())});
}

} // namespace quillet
