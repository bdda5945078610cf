// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchiveWriter.h"

#include "PackError.h"
#include "ReproducibleBuild.h"
#include "core/archive/ZipDirectory.h"
#include "core/dictionary/LittleEndian.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QTimeZone>
#include <QDir>
#include <QFileInfo>

#include <zlib.h>

#include <array>

using namespace Qt::StringLiterals;

namespace quillet::pack {

namespace {

constexpr std::uint16_t VersionNeeded = 51; // AES encryption
constexpr std::uint16_t MadeByUnix = (zip::UnixSystem << 8) | 63;
constexpr std::uint16_t Encrypted = 1;
constexpr std::uint16_t AesVersion = 2; // AE-2: no CRC, the authentication code checks the data
constexpr std::uint32_t RegularFileMode = 0100644;
constexpr qint64 MaxZipBytes = 0xFFFFFFFF;

// The members' time in the ZIP's own form (MS-DOS date and time, in UTC).
std::pair<std::uint16_t, std::uint16_t> DosTimeAndDate()
{
    const QDateTime time = QDateTime::fromSecsSinceEpoch(std::max<qint64>(MemberTime(), 315532800), QTimeZone::utc());
    const QDate date = time.date();
    const QTime clock = time.time();
    return {std::uint16_t((clock.hour() << 11) | (clock.minute() << 5) | (clock.second() / 2)),
            std::uint16_t(((std::min(date.year(), 2107) - 1980) << 9) | (date.month() << 5) | date.day())};
}

QByteArray Deflate(QByteArrayView contents)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::bad_alloc();
    QByteArray packed(qsizetype(deflateBound(&stream, uLong(contents.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(contents.data()));
    stream.avail_in = uInt(contents.size());
    stream.next_out = reinterpret_cast<Bytef *>(packed.data());
    stream.avail_out = uInt(packed.size());
    const int result = deflate(&stream, Z_FINISH);
    packed.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        throw std::bad_alloc();
    return packed;
}

// The archive's salt: random, or in a reproducible build derived from its date.
QByteArray Salt()
{
    QByteArray salt(winzip::SaltBytes, Qt::Uninitialized);
    if (const std::optional<qint64> epoch = SourceDateEpoch())
        salt = ReproducibleBytes(*epoch, winzip::SaltBytes);
    else
        QRandomGenerator::system()->generate(salt.begin(), salt.end());
    return salt;
}

} // namespace

ArchiveWriter::ArchiveWriter(const QString &path, const QByteArray &password)
    : file_(path), salt_(Salt()), keys_(winzip::DeriveKeys(password.toStdString(), salt_.toStdString()))
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!file_.open(QIODevice::WriteOnly))
        throw PackError(u"%1: cannot write: %2"_s.arg(path, file_.errorString()));
}

void ArchiveWriter::add(QLatin1StringView name, QByteArrayView contents, Packing packing)
{
    const bool stored = packing == Packing::Stored;
    QByteArray data = salt_;
    data.append(reinterpret_cast<const char *>(keys_.check().data()), winzip::CheckBytes);
    data += stored ? contents.toByteArray() : Deflate(contents);
    auto *const encrypted = reinterpret_cast<std::uint8_t *>(data.data()) + winzip::SaltBytes + winzip::CheckBytes;
    const std::size_t encryptedBytes = std::size_t(data.size()) - winzip::SaltBytes - winzip::CheckBytes;
    winzip::CounterMode(keys_).apply(encrypted, encryptedBytes);
    winzip::Authenticator authenticator(keys_);
    authenticator.add(std::string_view(reinterpret_cast<const char *>(encrypted), encryptedBytes));
    const std::array<std::uint8_t, winzip::AuthBytes> code = authenticator.code();
    data.append(reinterpret_cast<const char *>(code.data()), code.size());
    if (contents.size() > MaxZipBytes || offset_ + data.size() > MaxZipBytes || members_ == 0xFFFF)
        throw PackError(u"%1: cannot add %2: the archive would be too large"_s.arg(file_.fileName(), name));

    QByteArray aes;
    le::Append<std::uint16_t>(aes, winzip::ExtraId);
    le::Append<std::uint16_t>(aes, 7);
    le::Append<std::uint16_t>(aes, AesVersion);
    aes += "AE";
    aes += char(winzip::Aes256Strength);
    le::Append<std::uint16_t>(aes, stored ? zip::Stored : zip::Deflated);

    // What the local header and the directory's record have alike, from the version needed on.
    const auto [time, date] = DosTimeAndDate();
    QByteArray common;
    le::Append<std::uint16_t>(common, VersionNeeded);
    le::Append<std::uint16_t>(common, Encrypted);
    le::Append<std::uint16_t>(common, winzip::Method);
    le::Append<std::uint16_t>(common, time);
    le::Append<std::uint16_t>(common, date);
    le::Append<std::uint32_t>(common, 0); // AE-2 stores no CRC
    le::Append<std::uint32_t>(common, std::uint32_t(data.size()));
    le::Append<std::uint32_t>(common, std::uint32_t(contents.size()));
    le::Append<std::uint16_t>(common, std::uint16_t(name.size()));
    le::Append<std::uint16_t>(common, std::uint16_t(aes.size()));

    QByteArray local;
    le::Append<std::uint32_t>(local, zip::LocalSignature);
    local += common;
    local.append(name.data(), name.size());
    local += aes;
    write(local);

    le::Append<std::uint32_t>(directory_, zip::EntrySignature);
    le::Append<std::uint16_t>(directory_, MadeByUnix);
    directory_ += common;
    le::Append<std::uint16_t>(directory_, 0); // comment
    le::Append<std::uint16_t>(directory_, 0); // disk
    le::Append<std::uint16_t>(directory_, 0); // internal attributes
    le::Append<std::uint32_t>(directory_, RegularFileMode << 16);
    le::Append<std::uint32_t>(directory_, std::uint32_t(offset_));
    directory_.append(name.data(), name.size());
    directory_ += aes;
    offset_ += local.size();
    write(data);
    offset_ += data.size();
    ++members_;
}

void ArchiveWriter::commit()
{
    QByteArray end;
    le::Append<std::uint32_t>(end, zip::EndSignature);
    le::Append<std::uint16_t>(end, 0);
    le::Append<std::uint16_t>(end, 0);
    le::Append<std::uint16_t>(end, std::uint16_t(members_));
    le::Append<std::uint16_t>(end, std::uint16_t(members_));
    le::Append<std::uint32_t>(end, std::uint32_t(directory_.size()));
    le::Append<std::uint32_t>(end, std::uint32_t(offset_));
    le::Append<std::uint16_t>(end, 0);
    write(directory_ + end);
    if (!file_.commit())
        throw PackError(u"%1: cannot write: %2"_s.arg(file_.fileName(), file_.errorString()));
}

void ArchiveWriter::write(QByteArrayView bytes)
{
    if (file_.write(bytes.data(), bytes.size()) != bytes.size())
        throw PackError(u"%1: cannot write: %2"_s.arg(file_.fileName(), file_.errorString()));
}

} // namespace quillet::pack
