// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/archive/ArchiveFile.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::winzip {
class KeyedState;
}

namespace quillet::plain {

struct ReadDestination;
class Inflater;

// Reads members of the password-protected ZIP archive (WinZip AES-256, as the packer
// writes it; plain stored or deflated members too) straight into memory: nothing
// decrypted is ever written to a file. The archive is opened and its central directory
// read when the reader is made, or the reader is given an archive opened before, which
// readers on other threads share; every member must be a regular file with a plain name.
// A member is read only when asked for: its authentication code is checked over its
// encrypted bytes before anything is decrypted. A stored member goes straight into the
// caller's storage and is checked and decrypted there; otherwise it is read a piece at a
// time, twice (checked, then decrypted and inflated into the caller's buffer), to no more
// than the size its header gives.
//
//   plain::MemberReader archive(path, plain::files::ArchivePassword);
//   std::string bytes;                       // keep it: its capacity serves the next read
//   if (!archive.read("ert_ri.bin", bytes))  // status() and message() tell why
//       ...
//
// The first failure sticks: status() and message() keep it and every later read fails.
// A member the archive lacks is no failure: read() gives false, the status stays Ok.
// Keys are derived and set up once per password and salt in the process, whatever reader
// asks, and a reader keeps one inflate state for all its members. A reader serves one
// thread at a time; readers of one archive on other threads are fine.
class MemberReader {
public:
    MemberReader(const std::string &archivePath, std::string_view password, ArchiveLimits limits = {});
    MemberReader(std::shared_ptr<const ArchiveFile> archive, std::string_view password, ArchiveLimits limits = {});
    ~MemberReader();
    MemberReader(const MemberReader &) = delete;
    MemberReader &operator=(const MemberReader &) = delete;

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
    std::optional<std::size_t> read(std::string_view member, const ReadDestination &destination);
    const winzip::KeyedState &keysFor(std::string_view salt);
    bool fail(ArchiveStatus status, std::string message);

    std::shared_ptr<const ArchiveFile> archive_;
    std::string password_;
    ArchiveLimits limits_;
    mutable std::vector<std::string> names_; // made when first asked for
    std::shared_ptr<const winzip::KeyedState> keys_; // of the salt last met, `salt_`
    std::string salt_;
    std::unique_ptr<Inflater> inflater_; // made at the first deflated member
    std::string held_; // a small member's header and stored bytes, its capacity reused
    std::int64_t unpacked_ = 0;     // what the reads so far gave, against the total limit
    bool passwordProven_ = false;   // a member was authenticated with the password
    ArchiveStatus status_ = ArchiveStatus::Ok;
    std::string message_;
};

} // namespace quillet::plain
