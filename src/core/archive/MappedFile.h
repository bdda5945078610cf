// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace quillet::plain {

// A regular file mapped read-only into memory for the object's lifetime: its pages come
// from the page cache as they are touched, none is copied.
class MappedFile {
public:
    enum class Outcome { Mapped, NoSuchFile, NotAFile, CannotOpen, CannotRead };

    MappedFile() = default;
    explicit MappedFile(const std::string &path);
    ~MappedFile();
    MappedFile(MappedFile &&other) noexcept;
    MappedFile &operator=(MappedFile &&other) noexcept;
    MappedFile(const MappedFile &) = delete;
    MappedFile &operator=(const MappedFile &) = delete;

    Outcome outcome() const { return outcome_; }
    // The system's words for why it could not be opened or read.
    const std::string &error() const { return error_; }
    std::string_view bytes() const { return {data_, size_}; }

private:
    void release();

    Outcome outcome_ = Outcome::NoSuchFile;
    std::string error_;
    const char *data_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace quillet::plain
