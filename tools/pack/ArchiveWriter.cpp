// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchiveWriter.h"

#include "PackError.h"
#include "ReproducibleBuild.h"

#include <QDir>
#include <QFileInfo>

#include <archive.h>
#include <archive_entry.h>

using namespace Qt::StringLiterals;

namespace quillet::pack {

namespace {

struct EntryFree {
    void operator()(struct archive_entry *entry) const { archive_entry_free(entry); }
};
using EntryPtr = std::unique_ptr<struct archive_entry, EntryFree>;

// libarchive's sink: everything it produces goes into the save file.
la_ssize_t WriteToFile(struct archive *archive, void *client, const void *buffer, size_t length)
{
    auto *file = static_cast<QSaveFile *>(client);
    const qint64 written = file->write(static_cast<const char *>(buffer), qint64(length));
    if (written != qint64(length)) {
        archive_set_error(archive, -1, "%s", file->errorString().toLocal8Bit().constData());
        return -1;
    }
    return written;
}

} // namespace

void ArchiveWriter::ArchiveFree::operator()(struct archive *archive) const
{
    archive_write_free(archive);
}

ArchiveWriter::ArchiveWriter(const QString &path, const QByteArray &password)
    : file_(path), archive_(archive_write_new())
{
    if (!archive_)
        fail(u"cannot start the archive"_s);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!file_.open(QIODevice::WriteOnly))
        throw PackError(u"%1: cannot write: %2"_s.arg(path, file_.errorString()));

    struct archive *const a = archive_.get();
    if (archive_write_set_format_zip(a) != ARCHIVE_OK
        || archive_write_set_options(a, "zip:encryption=aes256") != ARCHIVE_OK
        || archive_write_set_passphrase(a, password.constData()) != ARCHIVE_OK
        || archive_write_set_bytes_in_last_block(a, 1) != ARCHIVE_OK
        || archive_write_open2(a, &file_, nullptr, WriteToFile, nullptr, nullptr) != ARCHIVE_OK)
        fail(u"cannot start the archive"_s);
}

void ArchiveWriter::add(QLatin1StringView name, QByteArrayView contents)
{
    const EntryPtr entry(archive_entry_new());
    if (!entry)
        fail(u"cannot add %1"_s.arg(name));
    archive_entry_set_pathname(entry.get(), QByteArray(name.data(), name.size()).constData());
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_size(entry.get(), contents.size());
    archive_entry_set_mtime(entry.get(), MemberTime(), 0);

    struct archive *const a = archive_.get();
    if (archive_write_header(a, entry.get()) != ARCHIVE_OK)
        fail(u"cannot add %1"_s.arg(name));
    while (!contents.isEmpty()) {
        const la_ssize_t written = archive_write_data(a, contents.data(), size_t(contents.size()));
        if (written <= 0)
            fail(u"cannot write %1"_s.arg(name));
        contents = contents.sliced(written);
    }
    if (archive_write_finish_entry(a) != ARCHIVE_OK)
        fail(u"cannot finish %1"_s.arg(name));
}

void ArchiveWriter::commit()
{
    if (archive_write_close(archive_.get()) != ARCHIVE_OK)
        fail(u"cannot finish the archive"_s);
    if (!file_.commit())
        throw PackError(u"%1: cannot write: %2"_s.arg(file_.fileName(), file_.errorString()));
}

void ArchiveWriter::fail(const QString &what) const
{
    const char *const reason = archive_ ? archive_error_string(archive_.get()) : nullptr;
    throw PackError(u"%1: %2: %3"_s.arg(file_.fileName(), what,
                                         reason ? QString::fromLocal8Bit(reason) : u"out of memory"_s));
}

} // namespace quillet::pack
