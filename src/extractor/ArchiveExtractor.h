// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictionaryFiles.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

struct archive;
struct archive_entry;

namespace quillet {

// What the extractor is willing to unpack: no more than the loader reads. The shipped
// dictionary is a few megabytes; anything far beyond that is a damaged or hostile
// archive, refused before it fills the disk or the loader's memory.
struct ExtractionLimits {
    qint64 memberBytes = files::MaxMemberBytes;
    qint64 totalBytes = files::MaxArchiveBytes;
    int members = 10'000;
};

// Extracts the members of a password-protected ZIP archive into one folder, all or
// nothing. Members are written one at a time, each to a temporary file in that folder
// that is closed before the next member starts; only when every member has been read
// through without error (which is when libarchive has checked its authentication code or
// CRC) do they all take their real names, replacing files of the same names. On any
// failure every temporary file is removed again. A member must be a regular file with a
// plain name: no folders, no absolute paths, no "..", no links or devices, so nothing
// lands outside the folder.
class ArchiveExtractor {
public:
    struct Outcome {
        ExtractorStatus status = ExtractorStatus::Ok;
        QString message; // one line naming the archive or file and the cause; empty when Ok
    };

    ArchiveExtractor(QString archivePath, QByteArray password, QDir target, ExtractionLimits limits = {});

    // Only these members are extracted; the others are passed over unread. None
    // named: every member.
    void setWanted(QStringList members) { wanted_ = std::move(members); }

    Outcome run() const;

private:
    struct ArchiveFree {
        void operator()(struct archive *archive) const;
    };
    using ArchivePtr = std::unique_ptr<struct archive, ArchiveFree>;
    class StagedFiles;

    ArchivePtr open() const;
    void extractAll(struct archive *archive, StagedFiles &staged) const;
    QString checkedName(struct archive_entry *entry) const;
    void checkTarget(const QString &name) const;
    // Writes one member, at most roomLeft bytes of it; returns the bytes written.
    qint64 copyData(struct archive *archive, const QString &name, StagedFiles &staged, qint64 roomLeft,
                    bool passwordProven) const;

    QString archivePath_;
    QByteArray password_;
    QDir target_;
    ExtractionLimits limits_;
    QStringList wanted_;
};

} // namespace quillet
