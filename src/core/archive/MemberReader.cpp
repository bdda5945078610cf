// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/archive/MemberReader.h"

#include "core/archive/WinZipAes.h"
#include "core/lookup/LetterKeys.h"

#include <nettle/memops.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <map>
#include <mutex>
#include <new>
#include <optional>
#include <span>

namespace quillet::plain {

// Where a member's bytes go: all into storage of its size, or chunk by chunk to a taker.
struct ReadDestination {
    const MemberReader::Storage *storage = nullptr;
    std::span<char> chunk;
    const MemberReader::Take *take = nullptr;
};

namespace {

using Destination = ReadDestination;

using zip::Deflated;
using zip::Stored;
// The pieces an encrypted, compressed member is decrypted in before it is inflated.
constexpr std::size_t Piece = 16 * 1024;
// The most derived keys kept for later reads.
constexpr std::size_t MaxKeptKeys = 16;
// The members a reader finds by walking its directory before it sorts their names.
constexpr int WalksBeforeSorting = 16;

bool IsAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsValidUtf8(std::string_view bytes)
{
    if (IsAscii(bytes))
        return true;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = Utf8SequenceAt(bytes.substr(at));
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

// A member's name as text: UTF-8 when it says so or is so (a byte that is no UTF-8 then
// shown as U+FFFD), else the old PC code page's ASCII-compatible Latin-1 reading.
std::string NameOf(const zip::Entry &entry)
{
    if (IsAscii(entry.name))
        return std::string(entry.name);
    const bool utf8 = entry.utf8Name || IsValidUtf8(entry.name);
    std::string name;
    name.reserve(entry.name.size());
    for (std::size_t at = 0; at < entry.name.size();) {
        const std::size_t length = utf8 ? Utf8SequenceAt(entry.name.substr(at)) : 1;
        if (length == 0)
            plain::AppendUtf8(name, 0xFFFD);
        else if (utf8)
            name.append(entry.name.substr(at, length));
        else
            plain::AppendUtf8(name, static_cast<unsigned char>(entry.name[at]));
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
    if (IsAscii(text))
        return std::any_of(text.begin(), text.end(), [](char c) { return c < 0x20 || c == 0x7F; });
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

// The member's compressed bytes flow through inflate (or are copied as they are) into a
// window: room for the whole member and one byte more, or a chunk handed to the caller
// each time it fills. Never more than the size its header gives is accepted.
class Unpacker {
public:
    enum class Result { More, Stopped, Damaged };

    Unpacker(std::uint16_t method, std::size_t size, std::span<char> window, const MemberReader::Take *take,
             bool withCrc)
        : method_(method), size_(size), window_(window), take_(take), withCrc_(withCrc)
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

    Result add(std::string_view packed)
    {
        return method_ == Stored ? copy(packed) : inflated(packed);
    }
    // Damaged unless the bytes came to the size exactly and the compressed stream ended;
    // else the last piece is handed over.
    Result finish()
    {
        if (total_ != size_ || (method_ == Deflated && !ended_))
            return Result::Damaged;
        if (take_ != nullptr && filled_ > 0 && !(*take_)({window_.data(), filled_}))
            return Result::Stopped;
        return Result::More;
    }
    std::uint32_t crc() const { return std::uint32_t(crc_); }

private:
    Result copy(std::string_view packed)
    {
        while (!packed.empty()) {
            const std::size_t n = std::min(packed.size(), window_.size() - filled_);
            std::copy_n(packed.begin(), n, window_.begin() + std::ptrdiff_t(filled_));
            packed.remove_prefix(n);
            if (const Result result = produced(n); result != Result::More)
                return result;
        }
        return Result::More;
    }

    Result inflated(std::string_view packed)
    {
        if (ended_) // what follows the end of the stream is not looked at
            return Result::More;
        stream_.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
        stream_.avail_in = uInt(packed.size());
        for (;;) {
            const std::size_t room = window_.size() - filled_;
            stream_.next_out = reinterpret_cast<Bytef *>(window_.data() + filled_);
            stream_.avail_out = uInt(room);
            const int status = inflate(&stream_, Z_NO_FLUSH);
            const bool full = stream_.avail_out == 0;
            if (const Result result = produced(room - stream_.avail_out); result != Result::More)
                return result;
            ended_ = status == Z_STREAM_END;
            if (ended_ || (status == Z_BUF_ERROR && !full && stream_.avail_in == 0))
                return Result::More;
            if (status != Z_OK)
                return Result::Damaged;
            if (!full && stream_.avail_in == 0)
                return Result::More;
        }
    }

    // The n bytes just written at the window's end counted, and the window handed over when full.
    Result produced(std::size_t n)
    {
        if (withCrc_)
            crc_ = crc32_z(crc_, reinterpret_cast<const Bytef *>(window_.data() + filled_), n);
        filled_ += n;
        total_ += n;
        if (total_ > size_)
            return Result::Damaged;
        if (filled_ == window_.size() && take_ != nullptr) {
            filled_ = 0;
            if (!(*take_)({window_.data(), window_.size()}))
                return Result::Stopped;
        }
        return Result::More;
    }

    std::uint16_t method_;
    std::size_t size_;
    std::span<char> window_;
    const MemberReader::Take *take_;
    bool withCrc_;
    std::size_t filled_ = 0;
    std::size_t total_ = 0;
    uLong crc_ = crc32_z(0, nullptr, 0);
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
    MemberRead(const std::string &path, std::string_view name, const Destination &destination)
        : path_(path), name_(name), destination_(destination)
    {
    }

    Refusal damaged(std::string_view cause) const
    {
        return {ArchiveStatus::Corrupt, path_ + ": member " + Quoted(name_) + " is damaged: " + std::string(cause)};
    }

    // The plain member's bytes, checked against its CRC.
    void plain(const zip::Entry &entry, std::string_view stored)
    {
        unpack(entry, entry.method, true, [&](Unpacker &unpacker) { return unpacker.add(stored); });
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
        const bool withCrc = Le16(*aes, 0) == 1; // AE-1 keeps the CRC
        winzip::CounterMode cipher(keys);
        if (method == Stored && destination_.storage != nullptr && sealed.size() == entry.size) {
            // Straight into place.
            char *const target = (*destination_.storage)(entry.size + 1);
            cipher.apply(Bytes(sealed), reinterpret_cast<std::uint8_t *>(target), sealed.size());
            size_ = entry.size;
            if (withCrc && crc32_z(0, reinterpret_cast<const Bytef *>(target), size_) != entry.crc)
                throw damaged("CRC mismatch");
            return;
        }
        unpack(entry, method, withCrc, [&](Unpacker &unpacker) {
            std::array<char, Piece> piece;
            for (std::size_t at = 0; at < sealed.size(); at += Piece) {
                const std::string_view part = sealed.substr(at, Piece);
                cipher.apply(Bytes(part), reinterpret_cast<std::uint8_t *>(piece.data()), part.size());
                if (const Unpacker::Result result = unpacker.add({piece.data(), part.size()});
                    result != Unpacker::Result::More)
                    return result;
            }
            return Unpacker::Result::More;
        });
    }

    std::size_t size() const { return size_; }

private:
    // The compressed bytes that `feed` gives unpacked to the destination; checked against
    // the CRC when `withCrc`. A read the taker stopped ends there, unchecked.
    template <typename Feed>
    void unpack(const zip::Entry &entry, std::uint16_t method, bool withCrc, Feed &&feed)
    {
        if (method != Stored && method != Deflated)
            throw damaged("compression method " + std::to_string(method) + " is not supported");
        const std::span<char> window = destination_.storage != nullptr
                                           ? std::span<char>((*destination_.storage)(entry.size + 1), entry.size + 1)
                                           : destination_.chunk;
        Unpacker unpacker(method, entry.size, window, destination_.take, withCrc);
        Unpacker::Result result = feed(unpacker);
        if (result == Unpacker::Result::More)
            result = unpacker.finish();
        if (result == Unpacker::Result::Damaged)
            throw damaged("it does not unpack to the size its header gives");
        size_ = entry.size;
        if (result == Unpacker::Result::More && withCrc && unpacker.crc() != entry.crc)
            throw damaged("CRC mismatch");
    }

    const std::string &path_;
    std::string_view name_;
    const Destination &destination_;
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
    const std::optional<zip::Directory> directory = zip::ReadDirectory(file_.bytes(), problem);
    if (!directory) {
        fail(ArchiveStatus::Corrupt, path_ + ": not a ZIP archive, or a damaged one: " + problem);
        return;
    }
    if (directory->count > std::size_t(std::max(limits_.members, 0))) {
        fail(ArchiveStatus::TooLarge, path_ + ": more than " + std::to_string(limits_.members) + " members");
        return;
    }
    std::size_t at = 0;
    for (std::size_t k = 0; k < directory->count; ++k) {
        const zip::Entry entry = directory->next(at);
        const bool utf8 = IsValidUtf8(entry.name);
        utf8Names_ = utf8Names_ && utf8;
        const bool plainName = utf8 ? IsPlainName(entry.name) : IsPlainName(NameOf(entry));
        if (!plainName || entry.isSpecialFile()) {
            fail(ArchiveStatus::Corrupt, path_ + ": member " + Quoted(NameOf(entry)) + " refused: "
                                             + (plainName ? "not a regular file" : "not a plain file name"));
            return;
        }
    }
    directory_ = *directory;
}

const std::vector<std::string> &MemberReader::names() const
{
    if (names_.empty() && ok()) {
        names_.reserve(directory_.count);
        std::size_t at = 0;
        for (std::size_t k = 0; k < directory_.count; ++k)
            names_.push_back(NameOf(directory_.next(at)));
    }
    return names_;
}

bool MemberReader::has(std::string_view member) const
{
    return ok() && find(member).has_value();
}

const std::vector<MemberReader::Member> &MemberReader::byName() const
{
    if (byName_.empty() && directory_.count > 0) {
        byName_.reserve(directory_.count);
        for (std::size_t at = 0, k = 0; k < directory_.count; ++k) {
            const std::size_t record = at;
            const zip::Entry entry = directory_.next(at);
            const std::string_view name =
                IsValidUtf8(entry.name) ? entry.name : std::string_view(converted_.emplace_back(NameOf(entry)));
            byName_.push_back({name, record});
        }
        std::sort(byName_.begin(), byName_.end(), [](const Member &a, const Member &b) {
            return a.name < b.name || (a.name == b.name && a.record < b.record);
        });
    }
    return byName_;
}

std::optional<zip::Entry> MemberReader::find(std::string_view member) const
{
    // Of two members of one name, the later one counts, as an unpacker writing them out
    // would leave it. A few members are found by walking the directory; a reader asked
    // for many sorts the names once.
    if (utf8Names_ && walks_ < WalksBeforeSorting) {
        ++walks_;
        std::optional<zip::Entry> found;
        for (std::size_t at = 0, k = 0; k < directory_.count; ++k)
            if (zip::Entry entry = directory_.next(at); entry.name == member)
                found = entry;
        return found;
    }
    const std::vector<Member> &members = byName();
    const auto after = std::upper_bound(members.begin(), members.end(), member,
                                        [](std::string_view name, const Member &m) { return name < m.name; });
    if (after == members.begin() || std::prev(after)->name != member)
        return std::nullopt;
    std::size_t at = std::prev(after)->record;
    return directory_.next(at);
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
    const std::optional<std::size_t> read = this->read(member, Destination{&storage, {}, nullptr});
    size = read.value_or(0);
    return read.has_value();
}

bool MemberReader::stream(std::string_view member, std::span<char> chunk, const Take &take)
{
    return !chunk.empty() && read(member, Destination{nullptr, chunk, &take}).has_value();
}

std::optional<std::size_t> MemberReader::read(std::string_view member, const ReadDestination &destination)
{
    const std::optional<zip::Entry> entry = ok() ? find(member) : std::nullopt;
    if (!entry)
        return std::nullopt;
    const std::string name(member);
    const std::int64_t room = std::min(limits_.memberBytes, limits_.totalBytes - unpacked_);
    if (std::int64_t(entry->size) > room) {
        fail(ArchiveStatus::TooLarge,
             room == limits_.memberBytes ? path_ + ": member " + Quoted(name) + " unpacks to more than "
                                               + std::to_string(limits_.memberBytes) + " bytes"
                                         : path_ + ": the members unpack to more than "
                                               + std::to_string(limits_.totalBytes) + " bytes");
        return std::nullopt;
    }
    MemberRead reading(path_, name, destination);
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
        fail(refusal.status, refusal.message);
        return std::nullopt;
    }
    unpacked_ += std::int64_t(reading.size());
    return reading.size();
}

} // namespace quillet::plain
