// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/archive/ArchiveReader.h"

#include "core/archive/WinZipAes.h"
#include "core/archive/ZipDirectory.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QtEndian>

#include <nettle/memops.h>
#include <zlib.h>

#include <algorithm>
#include <mutex>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// Thrown inside the reader and turned into its outcome by read().
struct Failure {
    ArchiveStatus status;
    QString message;
};

using zip::Deflated;
using zip::Stored;
// The pieces a member is decrypted and inflated in.
constexpr qsizetype Piece = 64 * 1024;
// The most derived keys kept for later reads.
constexpr std::size_t MaxKeptKeys = 16;

bool IsPlainName(const QString &name)
{
    const auto isControl = [](QChar c) { return c.category() == QChar::Other_Control; };
    return !name.isEmpty() && name != "."_L1 && name != ".."_L1 && !name.contains(u'/')
        && !name.contains(u'\\') && std::none_of(name.cbegin(), name.cend(), isControl);
}

// A refusal is said on one line: a control character (a line break in a member's name)
// is shown as "?".
QString OneLine(QString message)
{
    for (QChar &c : message)
        if (c.category() == QChar::Other_Control)
            c = u'?';
    return message;
}

QString NameOf(const zip::Entry &entry)
{
    return entry.utf8Name || entry.name.isValidUtf8() ? QString::fromUtf8(entry.name)
                                                       : QString::fromLatin1(entry.name);
}

// The member's compressed bytes flow through inflate (or are taken as they are) into a
// buffer of the size its header gives, never past it.
class Unpacker {
public:
    Unpacker(std::uint16_t method, qsizetype size) : method_(method), out_(size + 1, Qt::Uninitialized)
    {
        if (method_ == Deflated && inflateInit2(&stream_, -MAX_WBITS) != Z_OK)
            throw std::bad_alloc();
    }
    ~Unpacker()
    {
        if (method_ == Deflated)
            inflateEnd(&stream_);
    }
    Unpacker(const Unpacker &) = delete;
    Unpacker &operator=(const Unpacker &) = delete;

    // False when the data is damaged or unpacks past the size.
    bool add(QByteArrayView packed)
    {
        if (method_ == Stored) {
            if (packed.size() > out_.size() - written_)
                return false;
            std::copy(packed.begin(), packed.end(), out_.begin() + written_);
            written_ += packed.size();
            return true;
        }
        stream_.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
        stream_.avail_in = uInt(packed.size());
        stream_.next_out = reinterpret_cast<Bytef *>(out_.data() + written_);
        stream_.avail_out = uInt(out_.size() - written_);
        const int result = inflate(&stream_, Z_NO_FLUSH);
        written_ = out_.size() - qsizetype(stream_.avail_out);
        ended_ = result == Z_STREAM_END;
        return (result == Z_OK || ended_) && (stream_.avail_in == 0 || ended_) && written_ < out_.size();
    }
    // The bytes, when they came to the size exactly and the compressed stream ended.
    std::optional<QByteArray> take()
    {
        if (written_ != out_.size() - 1 || (method_ == Deflated && !ended_))
            return std::nullopt;
        out_.truncate(written_);
        return std::move(out_);
    }

private:
    std::uint16_t method_;
    QByteArray out_;
    qsizetype written_ = 0;
    z_stream stream_{};
    bool ended_ = false;
};

// One read of the archive: its file mapped, the keys derived for each salt kept.
class Reading {
public:
    Reading(const QString &path, const QByteArray &password, const ArchiveLimits &limits)
        : path_(path), password_(password), limits_(limits), file_(path)
    {
    }

    void run(const QStringList &wanted, ArchiveContents &contents)
    {
        const QByteArrayView bytes = map();
        QString problem;
        const std::optional<std::vector<zip::Entry>> entries = zip::ReadDirectory(bytes, problem);
        if (!entries)
            throw Failure{ArchiveStatus::Corrupt, u"%1: not a ZIP archive, or a damaged one: %2"_s.arg(path_, problem)};
        if (qsizetype(entries->size()) > limits_.members)
            throw Failure{ArchiveStatus::TooLarge, u"%1: more than %2 members"_s.arg(path_).arg(limits_.members)};
        std::vector<std::pair<QString, const zip::Entry *>> chosen;
        const QSet<QString> wantedNames(wanted.begin(), wanted.end());
        for (const zip::Entry &entry : *entries) {
            const QString name = checkedName(entry);
            if (wanted.isEmpty() || wantedNames.contains(name))
                chosen.emplace_back(name, &entry);
        }
        qint64 total = 0;
        for (const auto &[name, entry] : chosen) {
            QByteArray data = member(bytes, *entry, name, limits_.totalBytes - total);
            total += data.size();
            contents.members[name] = std::move(data);
        }
    }

private:
    QByteArrayView map()
    {
        const QFileInfo info(path_);
        if (!info.exists())
            throw Failure{ArchiveStatus::Missing, u"%1: no such archive"_s.arg(path_)};
        if (!info.isFile())
            throw Failure{ArchiveStatus::Missing, u"%1: not a file"_s.arg(path_)};
        if (!file_.open(QIODevice::ReadOnly))
            throw Failure{ArchiveStatus::Missing, u"%1: cannot open: %2"_s.arg(path_, file_.errorString())};
        if (file_.size() == 0)
            return {};
        const uchar *const mapped = file_.map(0, file_.size());
        if (mapped == nullptr)
            throw Failure{ArchiveStatus::Missing, u"%1: cannot read: %2"_s.arg(path_, file_.errorString())};
        return {reinterpret_cast<const char *>(mapped), qsizetype(file_.size())};
    }

    QString checkedName(const zip::Entry &entry) const
    {
        const QString name = NameOf(entry);
        const auto refuse = [&](QLatin1StringView cause) {
            return Failure{ArchiveStatus::Corrupt, u"%1: member \"%2\" refused: %3"_s.arg(path_, name, cause)};
        };
        if (!IsPlainName(name))
            throw refuse("not a plain file name"_L1);
        if (entry.isSpecialFile())
            throw refuse("not a regular file"_L1);
        return name;
    }

    Failure damaged(const QString &name, const QString &cause) const
    {
        return Failure{ArchiveStatus::Corrupt, u"%1: member \"%2\" is damaged: %3"_s.arg(path_, name, cause)};
    }

    QByteArray member(QByteArrayView file, const zip::Entry &entry, const QString &name, qint64 roomLeft)
    {
        const qint64 room = std::min(limits_.memberBytes, roomLeft);
        if (entry.size > room)
            throw Failure{ArchiveStatus::TooLarge,
                          room == limits_.memberBytes
                              ? u"%1: member \"%2\" unpacks to more than %3 bytes"_s.arg(path_, name)
                                    .arg(limits_.memberBytes)
                              : u"%1: the members unpack to more than %2 bytes"_s.arg(path_).arg(limits_.totalBytes)};
        QString problem;
        const std::optional<QByteArrayView> stored = zip::StoredData(file, entry, problem);
        if (!stored)
            throw damaged(name, problem);
        if (!entry.encrypted())
            return checkedCrc(unpacked(entry.method, entry.size, *stored, name), entry, name);
        return decrypted(entry, *stored, name);
    }

    QByteArray unpacked(std::uint16_t method, qsizetype size, QByteArrayView packed, const QString &name) const
    {
        if (method != Stored && method != Deflated)
            throw damaged(name, u"compression method %1 is not supported"_s.arg(method));
        Unpacker unpacker(method, size);
        std::optional<QByteArray> data;
        if (!unpacker.add(packed) || !(data = unpacker.take()))
            throw damaged(name, u"it does not unpack to the size its header gives"_s);
        return *data;
    }

    QByteArray checkedCrc(QByteArray data, const zip::Entry &entry, const QString &name) const
    {
        const uLong crc = crc32(0, reinterpret_cast<const Bytef *>(data.constData()), uInt(data.size()));
        if (crc != entry.crc)
            throw damaged(name, u"CRC mismatch"_s);
        return data;
    }

    QByteArray decrypted(const zip::Entry &entry, QByteArrayView stored, const QString &name)
    {
        const std::optional<QByteArrayView> aes = entry.extraField(winzip::ExtraId);
        if (entry.method != winzip::Method || !aes || aes->size() < 7 || aes->at(4) != winzip::Aes256Strength)
            throw damaged(name, u"the encryption is not WinZip AES-256"_s);
        if (stored.size() < qsizetype(winzip::OverheadBytes))
            throw damaged(name, u"it is too short"_s);
        const auto *raw = reinterpret_cast<const std::uint8_t *>(stored.data());
        const winzip::Keys keys = keysFor(stored.first(winzip::SaltBytes));
        if (!memeql_sec(keys.check.data(), raw + winzip::SaltBytes, winzip::CheckBytes)) {
            // Damage to the check looks the same as a wrong password, but once a member
            // was read, the password is known to be right.
            if (!passwordProven_)
                throw Failure{ArchiveStatus::WrongPassword, u"%1: wrong password"_s.arg(path_)};
            throw damaged(name, u"its password check does not match"_s);
        }
        const QByteArrayView encrypted =
            stored.sliced(winzip::SaltBytes + winzip::CheckBytes, stored.size() - qsizetype(winzip::OverheadBytes));
        winzip::Authenticator authenticator(keys);
        authenticator.add(encrypted);
        if (!memeql_sec(authenticator.code().data(), raw + stored.size() - winzip::AuthBytes, winzip::AuthBytes))
            throw damaged(name, u"bad authentication code"_s);
        passwordProven_ = true;

        const std::uint16_t method = qFromLittleEndian<std::uint16_t>(aes->data() + 5);
        const bool withCrc = qFromLittleEndian<std::uint16_t>(aes->data()) == 1; // AE-1
        return withCrc ? checkedCrc(decryptedAndUnpacked(keys, method, entry.size, encrypted, name), entry, name)
                       : decryptedAndUnpacked(keys, method, entry.size, encrypted, name);
    }

    QByteArray decryptedAndUnpacked(const winzip::Keys &keys, std::uint16_t method, qsizetype size,
                                    QByteArrayView encrypted, const QString &name) const
    {
        if (method != Stored && method != Deflated)
            throw damaged(name, u"compression method %1 is not supported"_s.arg(method));
        winzip::CounterMode cipher(keys);
        Unpacker unpacker(method, size);
        QByteArray piece(Piece, Qt::Uninitialized);
        bool whole = true;
        for (qsizetype at = 0; whole && at < encrypted.size(); at += Piece) {
            const QByteArrayView part = encrypted.sliced(at, std::min(Piece, encrypted.size() - at));
            std::copy(part.begin(), part.end(), piece.begin());
            cipher.apply(reinterpret_cast<std::uint8_t *>(piece.data()), std::size_t(part.size()));
            whole = unpacker.add(QByteArrayView(piece).first(part.size()));
        }
        std::optional<QByteArray> data;
        if (!whole || !(data = unpacker.take()))
            throw damaged(name, u"it does not unpack to the size its header gives"_s);
        return *data;
    }

    // The keys of the salt: the packer gives every member of an archive the same one, so
    // one derivation serves all members, in every read of this process (the forms are
    // read on another thread while the dictionary loads).
    winzip::Keys keysFor(QByteArrayView salt) const
    {
        static std::mutex guard;
        static std::map<QByteArray, winzip::Keys> derived;
        const std::lock_guard lock(guard);
        const QByteArray key = password_ + '\0' + salt.toByteArray();
        if (const auto found = derived.find(key); found != derived.end())
            return found->second;
        if (derived.size() >= MaxKeptKeys) // a hostile archive with a salt for each member
            derived.clear();
        return derived.emplace(key, winzip::DeriveKeys(password_, salt)).first->second;
    }

    const QString &path_;
    const QByteArray &password_;
    const ArchiveLimits &limits_;
    QFile file_;
    bool passwordProven_ = false;
};

} // namespace

const QByteArray *ArchiveContents::member(QLatin1StringView name) const
{
    const auto found = members.find(QString(name));
    return found == members.end() ? nullptr : &found->second;
}

ArchiveReader::ArchiveReader(QString archivePath, QByteArray password, ArchiveLimits limits)
    : archivePath_(std::move(archivePath)), password_(std::move(password)), limits_(limits)
{
}

ArchiveContents ArchiveReader::read(const QStringList &wanted) const
{
    ArchiveContents contents;
    try {
        Reading(archivePath_, password_, limits_).run(wanted, contents);
    } catch (const Failure &failure) {
        contents.members.clear();
        contents.status = failure.status;
        contents.message = OneLine(failure.message);
    }
    return contents;
}

} // namespace quillet
