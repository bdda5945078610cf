// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/archive/ReadOnlyFile.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillet::plain {

ReadOnlyFile::ReadOnlyFile(const std::string &path)
{
    // Asked before it is opened, so that a pipe or a device is never opened at all.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        outcome_ = Outcome::NoSuchFile;
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        outcome_ = Outcome::NotAFile;
        return;
    }
    descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor_ < 0 || ::fstat(descriptor_, &info) != 0) {
        outcome_ = Outcome::CannotOpen;
        error_ = std::strerror(errno);
        release();
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        outcome_ = Outcome::NotAFile;
        release();
        return;
    }
    outcome_ = Outcome::Opened;
    size_ = std::uint64_t(info.st_size);
}

ReadOnlyFile::~ReadOnlyFile()
{
    release();
}

ReadOnlyFile::ReadOnlyFile(ReadOnlyFile &&other) noexcept
    : outcome_(other.outcome_), error_(std::move(other.error_)), descriptor_(std::exchange(other.descriptor_, -1)),
      size_(std::exchange(other.size_, 0))
{
}

ReadOnlyFile &ReadOnlyFile::operator=(ReadOnlyFile &&other) noexcept
{
    if (this != &other) {
        release();
        outcome_ = other.outcome_;
        error_ = std::move(other.error_);
        descriptor_ = std::exchange(other.descriptor_, -1);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

bool ReadOnlyFile::readAt(std::uint64_t offset, std::span<char> into) const
{
    if (descriptor_ < 0 || offset > size_ || into.size() > size_ - offset)
        return false;
    while (!into.empty()) {
        const ssize_t read = ::pread(descriptor_, into.data(), into.size(), off_t(offset));
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0) // an error, or the file shrank since it was opened
            return false;
        into = into.subspan(std::size_t(read));
        offset += std::uint64_t(read);
    }
    return true;
}

void ReadOnlyFile::release()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
    size_ = 0;
}

} // namespace quillet::plain
