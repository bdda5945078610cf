// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/HeadwordIndexFile.h"

#include "core/dictionary/LittleEndian.h"

#include <QtEndian>

#include <cstring>

namespace quillet {

namespace {

constexpr QByteArrayView Magic("QLHI");

// A hash of the headwords member, the same on every machine: FNV-1a over its bytes, eight
// at a time.
quint64 HeadwordsHash(QByteArrayView bytes)
{
    quint64 hash = 14695981039346656037ull;
    qsizetype at = 0;
    for (; at + 8 <= bytes.size(); at += 8)
        hash = (hash ^ qFromLittleEndian<quint64>(bytes.data() + at)) * 1099511628211ull;
    for (; at < bytes.size(); ++at)
        hash = (hash ^ static_cast<unsigned char>(bytes[at])) * 1099511628211ull;
    return hash;
}

} // namespace

QByteArray HeadwordIndexFile::encode(const HeadwordIndex &index, QByteArrayView headwords)
{
    QByteArray out(Magic.data(), Magic.size());
    le::Append(out, Version);
    le::Append(out, quint32(index.size()));
    le::Append(out, quint64(headwords.size()));
    le::Append(out, HeadwordsHash(headwords));
    for (int i = 1; i < HeadwordIndex::Texts; ++i) {
        const std::string_view bytes = index.text(i).bytes();
        le::Append(out, quint32(bytes.size()));
        out.append(bytes.data(), qsizetype(bytes.size()));
    }
    for (int i = 0; i < HeadwordIndex::Texts; ++i) {
        // The folded text is only ever scanned, never searched in its byte order.
        static const std::vector<int> None;
        const std::vector<int> &order = i == 1 ? None : index.text(i).byteOrder();
        le::Append(out, quint32(order.size()));
        for (const int k : order)
            le::Append(out, quint32(k));
    }
    return out;
}

std::optional<HeadwordIndex> HeadwordIndexFile::decode(const QByteArray &file, QByteArrayView headwords, int entries)
{
    le::Reader in(file);
    if (!in.startsWith(Magic, Version) || in.number<quint32>() != quint32(entries)
        || in.number<quint64>() != quint64(headwords.size()) || in.number<quint64>() != HeadwordsHash(headwords)
        || in.failed() || !headwords.endsWith('\n'))
        return std::nullopt;
    // The headwords as they were packed: valid UTF-8, one a line, each ended by a line feed;
    // the three other texts are kept where they lie in the file.
    std::array<HeadwordText::Bytes, HeadwordIndex::Texts> texts;
    QByteArray &stored = texts[0].buffer;
    stored.reserve(headwords.size() + 1);
    stored += HeadwordText::Separator;
    stored += headwords;
    texts[0].text = stored;
    for (std::size_t i = 1; i < texts.size(); ++i)
        texts[i] = {file, in.take(in.number<quint32>())};
    std::array<std::vector<int>, HeadwordIndex::Texts> orders;
    for (std::vector<int> &order : orders) {
        const quint32 count = in.number<quint32>();
        const QByteArrayView words = in.take(qsizetype(count) * 4);
        order.resize(in.failed() ? 0 : count);
        for (std::size_t k = 0; k < order.size(); ++k)
            order[k] = int(qFromLittleEndian<quint32>(words.data() + 4 * k));
    }
    HeadwordIndex index;
    if (in.failed() || !in.atEnd() || !index.assign(std::move(texts), entries, std::move(orders)))
        return std::nullopt;
    return index;
}

} // namespace quillet
