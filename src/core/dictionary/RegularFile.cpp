// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillet {

OpenOutcome OpenRegularFile(QFile &file, const QString &path)
{
    // Without O_NONBLOCK, opening a FIFO would wait until something writes to it.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? OpenOutcome::Missing : OpenOutcome::Refused;
    struct stat status {};
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || flags < 0
        || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return OpenOutcome::Refused;
    }
    return OpenOutcome::Opened;
}

} // namespace quillet
