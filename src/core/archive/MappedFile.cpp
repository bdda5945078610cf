// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/archive/MappedFile.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillet::plain {

namespace {

// Closes the descriptor when it goes: the mapping outlives it.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

MappedFile::MappedFile(const std::string &path)
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
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0) {
        outcome_ = Outcome::CannotOpen;
        error_ = std::strerror(errno);
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        outcome_ = Outcome::NotAFile;
        return;
    }
    outcome_ = Outcome::Mapped;
    if (info.st_size == 0)
        return;
    void *const mapped = ::mmap(nullptr, std::size_t(info.st_size), PROT_READ, MAP_PRIVATE, file.get(), 0);
    if (mapped == MAP_FAILED) {
        outcome_ = Outcome::CannotRead;
        error_ = std::strerror(errno);
        return;
    }
    data_ = static_cast<const char *>(mapped);
    size_ = std::size_t(info.st_size);
}

MappedFile::~MappedFile()
{
    release();
}

MappedFile::MappedFile(MappedFile &&other) noexcept
    : outcome_(other.outcome_), error_(std::move(other.error_)), data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0))
{
}

MappedFile &MappedFile::operator=(MappedFile &&other) noexcept
{
    if (this != &other) {
        release();
        outcome_ = other.outcome_;
        error_ = std::move(other.error_);
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

void MappedFile::release()
{
    if (data_ != nullptr)
        ::munmap(const_cast<char *>(data_), size_);
    data_ = nullptr;
    size_ = 0;
}

} // namespace quillet::plain
