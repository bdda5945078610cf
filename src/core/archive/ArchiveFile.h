// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/archive/ReadOnlyFile.h"
#include "core/archive/ZipDirectory.h"
#include "core/dictionary/FileNames.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::plain {

// Why a read gave nothing.
enum class ArchiveStatus {
    Ok,
    Missing,       // the archive does not exist or cannot be opened
    WrongPassword,
    Corrupt,       // damaged, truncated, not an archive, or a member that is no plain file
    TooLarge,      // a member, or all read together, unpack past the limits
};

// What the reader is willing to unpack: no more than the loader reads. The shipped
// dictionary is a few megabytes; anything far beyond that is a damaged or hostile
// archive, refused before it fills the program's memory.
struct ArchiveLimits {
    std::int64_t memberBytes = files::MaxMemberBytes;
    std::int64_t totalBytes = files::MaxArchiveBytes; // all members read by one reader
    int members = 10'000;
};

// A ZIP archive opened, its central directory read and checked (every member a regular
// file with a plain name) and its members indexed by name; a member's bytes are read only
// when asked for. Nothing in it changes afterwards, so one archive serves readers on
// several threads.
class ArchiveFile {
public:
    explicit ArchiveFile(const std::string &path, int maxMembers = ArchiveLimits{}.members);
    ArchiveFile(const ArchiveFile &) = delete;
    ArchiveFile &operator=(const ArchiveFile &) = delete;

    // Of opening it and reading its directory.
    ArchiveStatus status() const { return status_; }
    bool ok() const { return status_ == ArchiveStatus::Ok; }
    // One line naming the archive and the cause; empty when Ok.
    const std::string &message() const { return message_; }
    const std::string &path() const { return path_; }

    // The file's bytes from `offset` on into `into`; false when it no longer holds them.
    bool readAt(std::uint64_t offset, std::span<char> into) const { return file_.readAt(offset, into); }
    // Where the member's data as stored starts, by its local header; nullopt, with the
    // cause in `problem`, when the header is damaged or the data runs past the file.
    std::optional<std::uint64_t> dataOffset(const zip::Entry &entry, std::string &problem) const;
    // The member's local header and data as stored, read together into `bytes` (its
    // capacity reused); the data, or nullopt with the cause in `problem` as above.
    std::optional<std::string_view> readStored(const zip::Entry &entry, std::string &bytes, std::string &problem) const;

    // The member of that name (UTF-8): of two of one name, the later one, as an unpacker
    // writing them out would leave it.
    std::optional<zip::Entry> find(std::string_view member) const;
    // The members' names (UTF-8), in the order of the directory.
    std::vector<std::string> names() const;

private:
    void fail(ArchiveStatus status, const std::string &message);
    // The directory, its records kept in `records_`.
    std::optional<zip::Directory> readDirectory(std::string &problem);
    // The UTF-8 name of the member whose record starts there.
    std::string_view nameAt(std::uint32_t record) const;
    // The slot of `slots_` holding the member of that name, or the empty one it would take.
    std::size_t slotOf(std::string_view name) const;

    std::string path_;
    ReadOnlyFile file_;
    std::string records_;      // the directory's records, as stored
    zip::Directory directory_; // over `records_`
    // The members by name: a table addressed by a hash of the name, of which each slot
    // holds the place of a member's record in the directory and one more, or 0. It is at
    // most half full, and takes two pages for the shipped archive.
    std::vector<std::uint32_t> slots_;
    std::map<std::uint32_t, std::string> converted_; // the names that are not UTF-8 as stored, converted
    ArchiveStatus status_ = ArchiveStatus::Ok;
    std::string message_;
};

// A member's name as text: UTF-8 when it says so or is so (a byte that is no UTF-8 then
// shown as U+FFFD), else the old PC code page's ASCII-compatible Latin-1 reading.
std::string MemberName(const zip::Entry &entry);

// A refusal said on one line: a control character (a line break in a member's name) is
// shown as "?".
std::string OneLine(std::string_view message);

} // namespace quillet::plain
