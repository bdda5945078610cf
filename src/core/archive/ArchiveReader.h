// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/archive/MemberReader.h"
#include "core/dictionary/DictionaryFiles.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>

namespace quillet {

// The limits and the causes of a failed read are the plain reader's.
using ArchiveLimits = plain::ArchiveLimits;
using ArchiveStatus = plain::ArchiveStatus;

// The members read, by name; a member asked for that the archive lacks is not there.
struct ArchiveContents {
    ArchiveStatus status = ArchiveStatus::Ok;
    QString message; // one line naming the archive (and member) and the cause; empty when Ok
    std::map<QString, QByteArray> members;

    bool ok() const { return status == ArchiveStatus::Ok; }
    // The member's bytes, or nullptr when the archive lacks it.
    const QByteArray *member(QLatin1StringView name) const;
};

// Reads members of the password-protected ZIP archive into memory, as Qt's types, through
// plain::MemberReader (see there what is checked). All or nothing: a member is given only
// when every member asked for was read whole; the limits count all of them together.
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
