// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/archive/ZipDirectory.h"

#include <algorithm>
#include <cstring>

namespace quillet::zip {

namespace {

constexpr std::size_t EntryBytes = 46;
constexpr std::uint32_t FileTypeMask = 0170000;
constexpr std::uint32_t RegularFile = 0100000;

template <typename T>
T At(std::string_view bytes, std::size_t offset)
{
    T value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        value |= T(T(static_cast<unsigned char>(bytes[offset + i])) << (8 * i));
    return value;
}

// The end-of-directory record: the last one in the file's tail, within a comment's length
// of its end.
std::optional<std::size_t> FindEnd(std::string_view tail)
{
    const std::size_t last = tail.size() - EndBytes;
    const std::size_t first = last > MaxCommentBytes ? last - MaxCommentBytes : 0;
    for (std::size_t at = last + 1; at-- > first;)
        if (At<std::uint32_t>(tail, at) == EndSignature && at + EndBytes + At<std::uint16_t>(tail, at + 20) <= tail.size())
            return at;
    return std::nullopt;
}

Entry EntryAt(std::string_view record, std::size_t nameBytes, std::size_t extraBytes)
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
    entry.name = record.substr(EntryBytes, nameBytes);
    entry.extra = record.substr(EntryBytes + nameBytes, extraBytes);
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

std::optional<std::string_view> Entry::extraField(std::uint16_t id) const
{
    for (std::size_t at = 0; at + 4 <= extra.size();) {
        const std::size_t size = At<std::uint16_t>(extra, at + 2);
        if (at + 4 + size > extra.size())
            break;
        if (At<std::uint16_t>(extra, at) == id)
            return extra.substr(at + 4, size);
        at += 4 + size;
    }
    return std::nullopt;
}

Entry Directory::next(std::size_t &at) const
{
    const std::string_view rest = records.substr(at);
    const std::size_t name = At<std::uint16_t>(rest, 28);
    const std::size_t extra = At<std::uint16_t>(rest, 30);
    const std::size_t length = EntryBytes + name + extra + At<std::uint16_t>(rest, 32);
    at += length;
    return EntryAt(rest.substr(0, length), name, extra);
}

std::string_view Directory::nameAt(std::size_t record) const
{
    return records.substr(record + EntryBytes, At<std::uint16_t>(records, record + 28));
}

std::optional<DirectoryPlace> FindDirectory(std::string_view tail, std::uint64_t tailOffset, std::string &problem)
{
    const std::optional<std::size_t> end = tail.size() >= EndBytes ? FindEnd(tail) : std::nullopt;
    if (!end) {
        problem = "no central directory";
        return std::nullopt;
    }
    const std::string_view record = tail.substr(*end, EndBytes);
    const DirectoryPlace place{At<std::uint32_t>(record, 16), At<std::uint32_t>(record, 12),
                               At<std::uint16_t>(record, 10)};
    if (At<std::uint16_t>(record, 4) != 0 || At<std::uint16_t>(record, 6) != 0 || place.count == 0xFFFF
        || place.offset == 0xFFFFFFFF) {
        problem = "a multi-part or ZIP64 archive";
        return std::nullopt;
    }
    if (place.offset + place.size > tailOffset + *end) {
        problem = "the central directory lies outside the file";
        return std::nullopt;
    }
    return place;
}

std::optional<Directory> CheckDirectory(std::string_view records, std::size_t count, std::string &problem)
{
    const Directory directory{records, count};
    std::size_t at = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const std::string_view rest = records.substr(at);
        if (rest.size() < EntryBytes || At<std::uint32_t>(rest, 0) != EntrySignature
            || EntryBytes + At<std::uint16_t>(rest, 28) + At<std::uint16_t>(rest, 30) + At<std::uint16_t>(rest, 32)
                   > rest.size()) {
            problem = "the central directory is damaged";
            return std::nullopt;
        }
        if (IsZip64(directory.next(at))) {
            problem = "a ZIP64 member";
            return std::nullopt;
        }
    }
    return directory;
}

std::optional<std::uint64_t> DataOffset(std::string_view header, const Entry &entry, std::uint64_t fileSize,
                                        std::string &problem)
{
    if (header.size() < LocalBytes || At<std::uint32_t>(header, 0) != LocalSignature) {
        problem = "its local header is missing";
        return std::nullopt;
    }
    const std::size_t name = At<std::uint16_t>(header, 26);
    const std::uint64_t start = std::uint64_t(entry.localOffset) + LocalBytes + name + At<std::uint16_t>(header, 28);
    if (name != entry.name.size() || header.substr(LocalBytes, name) != entry.name
        || start + entry.packedSize > fileSize) {
        problem = "its local header does not match the directory";
        return std::nullopt;
    }
    return start;
}

} // namespace quillet::zip
