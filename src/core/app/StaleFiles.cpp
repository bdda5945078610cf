// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/StaleFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

bool RemoveStaleLock(const QString &lockPath)
{
    if (!QFileInfo(lockPath).isFile())
        return false;
    // QLockFile takes over a lock only when its holder is gone (or the lock is too old to
    // be anyone's); releasing it then removes the file.
    QLockFile lock(lockPath);
    if (!lock.tryLock(0))
        return false;
    lock.unlock();
    return true;
}

} // namespace

int RemoveStaleSaveLeftovers(const QString &path, std::chrono::seconds minimumAge)
{
    const QFileInfo target(path);
    const QRegularExpression pattern(u"^"_s + QRegularExpression::escape(target.fileName())
                                     + u"\\.[A-Za-z0-9]{6}$"_s);
    const QDateTime changedBefore = QDateTime::currentDateTimeUtc().addSecs(-minimumAge.count());
    int removed = 0;
    const QFileInfoList entries = target.dir().entryInfoList({target.fileName() + u".*"_s},
                                                             QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (pattern.match(entry.fileName()).hasMatch() && entry.isFile() && !entry.isSymLink()
            && entry.ownerId() == ::getuid() && entry.lastModified().toUTC() < changedBefore
            && QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed + (RemoveStaleLock(path + u".lock"_s) ? 1 : 0);
}

} // namespace quillet
