// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchiveExtractor.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// Thrown inside the extractor and turned into its outcome by run().
struct Failure {
    ExtractorStatus status;
    QString message;
};

QString LibarchiveError(struct archive *archive)
{
    const char *const text = archive_error_string(archive);
    return text ? QString::fromLocal8Bit(text) : u"unknown error"_s;
}

// libarchive says ARCHIVE_FAILED with "Incorrect passphrase" (or, with no password at
// all, "Passphrase required for this entry") when the password check stored in an
// encrypted member's header does not match; damaged data fails differently, with "ZIP
// bad Authentication code", a decompression error or a CRC error. The check is two bytes
// beside the member's salt, so damage to those bytes looks the same as a wrong password;
// the caller tells them apart when an earlier member already proved the password right.
// One wrong password in 65536 passes the check and then shows up as damage.
bool IsPasswordRejected(struct archive *archive, la_ssize_t result)
{
    return result == ARCHIVE_FAILED && LibarchiveError(archive).contains(u"passphrase"_s, Qt::CaseInsensitive);
}

bool IsPlainName(const QString &name)
{
    const auto isControl = [](QChar c) { return c.category() == QChar::Other_Control; };
    return !name.isEmpty() && name != "."_L1 && name != ".."_L1 && !name.contains(u'/')
        && !name.contains(u'\\') && std::none_of(name.cbegin(), name.cend(), isControl);
}

} // namespace

// The members read so far, each in a closed temporary file of the target folder under a
// hidden name of this process's own. They take their real names together in commit(); whatever was not
// committed is removed when this goes, so a failure leaves nothing behind.
class ArchiveExtractor::StagedFiles {
public:
    explicit StagedFiles(const QDir &target) : target_(target) {}
    StagedFiles(const StagedFiles &) = delete;
    StagedFiles &operator=(const StagedFiles &) = delete;
    ~StagedFiles()
    {
        for (const Staged &file : files_) {
            if (!file.committed)
                QFile::remove(file.temporaryPath);
        }
    }

    // A new empty temporary file for the member, open for writing; the caller closes it.
    std::unique_ptr<QFile> create(const QString &name)
    {
        const QString temporary = target_.filePath(u".quillet-extract-%1-%2"_s
                                                       .arg(QCoreApplication::applicationPid())
                                                       .arg(files_.size()));
        auto file = std::make_unique<QFile>(temporary);
        if (!file->open(QIODevice::WriteOnly | QIODevice::NewOnly))
            throw Failure{ExtractorStatus::WriteFailed, u"%1: cannot write: %2"_s.arg(name, file->errorString())};
        files_.push_back({temporary, target_.filePath(name), false});
        return file;
    }

    void commit()
    {
        for (Staged &file : files_) {
            // rename() replaces a file of the real name in one step.
            if (std::rename(QFile::encodeName(file.temporaryPath).constData(),
                            QFile::encodeName(file.finalPath).constData())
                != 0)
                throw Failure{ExtractorStatus::WriteFailed,
                              u"%1: cannot write: %2"_s.arg(QFileInfo(file.finalPath).fileName(),
                                                            QString::fromLocal8Bit(std::strerror(errno)))};
            file.committed = true;
        }
    }

private:
    struct Staged {
        QString temporaryPath;
        QString finalPath;
        bool committed;
    };
    QDir target_;
    std::vector<Staged> files_;
};

void ArchiveExtractor::ArchiveFree::operator()(struct archive *archive) const
{
    archive_read_free(archive);
}

ArchiveExtractor::ArchiveExtractor(QString archivePath, QByteArray password, QDir target, ExtractionLimits limits)
    : archivePath_(std::move(archivePath)), password_(std::move(password)), target_(std::move(target)),
      limits_(limits)
{
}

ArchiveExtractor::Outcome ArchiveExtractor::run() const
{
    try {
        const ArchivePtr archive = open();
        StagedFiles staged(target_);
        extractAll(archive.get(), staged);
        staged.commit();
        return {};
    } catch (const Failure &failure) {
        return {failure.status, failure.message};
    }
}

ArchiveExtractor::ArchivePtr ArchiveExtractor::open() const
{
    // Tell a missing or unreadable archive apart from one libarchive cannot make sense of.
    const QFileInfo info(archivePath_);
    if (!info.exists())
        throw Failure{ExtractorStatus::ArchiveMissing, u"%1: no such archive"_s.arg(archivePath_)};
    if (!info.isFile())
        throw Failure{ExtractorStatus::ArchiveMissing, u"%1: not a file"_s.arg(archivePath_)};
    QFile probe(archivePath_);
    if (!probe.open(QIODevice::ReadOnly))
        throw Failure{ExtractorStatus::ArchiveMissing,
                      u"%1: cannot open: %2"_s.arg(archivePath_, probe.errorString())};

    ArchivePtr archive(archive_read_new());
    if (!archive)
        throw Failure{ExtractorStatus::CorruptArchive, u"%1: out of memory"_s.arg(archivePath_)};
    // The seekable reader works from the central directory at the end of the file, so a
    // truncated archive is refused at once rather than read as far as it goes.
    archive_read_support_format_zip_seekable(archive.get());
    archive_read_add_passphrase(archive.get(), password_.constData());
    if (archive_read_open_filename(archive.get(), QFile::encodeName(archivePath_).constData(), 64 * 1024)
        != ARCHIVE_OK)
        throw Failure{ExtractorStatus::CorruptArchive,
                      u"%1: not a ZIP archive, or a damaged one: %2"_s.arg(archivePath_,
                                                                           LibarchiveError(archive.get()))};
    return archive;
}

void ArchiveExtractor::extractAll(struct archive *archive, StagedFiles &staged) const
{
    struct archive_entry *entry = nullptr;
    int result = ARCHIVE_OK;
    bool passwordProven = false;
    int members = 0;
    qint64 total = 0;
    while ((result = archive_read_next_header(archive, &entry)) == ARCHIVE_OK) {
        if (++members > limits_.members)
            throw Failure{ExtractorStatus::TooLarge,
                          u"%1: more than %2 members"_s.arg(archivePath_).arg(limits_.members)};
        const QString name = checkedName(entry);
        if (!wanted_.isEmpty() && !wanted_.contains(name)) {
            if (archive_read_data_skip(archive) != ARCHIVE_OK)
                throw Failure{ExtractorStatus::CorruptArchive,
                              u"%1: damaged archive: %2"_s.arg(archivePath_, LibarchiveError(archive))};
            continue;
        }
        checkTarget(name);
        total += copyData(archive, name, staged, limits_.totalBytes - total, passwordProven);
        passwordProven = passwordProven || archive_entry_is_encrypted(entry);
    }
    if (result != ARCHIVE_EOF)
        throw Failure{ExtractorStatus::CorruptArchive,
                      u"%1: damaged archive: %2"_s.arg(archivePath_, LibarchiveError(archive))};
}

QString ArchiveExtractor::checkedName(struct archive_entry *entry) const
{
    const char *utf8 = archive_entry_pathname_utf8(entry);
    const char *const raw = utf8 ? utf8 : archive_entry_pathname(entry);
    const QString name = utf8 ? QString::fromUtf8(utf8) : QString::fromLocal8Bit(raw);
    const auto refuse = [&](QLatin1StringView cause) {
        return Failure{ExtractorStatus::CorruptArchive,
                       u"%1: member \"%2\" refused: %3"_s.arg(archivePath_, name, cause)};
    };
    if (!raw || !IsPlainName(name))
        throw refuse("not a plain file name"_L1);
    if (archive_entry_filetype(entry) != AE_IFREG || archive_entry_hardlink(entry)
        || archive_entry_symlink(entry))
        throw refuse("not a regular file"_L1);
    return name;
}

void ArchiveExtractor::checkTarget(const QString &name) const
{
    const QFileInfo existing(target_.filePath(name));
    // Only a regular file is ever replaced; a link of that name would lead elsewhere.
    if (existing.isSymLink() || (existing.exists() && !existing.isFile()))
        throw Failure{ExtractorStatus::WriteFailed,
                      u"%1: cannot write: exists and is not a regular file"_s.arg(name)};
}

qint64 ArchiveExtractor::copyData(struct archive *archive, const QString &name, StagedFiles &staged,
                                  qint64 roomLeft, bool passwordProven) const
{
    const std::unique_ptr<QFile> file = staged.create(name);
    const qint64 room = std::min(limits_.memberBytes, roomLeft);
    std::array<char, 64 * 1024> buffer{};
    qint64 written = 0;
    la_ssize_t read = 0;
    while ((read = archive_read_data(archive, buffer.data(), buffer.size())) > 0) {
        // Nothing beyond the limit reaches the disk.
        if (written + read > room)
            throw Failure{ExtractorStatus::TooLarge, room == limits_.memberBytes
                              ? u"%1: member \"%2\" unpacks to more than %3 bytes"_s.arg(archivePath_, name)
                                    .arg(limits_.memberBytes)
                              : u"%1: the members unpack to more than %2 bytes"_s.arg(archivePath_)
                                    .arg(limits_.totalBytes)};
        if (file->write(buffer.data(), read) != read)
            throw Failure{ExtractorStatus::WriteFailed, u"%1: cannot write: %2"_s.arg(name, file->errorString())};
        written += read;
    }
    // Any result below zero, a mere warning included, means the member is not whole.
    if (!passwordProven && IsPasswordRejected(archive, read))
        throw Failure{ExtractorStatus::WrongPassword, u"%1: wrong password"_s.arg(archivePath_)};
    if (read < 0)
        throw Failure{ExtractorStatus::CorruptArchive,
                      u"%1: member \"%2\" is damaged: %3"_s.arg(archivePath_, name, LibarchiveError(archive))};
    if (!file->flush())
        throw Failure{ExtractorStatus::WriteFailed, u"%1: cannot write: %2"_s.arg(name, file->errorString())};
    file->close();
    return written;
}

} // namespace quillet
