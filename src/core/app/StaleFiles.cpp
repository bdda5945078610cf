// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/StaleFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <signal.h>
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

bool IsOwnFile(const QFileInfo &entry)
{
    return !entry.isSymLink() && entry.ownerId() == ::getuid();
}

QDateTime ChangedBefore(std::chrono::seconds age)
{
    return QDateTime::currentDateTimeUtc().addSecs(-age.count());
}

// A private folder of a process that is gone.
bool IsStalePrivateFolder(const QFileInfo &entry, qint64 pid)
{
    return entry.isDir() && IsOwnFile(entry) && pid != QCoreApplication::applicationPid() && !IsProcessAlive(pid);
}

// A trial folder of an earlier version's settings save, untouched for long enough: it
// holds nothing but the trial file, its lock and its temporary file.
bool IsStaleTrialFolder(const QFileInfo &entry, const QDateTime &changedBefore)
{
    static const QRegularExpression trialFile(u"^trial\\.ini(\\.lock|\\.[A-Za-z0-9]{6})?$"_s);
    if (!entry.isDir() || !IsOwnFile(entry) || entry.lastModified().toUTC() >= changedBefore)
        return false;
    const QStringList names = QDir(entry.filePath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                               | QDir::NoDotAndDotDot);
    return std::all_of(names.begin(), names.end(),
                       [](const QString &name) { return trialFile.match(name).hasMatch(); });
}

} // namespace

int RemoveStaleSaveLeftovers(const QString &path, std::chrono::seconds minimumAge)
{
    const QFileInfo target(path);
    const QRegularExpression pattern(u"^"_s + QRegularExpression::escape(target.fileName())
                                     + u"\\.[A-Za-z0-9]{6}$"_s);
    const QDateTime changedBefore = ChangedBefore(minimumAge);
    int removed = 0;
    const QFileInfoList entries = target.dir().entryInfoList({target.fileName() + u".*"_s},
                                                             QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (pattern.match(entry.fileName()).hasMatch() && entry.isFile() && IsOwnFile(entry)
            && entry.lastModified().toUTC() < changedBefore && QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed + (RemoveStaleLock(path + u".lock"_s) ? 1 : 0);
}

QString PrivateFolderTemplate(const QString &tempDir)
{
    return QDir(tempDir).filePath(u"quillet-%1-XXXXXX"_s.arg(QCoreApplication::applicationPid()));
}

bool IsProcessAlive(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

int RemoveStaleFolders(const QString &tempDir, std::chrono::seconds minimumAge)
{
    static const QRegularExpression privateFolder(u"^quillet-([0-9]{1,10})-[A-Za-z0-9]{6}$"_s);
    static const QRegularExpression trialFolder(u"^Quillet-[A-Za-z0-9]{6}$"_s);
    const QDateTime changedBefore = ChangedBefore(minimumAge);
    int removed = 0;
    const QFileInfoList entries = QDir(tempDir).entryInfoList({u"quillet-*"_s, u"Quillet-*"_s},
                                                              QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QRegularExpressionMatch match = privateFolder.match(entry.fileName());
        const bool stale = match.hasMatch() ? IsStalePrivateFolder(entry, match.captured(1).toLongLong())
                                            : trialFolder.match(entry.fileName()).hasMatch()
                                                  && IsStaleTrialFolder(entry, changedBefore);
        if (stale && QDir(entry.filePath()).removeRecursively())
            ++removed;
    }
    return removed;
}

} // namespace quillet
