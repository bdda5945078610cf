// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/ExtractionFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <limits>
#include <signal.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillet::extraction {

namespace {

const QLatin1StringView Prefix("quillet-");

bool IsStale(const QFileInfo &entry, qint64 pid)
{
    return entry.isDir() && !entry.isSymLink() && entry.ownerId() == ::getuid()
        && pid != QCoreApplication::applicationPid() && !IsProcessAlive(pid);
}

} // namespace

bool IsProcessAlive(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

int RemoveStaleFolders(const QString &tempDir)
{
    static const QRegularExpression pattern(u"^quillet-([0-9]{1,10})-[A-Za-z0-9]{6}$"_s);
    int removed = 0;
    const QFileInfoList entries = QDir(tempDir).entryInfoList({Prefix + u"*"_s},
                                                              QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QRegularExpressionMatch match = pattern.match(entry.fileName());
        if (match.hasMatch() && IsStale(entry, match.captured(1).toLongLong())
            && QDir(entry.filePath()).removeRecursively())
            ++removed;
    }
    return removed;
}

} // namespace quillet::extraction
