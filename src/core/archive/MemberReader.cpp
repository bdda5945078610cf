// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/archive/MemberReader.h"

#include "core/archive/WinZipAes.h"

#include <nettle/memops.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <map>
#include <mutex>
#include <new>

namespace quillet::plain {

namespace {

using zip::Deflated;
using zip::Stored;
// The pieces an encrypted, compressed member is decrypted in before it is inflated.
constexpr std::size_t Piece = 16 * 1024;
// The most derived keys kept for later reads.
constexpr std::size_t MaxKeptKeys = 16;

// The length of the well-formed UTF-8 sequence at the front of `bytes`; 0 when it is none.
std::size_t Utf8SequenceAt(std::string_view bytes)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4                                   ? 4
                                                                                                : 0;
    if (length == 0 || bytes.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    const unsigned char second = byte(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90)
        || (lead == 0xF4 && second > 0x8F))
        return 0; // overlong, a surrogate, or past U+10FFFF
    return length;
}

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = Utf8SequenceAt(bytes.substr(at));
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

void AppendCodePoint(std::string &out, unsigned code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

// A member's name as text: UTF-8 when it says so or is so (a byte that is no UTF-8 then
// shown as U+FFFD), else the old PC code page's ASCII-compatible Latin-1 reading.
std::string NameOf(const zip::Entry &entry)
{
    const bool utf8 = entry.utf8Name || IsValidUtf8(entry.name);
    std::string name;
    name.reserve(entry.name.size());
    for (std::size_t at = 0; at < entry.name.size();) {
        const std::size_t length = utf8 ? Utf8SequenceAt(entry.name.substr(at)) : 1;
        if (length == 0)
            AppendCodePoint(name, 0xFFFD);
        else if (utf8)
            name.append(entry.name.substr(at, length));
        else
            AppendCodePoint(name, static_cast<unsigned char>(entry.name[at]));
        at += std::max<std::size_t>(length, 1);
    }
    return name;
}

// The length of a control character (C0, DEL or C1) at the front of UTF-8 text; 0 when
// there is none.
std::size_t ControlAt(std::string_view text)
{
    const auto c = static_cast<unsigned char>(text[0]);
    if (c < 0x20 || c == 0x7F)
        return 1;
    if (c == 0xC2 && text.size() > 1 && static_cast<unsigned char>(text[1]) >= 0x80
        && static_cast<unsigned char>(text[1]) <= 0x9F)
        return 2;
    return 0;
}

bool HasControl(std::string_view text)
{
    for (std::size_t at = 0; at < text.size(); ++at)
        if (ControlAt(text.substr(at)) != 0)
            return true;
    return false;
}

bool IsPlainName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string_view::npos
        && !HasControl(name);
}

// A refusal is said on one line: a control character (a line break in a member's name)
// is shown as "?".
std::string OneLine(std::string_view message)
{
    std::string line;
    line.reserve(message.size());
    for (std::size_t at = 0; at < message.size();) {
        const std::size_t control = ControlAt(message.substr(at));
        line += control != 0 ? '?' : message[at];
        at += std::max<std::size_t>(control, 1);
    }
    return line;
}

std::string Quoted(std::string_view name)
{
    return "\"" + std::string(name) + "\"";
}

// The member's compressed bytes flow through inflate (or are copied as they are) into
// room for the size its header gives and one byte more, never past it.
class Unpacker {
public:
    Unpacker(std::uint16_t method, char *out, std::size_t size) : method_(method), out_(out), room_(size + 1)
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
    bool add(std::string_view packed)
    {
        if (method_ == Stored) {
            if (packed.size() > room_ - written_)
                return false;
            std::copy(packed.begin(), packed.end(), out_ + written_);
            written_ += packed.size();
            return true;
        }
        stream_.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
        stream_.avail_in = uInt(packed.size());
        stream_.next_out = reinterpret_cast<Bytef *>(out_ + written_);
        stream_.avail_out = uInt(room_ - written_);
        const int result = inflate(&stream_, Z_NO_FLUSH);
        written_ = room_ - stream_.avail_out;
        ended_ = result == Z_STREAM_END;
        return (result == Z_OK || ended_) && (stream_.avail_in == 0 || ended_) && written_ < room_;
    }
    // Whether the bytes came to the size exactly and the compressed stream ended.
    bool whole() const { return written_ == room_ - 1 && (method_ != Deflated || ended_); }

private:
    std::uint16_t method_;
    char *out_;
    std::size_t room_;
    std::size_t written_ = 0;
    z_stream stream_{};
    bool ended_ = false;
};

// The keys of the salt: the packer gives every member of an archive the same one, so
// one derivation serves all members, in every read of this process (the forms may be
// read on another thread while the dictionary loads).
winzip::Keys KeysFor(std::string_view password, std::string_view salt)
{
    static std::mutex guard;
    static std::map<std::string, winzip::Keys, std::less<>> derived;
    const std::lock_guard lock(guard);
    std::string key(password);
    key += '\0';
    key += salt;
    if (const auto found = derived.find(key); found != derived.end())
        return found->second;
    if (derived.size() >= MaxKeptKeys) // a hostile archive with a salt for each member
        derived.clear();
    return derived.emplace(std::move(key), winzip::DeriveKeys(password, salt)).first->second;
}

std::uint16_t Le16(std::string_view bytes, std::size_t at)
{
    return std::uint16_t(static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

const std::uint8_t *Bytes(std::string_view bytes)
{
    return reinterpret_cast<const std::uint8_t *>(bytes.data());
}

// One member's read: each step either goes on or says why it cannot.
struct Refusal {
    ArchiveStatus status;
    std::string message;
};

class MemberRead {
public:
    MemberRead(const std::string &path, std::string_view name, const MemberReader::Storage &storage)
        : path_(path), name_(name), storage_(storage)
    {
    }

    Refusal damaged(std::string_view cause) const
    {
        return {ArchiveStatus::Corrupt, path_ + ": member " + Quoted(name_) + " is damaged: " + std::string(cause)};
    }
    Refusal unsupported(std::uint16_t method) const
    {
        return damaged("compression method " + std::to_string(method) + " is not supported");
    }

    // The plain member's bytes, checked against its CRC.
    void plain(const zip::Entry &entry, std::string_view stored)
    {
        if (entry.method != Stored && entry.method != Deflated)
            throw unsupported(entry.method);
        Unpacker unpacker(entry.method, out(entry.size), entry.size);
        if (!unpacker.add(stored) || !unpacker.whole())
            throw damaged("it does not unpack to the size its header gives");
        checkCrc(entry);
    }

    // The encrypted member's bytes: authenticated, then decrypted and unpacked in one pass.
    void encrypted(const zip::Entry &entry, std::string_view stored, std::string_view password, bool &passwordProven)
    {
        const std::optional<std::string_view> aes = entry.extraField(winzip::ExtraId);
        if (entry.method != winzip::Method || !aes || aes->size() < 7
            || static_cast<unsigned char>((*aes)[4]) != winzip::Aes256Strength)
            throw damaged("the encryption is not WinZip AES-256");
        if (stored.size() < winzip::OverheadBytes)
            throw damaged("it is too short");
        const winzip::Keys keys = KeysFor(password, stored.substr(0, winzip::SaltBytes));
        if (!memeql_sec(keys.check.data(), Bytes(stored) + winzip::SaltBytes, winzip::CheckBytes)) {
            // Damage to the check looks the same as a wrong password, but once a member
            // was read, the password is known to be right.
            if (!passwordProven)
                throw Refusal{ArchiveStatus::WrongPassword, path_ + ": wrong password"};
            throw damaged("its password check does not match");
        }
        const std::string_view sealed =
            stored.substr(winzip::SaltBytes + winzip::CheckBytes, stored.size() - winzip::OverheadBytes);
        winzip::Authenticator authenticator(keys);
        authenticator.add(sealed);
        if (!memeql_sec(authenticator.code().data(), Bytes(stored) + stored.size() - winzip::AuthBytes,
                        winzip::AuthBytes))
            throw damaged("bad authentication code");
        passwordProven = true;

        const std::uint16_t method = Le16(*aes, 5);
        if (method != Stored && method != Deflated)
            throw unsupported(method);
        if (!decrypt(keys, method, entry.size, sealed))
            throw damaged("it does not unpack to the size its header gives");
        if (Le16(*aes, 0) == 1) // AE-1 keeps the CRC
            checkCrc(entry);
    }

    std::size_t size() const { return size_; }

private:
    char *out(std::size_t size)
    {
        size_ = size;
        data_ = storage_(size + 1);
        return data_;
    }

    bool decrypt(const winzip::Keys &keys, std::uint16_t method, std::size_t size, std::string_view sealed)
    {
        winzip::CounterMode cipher(keys);
        char *const target = out(size);
        if (method == Stored) { // straight into place
            if (sealed.size() != size)
                return false;
            cipher.apply(Bytes(sealed), reinterpret_cast<std::uint8_t *>(target), size);
            return true;
        }
        Unpacker unpacker(method, target, size);
        std::array<char, Piece> piece;
        for (std::size_t at = 0; at < sealed.size(); at += Piece) {
            const std::string_view part = sealed.substr(at, Piece);
            cipher.apply(Bytes(part), reinterpret_cast<std::uint8_t *>(piece.data()), part.size());
            if (!unpacker.add({piece.data(), part.size()}))
                return false;
        }
        return unpacker.whole();
    }

    void checkCrc(const zip::Entry &entry) const
    {
        const uLong crc = crc32_z(0, reinterpret_cast<const Bytef *>(data_), size_);
        if (crc != entry.crc)
            throw damaged("CRC mismatch");
    }

    const std::string &path_;
    std::string_view name_;
    const MemberReader::Storage &storage_;
    char *data_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace

MemberReader::MemberReader(const std::string &archivePath, std::string_view password, ArchiveLimits limits)
    : path_(archivePath), password_(password), limits_(limits), file_(archivePath)
{
    switch (file_.outcome()) {
    case MappedFile::Outcome::Mapped:
        break;
    case MappedFile::Outcome::NoSuchFile:
        fail(ArchiveStatus::Missing, path_ + ": no such archive");
        return;
    case MappedFile::Outcome::NotAFile:
        fail(ArchiveStatus::Missing, path_ + ": not a file");
        return;
    case MappedFile::Outcome::CannotOpen:
        fail(ArchiveStatus::Missing, path_ + ": cannot open: " + file_.error());
        return;
    case MappedFile::Outcome::CannotRead:
        fail(ArchiveStatus::Missing, path_ + ": cannot read: " + file_.error());
        return;
    }
    std::string problem;
    std::optional<std::vector<zip::Entry>> entries = zip::ReadDirectory(file_.bytes(), problem);
    if (!entries) {
        fail(ArchiveStatus::Corrupt, path_ + ": not a ZIP archive, or a damaged one: " + problem);
        return;
    }
    if (entries->size() > std::size_t(std::max(limits_.members, 0))) {
        fail(ArchiveStatus::TooLarge, path_ + ": more than " + std::to_string(limits_.members) + " members");
        return;
    }
    std::vector<std::string> names;
    names.reserve(entries->size());
    for (const zip::Entry &entry : *entries) {
        std::string name = NameOf(entry);
        const auto refuse = [&](std::string_view cause) {
            return fail(ArchiveStatus::Corrupt, path_ + ": member " + Quoted(name) + " refused: " + std::string(cause));
        };
        if (!IsPlainName(name)) {
            refuse("not a plain file name");
            return;
        }
        if (entry.isSpecialFile()) {
            refuse("not a regular file");
            return;
        }
        names.push_back(std::move(name));
    }
    names_ = std::move(names);
    entries_ = std::move(*entries);
}

bool MemberReader::has(std::string_view member) const
{
    return ok() && find(member) != nullptr;
}

const zip::Entry *MemberReader::find(std::string_view member) const
{
    const auto found = std::find(names_.begin(), names_.end(), member);
    return found == names_.end() ? nullptr : &entries_[std::size_t(found - names_.begin())];
}

bool MemberReader::fail(ArchiveStatus status, std::string message)
{
    status_ = status;
    message_ = OneLine(message);
    return false;
}

bool MemberReader::read(std::string_view member, std::string &out)
{
    std::size_t size = 0;
    const bool read = this->read(
        member,
        [&out](std::size_t bytes) {
            out.resize(bytes);
            return out.data();
        },
        size);
    out.resize(read ? size : 0);
    return read;
}

bool MemberReader::read(std::string_view member, const Storage &storage, std::size_t &size)
{
    size = 0;
    const zip::Entry *const entry = ok() ? find(member) : nullptr;
    if (entry == nullptr)
        return false;
    const std::string name(member);
    const std::int64_t room = std::min(limits_.memberBytes, limits_.totalBytes - unpacked_);
    if (std::int64_t(entry->size) > room)
        return fail(ArchiveStatus::TooLarge,
                    room == limits_.memberBytes ? path_ + ": member " + Quoted(name) + " unpacks to more than "
                                                      + std::to_string(limits_.memberBytes) + " bytes"
                                                : path_ + ": the members unpack to more than "
                                                      + std::to_string(limits_.totalBytes) + " bytes");
    MemberRead reading(path_, name, storage);
    try {
        std::string problem;
        const std::optional<std::string_view> stored = zip::StoredData(file_.bytes(), *entry, problem);
        if (!stored)
            throw reading.damaged(problem);
        if (entry->encrypted())
            reading.encrypted(*entry, *stored, password_, passwordProven_);
        else
            reading.plain(*entry, *stored);
    } catch (const Refusal &refusal) {
        return fail(refusal.status, refusal.message);
    }
    unpacked_ += std::int64_t(reading.size());
    size = reading.size();
    return true;
}

} // namespace quillet::plain
