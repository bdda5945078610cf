// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/archive/ArchiveReader.h"

#include <QFile>
#include <QFileInfo>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// Thrown inside the reader and turned into its outcome by read().
struct Failure {
    ArchiveStatus status;
    QString message;
};

QString LibarchiveError(struct archive *archive)
{
    // Some of libarchive's messages end in a line break; a refusal is one line.
    const char *const text = archive_error_string(archive);
    const QString message = text ? QString::fromLocal8Bit(text).simplified() : QString();
    return message.isEmpty() ? u"unknown error"_s : message;
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

// A refusal is said on one line: a control character (a line break in a member's name
// or in libarchive's message) is shown as "?".
QString OneLine(QString message)
{
    for (QChar &c : message)
        if (c.category() == QChar::Other_Control)
            c = u'?';
    return message;
}

// The archive's members are read in blocks of this size.
constexpr qsizetype ReadBlock = 64 * 1024;

} // namespace

const QByteArray *ArchiveContents::member(QLatin1StringView name) const
{
    const auto found = members.find(QString(name));
    return found == members.end() ? nullptr : &found->second;
}

void ArchiveReader::ArchiveFree::operator()(struct archive *archive) const
{
    archive_read_free(archive);
}

ArchiveReader::ArchiveReader(QString archivePath, QByteArray password, ArchiveLimits limits)
    : archivePath_(std::move(archivePath)), password_(std::move(password)), limits_(limits)
{
}

ArchiveContents ArchiveReader::read(const QStringList &wanted) const
{
    ArchiveContents contents;
    try {
        const ArchivePtr archive = open();
        readAll(archive.get(), wanted, contents);
    } catch (const Failure &failure) {
        contents.members.clear();
        contents.status = failure.status;
        contents.message = OneLine(failure.message);
    }
    return contents;
}

ArchiveReader::ArchivePtr ArchiveReader::open() const
{
    // Tell a missing or unreadable archive apart from one libarchive cannot make sense of.
    const QFileInfo info(archivePath_);
    if (!info.exists())
        throw Failure{ArchiveStatus::Missing, u"%1: no such archive"_s.arg(archivePath_)};
    if (!info.isFile())
        throw Failure{ArchiveStatus::Missing, u"%1: not a file"_s.arg(archivePath_)};
    if (!info.isReadable())
        throw Failure{ArchiveStatus::Missing, u"%1: cannot open: permission denied"_s.arg(archivePath_)};

    ArchivePtr archive(archive_read_new());
    if (!archive)
        throw Failure{ArchiveStatus::Corrupt, u"%1: out of memory"_s.arg(archivePath_)};
    // The seekable reader works from the central directory at the end of the file, so a
    // truncated archive is refused at once rather than read as far as it goes.
    archive_read_support_format_zip_seekable(archive.get());
    archive_read_add_passphrase(archive.get(), password_.constData());
    if (archive_read_open_filename(archive.get(), QFile::encodeName(archivePath_).constData(), ReadBlock)
        != ARCHIVE_OK)
        throw Failure{ArchiveStatus::Corrupt, u"%1: not a ZIP archive, or a damaged one: %2"_s.arg(
                                                  archivePath_, LibarchiveError(archive.get()))};
    return archive;
}

void ArchiveReader::readAll(struct archive *archive, const QStringList &wanted, ArchiveContents &contents) const
{
    struct archive_entry *entry = nullptr;
    int result = ARCHIVE_OK;
    bool passwordProven = false;
    int members = 0;
    qint64 total = 0;
    while ((result = archive_read_next_header(archive, &entry)) == ARCHIVE_OK) {
        if (++members > limits_.members)
            throw Failure{ArchiveStatus::TooLarge, u"%1: more than %2 members"_s.arg(archivePath_).arg(limits_.members)};
        const QString name = checkedName(entry);
        if (!wanted.isEmpty() && !wanted.contains(name)) {
            if (archive_read_data_skip(archive) != ARCHIVE_OK)
                throw Failure{ArchiveStatus::Corrupt,
                              u"%1: damaged archive: %2"_s.arg(archivePath_, LibarchiveError(archive))};
            continue;
        }
        QByteArray data = readMember(archive, entry, name, limits_.totalBytes - total, passwordProven);
        total += data.size();
        passwordProven = passwordProven || archive_entry_is_encrypted(entry);
        contents.members[name] = std::move(data);
    }
    if (result != ARCHIVE_EOF)
        throw Failure{ArchiveStatus::Corrupt, u"%1: damaged archive: %2"_s.arg(archivePath_, LibarchiveError(archive))};
}

QString ArchiveReader::checkedName(struct archive_entry *entry) const
{
    const char *utf8 = archive_entry_pathname_utf8(entry);
    const char *const raw = utf8 ? utf8 : archive_entry_pathname(entry);
    const QString name = utf8 ? QString::fromUtf8(utf8) : QString::fromLocal8Bit(raw);
    const auto refuse = [&](QLatin1StringView cause) {
        return Failure{ArchiveStatus::Corrupt, u"%1: member \"%2\" refused: %3"_s.arg(archivePath_, name, cause)};
    };
    if (!raw || !IsPlainName(name))
        throw refuse("not a plain file name"_L1);
    if (archive_entry_filetype(entry) != AE_IFREG || archive_entry_hardlink(entry) || archive_entry_symlink(entry))
        throw refuse("not a regular file"_L1);
    return name;
}

QByteArray ArchiveReader::readMember(struct archive *archive, struct archive_entry *entry, const QString &name,
                                     qint64 roomLeft, bool passwordProven) const
{
    const qint64 room = std::min(limits_.memberBytes, roomLeft);
    // The size the header gives is a hint for the buffer only: the member is read until
    // it ends, and never more than one byte past the room left, which refuses it.
    const qint64 declared = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : ReadBlock;
    QByteArray data(qsizetype(std::clamp<qint64>(declared, 0, room) + 1), Qt::Uninitialized);
    qint64 read = 0;
    la_ssize_t got = 0;
    for (;;) {
        if (read == data.size())
            data.resize(qsizetype(std::min<qint64>(2 * read, room + 1)));
        got = archive_read_data(archive, data.data() + read, std::size_t(data.size() - read));
        if (got <= 0)
            break;
        read += got;
        if (read > room)
            throw Failure{ArchiveStatus::TooLarge,
                          room == limits_.memberBytes
                              ? u"%1: member \"%2\" unpacks to more than %3 bytes"_s.arg(archivePath_, name)
                                    .arg(limits_.memberBytes)
                              : u"%1: the members unpack to more than %2 bytes"_s.arg(archivePath_)
                                    .arg(limits_.totalBytes)};
    }
    // Any result below zero, a mere warning included, means the member is not whole.
    if (!passwordProven && IsPasswordRejected(archive, got))
        throw Failure{ArchiveStatus::WrongPassword, u"%1: wrong password"_s.arg(archivePath_)};
    if (got < 0)
        throw Failure{ArchiveStatus::Corrupt,
                      u"%1: member \"%2\" is damaged: %3"_s.arg(archivePath_, name, LibarchiveError(archive))};
    data.truncate(qsizetype(read));
    return data;
}

} // namespace quillet
