// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
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

// The sizes of the fixed part of the end-of-directory record and of a local header, and
// the longest comment after the end record.
inline constexpr std::size_t EndBytes = 22;
inline constexpr std::size_t LocalBytes = 30;
inline constexpr std::size_t MaxCommentBytes = 0xFFFF;
// The end of a file that holds its end record, whatever its comment.
inline constexpr std::size_t TailBytes = EndBytes + MaxCommentBytes;

// Where the central directory lies, as the end record gives it.
struct DirectoryPlace {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    std::size_t count = 0;
};

// The place of the directory of the archive whose last bytes, from `tailOffset` on, are
// `tail` (TailBytes of them, or the whole file when it is shorter); nullopt, with the
// cause in `problem`, when the file is no ZIP archive or a damaged one (truncated, or with
// a directory said to lie outside it). Archives too large for the classic format's 32-bit
// fields (ZIP64) are refused.
std::optional<DirectoryPlace> FindDirectory(std::string_view tail, std::uint64_t tailOffset, std::string &problem);

// The directory whose `count` records are `records`, each checked to lie within them and
// to fit the classic format; nothing is copied: the entries are read as they are walked.
std::optional<Directory> CheckDirectory(std::string_view records, std::size_t count, std::string &problem);

// Where the entry's data as stored (compressed, and encrypted when it is) starts in the
// file: `header` holds the bytes at its local offset, LocalBytes and its name's length of
// them (fewer where the file ends first). nullopt, with the cause in `problem`, when the
// local header is damaged or the data runs past the file's `fileSize` bytes.
std::optional<std::uint64_t> DataOffset(std::string_view header, const Entry &entry, std::uint64_t fileSize,
                                        std::string &problem);

} // namespace quillet::zip
