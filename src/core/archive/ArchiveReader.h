// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictionaryFiles.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>

namespace quillet {

// What the reader is willing to unpack: no more than the loader reads. The shipped
// dictionary is a few megabytes; anything far beyond that is a damaged or hostile
// archive, refused before it fills the program's memory.
struct ArchiveLimits {
    qint64 memberBytes = files::MaxMemberBytes;
    qint64 totalBytes = files::MaxArchiveBytes;
    int members = 10'000;
};

// Why a read gave no members.
enum class ArchiveStatus {
    Ok,
    Missing,       // the archive does not exist or cannot be opened
    WrongPassword,
    Corrupt,       // damaged, truncated, not an archive, or a member that is no plain file
    TooLarge,      // a member, or all of them together, unpack past the limits
};

// The members read, by name; a member asked for that the archive lacks is not there.
struct ArchiveContents {
    ArchiveStatus status = ArchiveStatus::Ok;
    QString message; // one line naming the archive (and member) and the cause; empty when Ok
    std::map<QString, QByteArray> members;

    bool ok() const { return status == ArchiveStatus::Ok; }
    // The member's bytes, or nullptr when the archive lacks it.
    const QByteArray *member(QLatin1StringView name) const;
};

// Reads members of the password-protected ZIP archive (WinZip AES-256, as the packer
// writes it; plain stored or deflated members too) straight into memory: nothing
// decrypted is ever written to a file. The archive is mapped, its central directory read,
// and only the members asked for are touched: each one's authentication code is checked
// over its encrypted bytes before anything is decrypted, and it is inflated to no more
// than the size its header gives, within the limits. All or nothing: a member is given
// only when every member asked for was read whole. Every member of the archive must be a
// regular file with a plain name, and each is counted against the limits.
class ArchiveReader {
public:
    ArchiveReader(QString archivePath, QByteArray password, ArchiveLimits limits = {});

    // The members named, or every member when none is named.
    ArchiveContents read(const QStringList &wanted = {}) const;

private:
    QString archivePath_;
    QByteArray password_;
    ArchiveLimits limits_;
};

} // namespace quillet
