// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the dictionary window runs in this session, told without a connection to the
// session bus: the window holds a lock file locked for as long as it holds its name on
// the bus. The lock is an open file description lock, which the system drops when the
// window ends, however it ends; a test only asks whether another process holds it, so it
// never stands in the window's way. The starter, which links the C library only, tests it
// before it chooses the program to run: this header uses nothing else.
//
// The file is "<id>-<hash>.lock" in XDG_RUNTIME_DIR, or, where that is not set or not
// the user's alone, in the folder "/tmp/quillet-<uid>", made for the user alone; the hash
// is of the session bus's address, so that windows on several buses of one user (the
// tests run private ones side by side) each have a file of their own.
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillet::bus {

// A folder of the user's alone: a folder (not a link to one), theirs, closed to others.
inline bool PrivateFolder(const char *folder)
{
    struct stat status {};
    return ::lstat(folder, &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::getuid()
           && (status.st_mode & 077) == 0;
}

// The session bus's address as a program connecting to it finds it:
// DBUS_SESSION_BUS_ADDRESS, else the socket "bus" in XDG_RUNTIME_DIR, written as such an
// address. False when there is neither.
inline bool SessionBusAddress(char (&address)[PATH_MAX + 16])
{
    if (const char *given = std::getenv("DBUS_SESSION_BUS_ADDRESS"); given != nullptr && *given != '\0') {
        const int size = std::snprintf(address, sizeof address, "%s", given);
        return size > 0 && size < int(sizeof address);
    }
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime == '\0')
        return false;
    const int size = std::snprintf(address, sizeof address, "unix:path=%s/bus", runtime);
    return size > 0 && size < int(sizeof address) && ::access(address + 10, F_OK) == 0;
}

// 64-bit FNV-1a: a short, stable name for an address of any length.
inline std::uint64_t AddressHash(const char *address)
{
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const char *c = address; *c != '\0'; ++c)
        hash = (hash ^ static_cast<unsigned char>(*c)) * 0x100000001b3u;
    return hash;
}

// The folder the lock file lives in; with `create`, the fallback folder is made when it
// is missing. False when there is none that only this user can enter.
inline bool LockFolder(char (&folder)[PATH_MAX], bool create)
{
    if (const char *runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime == '/'
        && std::snprintf(folder, sizeof folder, "%s", runtime) < int(sizeof folder) && PrivateFolder(folder))
        return true;
    std::snprintf(folder, sizeof folder, "/tmp/quillet-%u", unsigned(::getuid()));
    if (create)
        ::mkdir(folder, 0700);
    return PrivateFolder(folder);
}

// The lock file of this session's window; false when the session has no bus, or no
// folder for the file.
inline bool SessionLockPath(char (&path)[PATH_MAX], bool create)
{
    char address[PATH_MAX + 16];
    char folder[PATH_MAX];
    if (!SessionBusAddress(address) || !LockFolder(folder, create))
        return false;
    const int size = std::snprintf(path, sizeof path, "%s/%s-%016llx.lock", folder, QUILLET_APPSTREAM_ID,
                                   static_cast<unsigned long long>(AddressHash(address)));
    return size > 0 && size < int(sizeof path);
}

// Whether a window of this session holds its lock file. Takes no lock itself.
inline bool WindowRuns()
{
    char path[PATH_MAX];
    if (!SessionLockPath(path, false))
        return false;
    const int file = ::open(path, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (file < 0)
        return false;
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    const bool held = ::fcntl(file, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(file);
    return held;
}

// The window's hold on the lock file, from take() to its end. The file is left in place:
// a window that starts meanwhile may have opened it already.
class SessionLock {
public:
    SessionLock() = default;
    ~SessionLock() { release(); }
    SessionLock(const SessionLock &) = delete;
    SessionLock &operator=(const SessionLock &) = delete;

    // Locks the session's file; false when there is none, or another process holds it.
    bool take()
    {
        release();
        char path[PATH_MAX];
        if (!SessionLockPath(path, true))
            return false;
        file_ = ::open(path, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
        if (file_ < 0)
            return false;
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        if (::fcntl(file_, F_OFD_SETLK, &lock) == 0)
            return true;
        release();
        return false;
    }

    void release()
    {
        if (file_ >= 0)
            ::close(file_);
        file_ = -1;
    }

    bool held() const { return file_ >= 0; }

private:
    int file_ = -1;
};

} // namespace quillet::bus
