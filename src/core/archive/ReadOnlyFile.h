// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace quillet::plain {

// A regular file opened for reading for the object's lifetime, read at any offset into
// memory the caller gives: from the page cache, with no mapping to set up, fault in and
// tear down, and no signal should the file shrink meanwhile. Reads at once from several
// threads are fine.
class ReadOnlyFile {
public:
    enum class Outcome { Opened, NoSuchFile, NotAFile, CannotOpen };

    ReadOnlyFile() = default;
    explicit ReadOnlyFile(const std::string &path);
    ~ReadOnlyFile();
    ReadOnlyFile(ReadOnlyFile &&other) noexcept;
    ReadOnlyFile &operator=(ReadOnlyFile &&other) noexcept;
    ReadOnlyFile(const ReadOnlyFile &) = delete;
    ReadOnlyFile &operator=(const ReadOnlyFile &) = delete;

    Outcome outcome() const { return outcome_; }
    // The system's words for why it could not be opened or read.
    const std::string &error() const { return error_; }
    // Its size when it was opened.
    std::uint64_t size() const { return size_; }

    // `into` filled from `offset` on; false when the file no longer holds those bytes or
    // cannot be read.
    bool readAt(std::uint64_t offset, std::span<char> into) const;

private:
    void release();

    Outcome outcome_ = Outcome::NoSuchFile;
    std::string error_;
    int descriptor_ = -1;
    std::uint64_t size_ = 0;
};

} // namespace quillet::plain
