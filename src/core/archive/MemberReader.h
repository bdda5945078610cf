// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/archive/MappedFile.h"
#include "core/archive/ZipDirectory.h"
#include "core/dictionary/FileNames.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
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

struct ReadDestination;

// Reads members of the password-protected ZIP archive (WinZip AES-256, as the packer
// writes it; plain stored or deflated members too) straight into memory: nothing
// decrypted is ever written to a file. The archive is mapped and its central directory
// read when the reader is made; every member must be a regular file with a plain name.
// A member is read only when asked for: its authentication code is checked over its
// encrypted bytes before anything is decrypted, and it is decrypted and inflated in one
// pass into the caller's buffer, to no more than the size its header gives.
//
//   plain::MemberReader archive(path, plain::files::ArchivePassword);
//   std::string bytes;                       // keep it: its capacity serves the next read
//   if (!archive.read("ert_ri.bin", bytes))  // status() and message() tell why
//       ...
//
// The first failure sticks: status() and message() keep it and every later read fails.
// A member the archive lacks is no failure: read() gives false, the status stays Ok.
// Keys are derived once per password and salt in the process, whatever reader asks. A
// reader serves one thread at a time; readers of one archive on other threads are fine.
class MemberReader {
public:
    MemberReader(const std::string &archivePath, std::string_view password, ArchiveLimits limits = {});

    // Of opening and reading the directory, or of the first read that failed.
    ArchiveStatus status() const { return status_; }
    bool ok() const { return status_ == ArchiveStatus::Ok; }
    // One line naming the archive (and member) and the cause; empty when Ok.
    const std::string &message() const { return message_; }

    // The members' names (UTF-8), in the order of the archive's directory.
    const std::vector<std::string> &names() const;
    bool has(std::string_view member) const;

    // The member authenticated, decrypted and inflated into `out` (its capacity reused);
    // false, with `out` emptied, when the archive lacks it or a read fails.
    bool read(std::string_view member, std::string &out);

    // The same into storage the caller gives: `storage(n)` returns room for n bytes
    // (the member's size and one more), which is filled; `size` is the member's size.
    using Storage = std::function<char *(std::size_t bytes)>;
    bool read(std::string_view member, const Storage &storage, std::size_t &size);

    // The member unpacked chunk by chunk into `chunk`, each full one given to `take` (the
    // last may be shorter): nothing but the chunk is written, whatever the member's size.
    // `take` returning false ends the read there, which is no failure. The bytes are
    // authenticated before the first chunk; the size and, where the archive keeps one, the
    // CRC are checked at the end, so on failure drop what was taken.
    using Take = std::function<bool(std::string_view piece)>;
    bool stream(std::string_view member, std::span<char> chunk, const Take &take);

private:
    // A member's name (UTF-8) and the place of its record in the directory.
    struct Member {
        std::string_view name;
        std::size_t record;
    };

    std::optional<std::size_t> read(std::string_view member, const ReadDestination &destination);
    std::optional<zip::Entry> find(std::string_view member) const;
    const std::vector<Member> &byName() const;
    bool fail(ArchiveStatus status, std::string message);

    std::string path_;
    std::string password_;
    ArchiveLimits limits_;
    MappedFile file_;
    zip::Directory directory_;   // in the mapping
    bool utf8Names_ = true;      // every name as stored is UTF-8
    mutable int walks_ = 0;      // the members looked up by walking the directory
    // Made when first needed: the members sorted by name (with the names that are not
    // UTF-8 as stored converted, kept in `converted_`), and the names in directory order.
    mutable std::vector<Member> byName_;
    mutable std::deque<std::string> converted_;
    mutable std::vector<std::string> names_;
    std::int64_t unpacked_ = 0;     // what the reads so far gave, against the total limit
    bool passwordProven_ = false;   // a member was authenticated with the password
    ArchiveStatus status_ = ArchiveStatus::Ok;
    std::string message_;
};

} // namespace quillet::plain
