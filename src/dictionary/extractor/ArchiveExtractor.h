#pragma once

#include "dictionary/DictionaryFiles.h"

#include <QByteArray>
#include <QDir>
#include <QSaveFile>
#include <QString>

#include <memory>
#include <vector>

struct archive;
struct archive_entry;

namespace quillet {

// Extracts every member of a password-protected ZIP archive into one folder, all or
// nothing. Each member is written to a temporary file in that folder; only when every
// member has been read through without error (which is when libarchive has checked its
// authentication code or CRC) do they all take their real names, replacing files of the
// same names. A member must be a regular file with a plain name: no folders, no
// absolute paths, no "..", no links or devices, so nothing lands outside the folder.
class ArchiveExtractor {
public:
    struct Outcome {
        ExtractorStatus status = ExtractorStatus::Ok;
        QString message; // one line naming the archive or file and the cause; empty when Ok
    };

    ArchiveExtractor(QString archivePath, QByteArray password, QDir target);

    Outcome run() const;

private:
    struct ArchiveFree {
        void operator()(struct archive *archive) const;
    };
    using ArchivePtr = std::unique_ptr<struct archive, ArchiveFree>;
    using PendingFile = std::unique_ptr<QSaveFile>;

    ArchivePtr open() const;
    std::vector<PendingFile> extractAll(struct archive *archive) const;
    PendingFile extractMember(struct archive *archive, struct archive_entry *entry,
                              bool passwordProven) const;
    QString checkedName(struct archive_entry *entry) const;
    PendingFile createFile(const QString &name) const;
    void copyData(struct archive *archive, const QString &name, QSaveFile &file,
                  bool passwordProven) const;
    static void commitAll(const std::vector<PendingFile> &files);

    QString archivePath_;
    QByteArray password_;
    QDir target_;
};

} // namespace quillet
