// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillet::zip {

// The records' signatures, the system a member made on Unix names in its "made by", and
// the methods of storing that the program reads.
inline constexpr std::uint32_t EndSignature = 0x06054b50;
inline constexpr std::uint32_t EntrySignature = 0x02014b50;
inline constexpr std::uint32_t LocalSignature = 0x04034b50;
inline constexpr std::uint16_t UnixSystem = 3;
inline constexpr std::uint16_t Stored = 0;
inline constexpr std::uint16_t Deflated = 8;

// One member as the ZIP archive's central directory describes it.
struct Entry {
    std::string_view name;      // as stored
    bool utf8Name = false;      // the name is UTF-8 (else the old PC code page)
    std::uint16_t madeBy = 0;   // high byte: the system that made it (3 for Unix)
    std::uint16_t flags = 0;    // bit 0: encrypted
    std::uint16_t method = 0;   // 0 stored, 8 deflated, 99 WinZip AES
    std::uint32_t crc = 0;
    std::uint32_t packedSize = 0;
    std::uint32_t size = 0;
    std::uint32_t attributes = 0; // on Unix, the file's mode in the high 16 bits
    std::uint32_t localOffset = 0;
    std::string_view extra;

    bool encrypted() const { return (flags & 1u) != 0; }
    // Whether the system that made it says it is something other than a regular file.
    bool isSpecialFile() const;
    // The data of the extra field with this id, if the entry has one.
    std::optional<std::string_view> extraField(std::uint16_t id) const;
};

// The central directory of the archive held in a file, its records checked: `count`
// entries, one after the other in `records`.
struct Directory {
    std::string_view records;
    std::size_t count = 0;

    // The entry whose record starts at `at` (0 for the first), and `at` moved to the next.
    Entry next(std::size_t &at) const;
    // The name, as stored, of the entry whose record starts there.
    std::string_view nameAt(std::size_t record) const;
};

// The directory of the archive held in `file`; nullopt, with the cause in `problem`, when
// the file is no ZIP archive or a damaged one (truncated, or with a directory pointing
// outside it). Archives too large for the classic format's 32-bit fields (ZIP64) are
// refused. Nothing is copied: the entries are read from the file as they are walked.
std::optional<Directory> ReadDirectory(std::string_view file, std::string &problem);

// The entry's data as stored (compressed, and encrypted when it is): nullopt, with the
// cause in `problem`, when its local header is damaged or the data runs past the file.
std::optional<std::string_view> StoredData(std::string_view file, const Entry &entry, std::string &problem);

} // namespace quillet::zip
