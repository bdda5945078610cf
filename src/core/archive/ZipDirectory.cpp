// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/archive/ZipDirectory.h"

#include <QtEndian>

using namespace Qt::StringLiterals;

namespace quillet::zip {

namespace {

constexpr qsizetype EndBytes = 22;
constexpr qsizetype EntryBytes = 46;
constexpr qsizetype LocalBytes = 30;
constexpr qsizetype MaxCommentBytes = 0xFFFF;
constexpr std::uint32_t FileTypeMask = 0170000;
constexpr std::uint32_t RegularFile = 0100000;

template <typename T>
T At(QByteArrayView bytes, qsizetype offset)
{
    return qFromLittleEndian<T>(bytes.data() + offset);
}

// The end-of-directory record: the last one in the file, within a comment's length of its end.
std::optional<qsizetype> FindEnd(QByteArrayView file)
{
    const qsizetype last = file.size() - EndBytes;
    const qsizetype first = std::max<qsizetype>(0, last - MaxCommentBytes);
    for (qsizetype at = last; at >= first; --at)
        if (At<std::uint32_t>(file, at) == EndSignature && at + EndBytes + At<std::uint16_t>(file, at + 20) <= file.size())
            return at;
    return std::nullopt;
}

Entry EntryAt(QByteArrayView record, qsizetype nameBytes, qsizetype extraBytes)
{
    Entry entry;
    entry.madeBy = At<std::uint16_t>(record, 4);
    entry.flags = At<std::uint16_t>(record, 8);
    entry.utf8Name = (entry.flags & 0x800u) != 0;
    entry.method = At<std::uint16_t>(record, 10);
    entry.crc = At<std::uint32_t>(record, 16);
    entry.packedSize = At<std::uint32_t>(record, 20);
    entry.size = At<std::uint32_t>(record, 24);
    entry.attributes = At<std::uint32_t>(record, 38);
    entry.localOffset = At<std::uint32_t>(record, 42);
    entry.name = record.sliced(EntryBytes, nameBytes);
    entry.extra = record.sliced(EntryBytes + nameBytes, extraBytes);
    return entry;
}

bool IsZip64(const Entry &entry)
{
    return entry.packedSize == 0xFFFFFFFF || entry.size == 0xFFFFFFFF || entry.localOffset == 0xFFFFFFFF;
}

} // namespace

bool Entry::isSpecialFile() const
{
    const std::uint32_t type = (attributes >> 16) & FileTypeMask;
    return (madeBy >> 8) == UnixSystem && type != 0 && type != RegularFile;
}

std::optional<QByteArrayView> Entry::extraField(std::uint16_t id) const
{
    for (qsizetype at = 0; at + 4 <= extra.size();) {
        const qsizetype size = At<std::uint16_t>(extra, at + 2);
        if (at + 4 + size > extra.size())
            break;
        if (At<std::uint16_t>(extra, at) == id)
            return extra.sliced(at + 4, size);
        at += 4 + size;
    }
    return std::nullopt;
}

std::optional<std::vector<Entry>> ReadDirectory(QByteArrayView file, QString &problem)
{
    const std::optional<qsizetype> end = file.size() >= EndBytes ? FindEnd(file) : std::nullopt;
    if (!end) {
        problem = u"no central directory"_s;
        return std::nullopt;
    }
    const QByteArrayView record = file.sliced(*end, EndBytes);
    const qsizetype count = At<std::uint16_t>(record, 10);
    const qsizetype size = At<std::uint32_t>(record, 12);
    const qsizetype offset = At<std::uint32_t>(record, 16);
    if (At<std::uint16_t>(record, 4) != 0 || At<std::uint16_t>(record, 6) != 0 || count == 0xFFFF
        || offset == 0xFFFFFFFF) {
        problem = u"a multi-part or ZIP64 archive"_s;
        return std::nullopt;
    }
    if (offset + size > *end) {
        problem = u"the central directory lies outside the file"_s;
        return std::nullopt;
    }
    const QByteArrayView directory = file.sliced(offset, size);
    std::vector<Entry> entries;
    qsizetype at = 0;
    for (qsizetype k = 0; k < count; ++k) {
        if (at + EntryBytes > directory.size() || At<std::uint32_t>(directory, at) != EntrySignature) {
            problem = u"the central directory is damaged"_s;
            return std::nullopt;
        }
        const qsizetype name = At<std::uint16_t>(directory, at + 28);
        const qsizetype extra = At<std::uint16_t>(directory, at + 30);
        const qsizetype comment = At<std::uint16_t>(directory, at + 32);
        const qsizetype length = EntryBytes + name + extra + comment;
        if (at + length > directory.size()) {
            problem = u"the central directory is damaged"_s;
            return std::nullopt;
        }
        entries.push_back(EntryAt(directory.sliced(at, length), name, extra));
        if (IsZip64(entries.back())) {
            problem = u"a ZIP64 member"_s;
            return std::nullopt;
        }
        at += length;
    }
    return entries;
}

std::optional<QByteArrayView> StoredData(QByteArrayView file, const Entry &entry, QString &problem)
{
    const qsizetype local = entry.localOffset;
    if (local + LocalBytes > file.size() || At<std::uint32_t>(file, local) != LocalSignature) {
        problem = u"its local header is missing"_s;
        return std::nullopt;
    }
    const qsizetype name = At<std::uint16_t>(file, local + 26);
    const qsizetype start = local + LocalBytes + name + At<std::uint16_t>(file, local + 28);
    if (start + qsizetype(entry.packedSize) > file.size() || file.sliced(local + LocalBytes, name) != entry.name) {
        problem = u"its local header does not match the directory"_s;
        return std::nullopt;
    }
    return file.sliced(start, entry.packedSize);
}

} // namespace quillet::zip
