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
// The pieces a member's stored bytes are read, authenticated, decrypted and inflated in
// when they do not go straight into the caller's storage.
constexpr std::size_t Piece = 16 * 1024;
// The largest member read whole with its header, in one go.
constexpr std::size_t HeldBytes = 64 * 1024;
// The most derived keys kept for later reads.
constexpr std::size_t MaxKeptKeys = 16;

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

    // `stream`, for a deflated member, freshly reset.
    Unpacker(z_stream *stream, std::size_t size, std::span<char> window, const MemberReader::Take *take, bool withCrc)
        : stream_(stream), size_(size), window_(window), take_(take), withCrc_(withCrc)
    {
    }

    Result add(std::string_view packed)
    {
        return stream_ == nullptr ? copy(packed) : inflated(packed);
    }
    // Damaged unless the bytes came to the size exactly and the compressed stream ended;
    // else the last piece is handed over.
    Result finish()
    {
        if (total_ != size_ || (stream_ != nullptr && !ended_))
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
        z_stream &stream = *stream_;
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
        stream.avail_in = uInt(packed.size());
        for (;;) {
            const std::size_t room = window_.size() - filled_;
            stream.next_out = reinterpret_cast<Bytef *>(window_.data() + filled_);
            stream.avail_out = uInt(room);
            const int status = inflate(&stream, Z_NO_FLUSH);
            const bool full = stream.avail_out == 0;
            if (const Result result = produced(room - stream.avail_out); result != Result::More)
                return result;
            ended_ = status == Z_STREAM_END;
            if (ended_ || (status == Z_BUF_ERROR && !full && stream.avail_in == 0))
                return Result::More;
            if (status != Z_OK)
                return Result::Damaged;
            if (!full && stream.avail_in == 0)
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

    z_stream *stream_; // none for a stored member
    std::size_t size_;
    std::span<char> window_;
    const MemberReader::Take *take_;
    bool withCrc_;
    std::size_t filled_ = 0;
    std::size_t total_ = 0;
    uLong crc_ = crc32_z(0, nullptr, 0);
    bool ended_ = false;
};

} // namespace

// One inflate state for all of a reader's deflated members, reset before each: its
// tables and window are allocated once.
class Inflater {
public:
    Inflater()
    {
        if (inflateInit2(&stream_, -MAX_WBITS) != Z_OK)
            throw std::bad_alloc();
    }
    ~Inflater() { inflateEnd(&stream_); }
    Inflater(const Inflater &) = delete;
    Inflater &operator=(const Inflater &) = delete;

    z_stream *reset()
    {
        inflateReset(&stream_);
        return &stream_;
    }

private:
    z_stream stream_{};
};

namespace {

// The keys of the salt, set up for use: the packer gives every member of an archive the
// same one, so one derivation serves all members, in every read of this process (the
// forms may be read on another thread while the dictionary loads).
std::shared_ptr<const winzip::KeyedState> KeysFor(std::string_view password, std::string_view salt)
{
    static std::mutex guard;
    static std::map<std::string, std::shared_ptr<const winzip::KeyedState>, std::less<>> derived;
    const std::lock_guard lock(guard);
    std::string key(password);
    key += '\0';
    key += salt;
    if (const auto found = derived.find(key); found != derived.end())
        return found->second;
    if (derived.size() >= MaxKeptKeys) // a hostile archive with a salt for each member
        derived.clear();
    auto keys = std::make_shared<const winzip::KeyedState>(winzip::DeriveKeys(password, salt));
    return derived.emplace(std::move(key), std::move(keys)).first->second;
}

std::uint16_t Le16(std::string_view bytes, std::size_t at)
{
    return std::uint16_t(static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

const std::uint8_t *Bytes(std::string_view bytes)
{
    return reinterpret_cast<const std::uint8_t *>(bytes.data());
}

std::uint8_t *Bytes(std::span<char> bytes)
{
    return reinterpret_cast<std::uint8_t *>(bytes.data());
}

std::string_view View(std::span<const char> bytes)
{
    return {bytes.data(), bytes.size()};
}

// A member's data as stored: read with its header and held in memory, or read from the
// archive as it is needed.
class StoredBytes {
public:
    explicit StoredBytes(std::string_view held) : held_(held.data()), size_(held.size()) {}
    StoredBytes(const ArchiveFile &archive, std::uint64_t offset, std::uint64_t size)
        : archive_(&archive), offset_(offset), size_(size)
    {
    }
    std::uint64_t size() const { return size_; }
    // `size` bytes of it from `at` on.
    StoredBytes part(std::uint64_t at, std::uint64_t size) const
    {
        StoredBytes part = *this;
        part.offset_ += at;
        part.size_ = size;
        return part;
    }
    bool read(std::uint64_t at, std::span<char> into) const
    {
        if (at > size_ || into.size() > size_ - at)
            return false;
        if (held_ == nullptr)
            return archive_->readAt(offset_ + at, into);
        std::copy_n(held_ + offset_ + at, into.size(), into.data());
        return true;
    }

private:
    const ArchiveFile *archive_ = nullptr;
    const char *held_ = nullptr;
    std::uint64_t offset_ = 0; // in the archive, or in what is held
    std::uint64_t size_ = 0;
};

// One member's read: each step either goes on or says why it cannot.
struct Refusal {
    ArchiveStatus status;
    std::string message;
};

class MemberRead {
public:
    MemberRead(const std::string &path, std::string_view name, const Destination &destination,
               std::unique_ptr<Inflater> &inflater)
        : path_(path), name_(name), destination_(destination), inflater_(inflater)
    {
    }

    Refusal damaged(std::string_view cause) const
    {
        return {ArchiveStatus::Corrupt, path_ + ": member " + Quoted(name_) + " is damaged: " + std::string(cause)};
    }

    // The plain member's bytes, checked against its CRC.
    void plain(const zip::Entry &entry, const StoredBytes &stored)
    {
        std::array<char, Piece> piece;
        unpack(entry, entry.method, true, [&](Unpacker &unpacker) {
            return forEachPiece(stored, piece, [&](std::span<char> part) { return unpacker.add(View(part)); });
        });
    }

    // The encrypted member's bytes: authenticated, then decrypted and unpacked.
    // `keysOf(salt)` gives the keys of the salt.
    template <typename KeysOf>
    void encrypted(const zip::Entry &entry, const StoredBytes &stored, KeysOf &&keysOf, bool &passwordProven)
    {
        const std::optional<std::string_view> aes = entry.extraField(winzip::ExtraId);
        if (entry.method != winzip::Method || !aes || aes->size() < 7
            || static_cast<unsigned char>((*aes)[4]) != winzip::Aes256Strength)
            throw damaged("the encryption is not WinZip AES-256");
        if (stored.size() < winzip::OverheadBytes)
            throw damaged("it is too short");
        std::array<char, winzip::SaltBytes + winzip::CheckBytes> head;
        std::array<char, winzip::AuthBytes> code;
        fetch(stored, 0, head);
        fetch(stored, stored.size() - winzip::AuthBytes, code);
        const winzip::KeyedState &keys = keysOf(std::string_view(head.data(), winzip::SaltBytes));
        if (!memeql_sec(keys.check().data(), Bytes(View(head)) + winzip::SaltBytes, winzip::CheckBytes)) {
            // Damage to the check looks the same as a wrong password, but once a member
            // was read, the password is known to be right.
            if (!passwordProven)
                throw Refusal{ArchiveStatus::WrongPassword, path_ + ": wrong password"};
            throw damaged("its password check does not match");
        }
        const StoredBytes sealed = stored.part(head.size(), stored.size() - winzip::OverheadBytes);
        const std::uint16_t method = Le16(*aes, 5);
        const bool withCrc = Le16(*aes, 0) == 1; // AE-1 keeps the CRC
        winzip::Authenticator authenticator(keys);
        winzip::CounterMode cipher(keys);
        if (method == Stored && destination_.storage != nullptr && sealed.size() == entry.size) {
            // Straight into place: authenticated there, then decrypted where it lies.
            const std::span<char> target((*destination_.storage)(entry.size + 1), entry.size);
            fetch(sealed, 0, target);
            authenticator.add(View(target));
            authenticate(authenticator, code, passwordProven);
            cipher.apply(Bytes(target), target.size());
            size_ = entry.size;
            if (withCrc && crc32_z(0, Bytes(target), size_) != entry.crc)
                throw damaged("CRC mismatch");
            return;
        }
        if (method == Stored && destination_.take != nullptr && sealed.size() == entry.size
            && destination_.chunk.size() % winzip::BlockBytes == 0) {
            // Straight into the caller's chunk, read twice: authenticated whole, then
            // decrypted and handed over a chunk at a time.
            authenticate(sealed, destination_.chunk, authenticator, code, passwordProven);
            uLong crc = crc32_z(0, nullptr, 0);
            const Unpacker::Result result = forEachPiece(sealed, destination_.chunk, [&](std::span<char> part) {
                cipher.apply(Bytes(part), part.size());
                if (withCrc)
                    crc = crc32_z(crc, Bytes(part), part.size());
                return (*destination_.take)(View(part)) ? Unpacker::Result::More : Unpacker::Result::Stopped;
            });
            size_ = entry.size;
            if (result == Unpacker::Result::More && withCrc && crc != entry.crc)
                throw damaged("CRC mismatch");
            return;
        }
        // Read twice, a piece at a time: authenticated whole before a byte is decrypted.
        std::array<char, Piece> piece;
        authenticate(sealed, piece, authenticator, code, passwordProven);
        unpack(entry, method, withCrc, [&](Unpacker &unpacker) {
            return forEachPiece(sealed, piece, [&](std::span<char> part) {
                cipher.apply(Bytes(part), part.size());
                return unpacker.add(View(part));
            });
        });
    }

    std::size_t size() const { return size_; }

private:
    void fetch(const StoredBytes &stored, std::uint64_t at, std::span<char> into) const
    {
        if (!stored.read(at, into))
            throw damaged("it cannot be read from the archive");
    }

    // `use` given the stored bytes a piece at a time, until it says other than More.
    template <typename Use>
    Unpacker::Result forEachPiece(const StoredBytes &stored, std::span<char> piece, Use &&use) const
    {
        for (std::uint64_t at = 0; at < stored.size(); at += piece.size()) {
            const std::span<char> part = piece.first(std::size_t(std::min<std::uint64_t>(piece.size(), stored.size() - at)));
            fetch(stored, at, part);
            if (const Unpacker::Result result = use(part); result != Unpacker::Result::More)
                return result;
        }
        return Unpacker::Result::More;
    }

    // The sealed bytes read through `buffer` a piece at a time and authenticated.
    void authenticate(const StoredBytes &sealed, std::span<char> buffer, winzip::Authenticator &authenticator,
                      const std::array<char, winzip::AuthBytes> &code, bool &passwordProven) const
    {
        forEachPiece(sealed, buffer, [&](std::span<char> part) {
            authenticator.add(View(part));
            return Unpacker::Result::More;
        });
        authenticate(authenticator, code, passwordProven);
    }

    void authenticate(winzip::Authenticator &authenticator, const std::array<char, winzip::AuthBytes> &code,
                      bool &passwordProven) const
    {
        if (!memeql_sec(authenticator.code().data(), Bytes(View(code)), winzip::AuthBytes))
            throw damaged("bad authentication code");
        passwordProven = true;
    }

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
        if (method == Deflated && inflater_ == nullptr)
            inflater_ = std::make_unique<Inflater>();
        Unpacker unpacker(method == Deflated ? inflater_->reset() : nullptr, entry.size, window, destination_.take,
                          withCrc);
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
    std::unique_ptr<Inflater> &inflater_;
    std::size_t size_ = 0;
};

// A small member is read with its header in one go and held in `held`; a larger one is
// read a piece at a time.
StoredBytes StoredOf(const ArchiveFile &archive, const zip::Entry &entry, std::string &held, const MemberRead &reading)
{
    std::string problem;
    if (entry.packedSize <= HeldBytes) {
        const std::optional<std::string_view> bytes = archive.readStored(entry, held, problem);
        if (!bytes)
            throw reading.damaged(problem);
        return StoredBytes(*bytes);
    }
    const std::optional<std::uint64_t> offset = archive.dataOffset(entry, problem);
    if (!offset)
        throw reading.damaged(problem);
    return {archive, *offset, entry.packedSize};
}

} // namespace

MemberReader::MemberReader(const std::string &archivePath, std::string_view password, ArchiveLimits limits)
    : MemberReader(std::make_shared<const ArchiveFile>(archivePath, limits.members), password, limits)
{
}

MemberReader::MemberReader(std::shared_ptr<const ArchiveFile> archive, std::string_view password,
                           ArchiveLimits limits)
    : archive_(std::move(archive)), password_(password), limits_(limits), status_(archive_->status()),
      message_(archive_->message())
{
}

MemberReader::~MemberReader() = default;

const std::vector<std::string> &MemberReader::names() const
{
    if (names_.empty() && ok())
        names_ = archive_->names();
    return names_;
}

bool MemberReader::has(std::string_view member) const
{
    return ok() && archive_->find(member).has_value();
}

const winzip::KeyedState &MemberReader::keysFor(std::string_view salt)
{
    if (keys_ == nullptr || salt != salt_) {
        keys_ = KeysFor(password_, salt);
        salt_ = salt;
    }
    return *keys_;
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
    const std::optional<zip::Entry> entry = ok() ? archive_->find(member) : std::nullopt;
    if (!entry)
        return std::nullopt;
    const std::string name(member);
    const std::int64_t room = std::min(limits_.memberBytes, limits_.totalBytes - unpacked_);
    if (std::int64_t(entry->size) > room) {
        fail(ArchiveStatus::TooLarge,
             room == limits_.memberBytes ? archive_->path() + ": member " + Quoted(name) + " unpacks to more than "
                                               + std::to_string(limits_.memberBytes) + " bytes"
                                         : archive_->path() + ": the members unpack to more than "
                                               + std::to_string(limits_.totalBytes) + " bytes");
        return std::nullopt;
    }
    MemberRead reading(archive_->path(), name, destination, inflater_);
    try {
        const StoredBytes stored = StoredOf(*archive_, *entry, held_, reading);
        const auto keysOf = [this](std::string_view salt) -> const winzip::KeyedState & { return keysFor(salt); };
        if (entry->encrypted())
            reading.encrypted(*entry, stored, keysOf, passwordProven_);
        else
            reading.plain(*entry, stored);
    } catch (const Refusal &refusal) {
        fail(refusal.status, refusal.message);
        return std::nullopt;
    }
    unpacked_ += std::int64_t(reading.size());
    return reading.size();
}

} // namespace quillet::plain
