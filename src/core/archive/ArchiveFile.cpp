// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/archive/ArchiveFile.h"

#include "core/lookup/LetterKeys.h"

#include <algorithm>
#include <bit>

namespace quillet::plain {

namespace {

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

// FNV-1a, 64 bits.
std::uint64_t HashOf(std::string_view name)
{
    std::uint64_t hash = 14695981039346656037u;
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    return hash;
}

bool IsPlainName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string_view::npos
        && !HasControl(name);
}

} // namespace

std::string MemberName(const zip::Entry &entry)
{
    if (IsAscii(entry.name))
        return std::string(entry.name);
    const bool utf8 = entry.utf8Name || IsValidUtf8(entry.name);
    std::string name;
    name.reserve(entry.name.size());
    for (std::size_t at = 0; at < entry.name.size();) {
        const std::size_t length = utf8 ? Utf8SequenceAt(entry.name.substr(at)) : 1;
        if (length == 0)
            AppendUtf8(name, 0xFFFD);
        else if (utf8)
            name.append(entry.name.substr(at, length));
        else
            AppendUtf8(name, static_cast<unsigned char>(entry.name[at]));
        at += std::max<std::size_t>(length, 1);
    }
    return name;
}

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

ArchiveFile::ArchiveFile(const std::string &path, int maxMembers) : path_(path), file_(path)
{
    switch (file_.outcome()) {
    case ReadOnlyFile::Outcome::Opened:
        break;
    case ReadOnlyFile::Outcome::NoSuchFile:
        fail(ArchiveStatus::Missing, path_ + ": no such archive");
        return;
    case ReadOnlyFile::Outcome::NotAFile:
        fail(ArchiveStatus::Missing, path_ + ": not a file");
        return;
    case ReadOnlyFile::Outcome::CannotOpen:
        fail(ArchiveStatus::Missing, path_ + ": cannot open: " + file_.error());
        return;
    }
    std::string problem;
    const std::optional<zip::Directory> directory = readDirectory(problem);
    if (!directory) {
        fail(ArchiveStatus::Corrupt, path_ + ": not a ZIP archive, or a damaged one: " + problem);
        return;
    }
    if (directory->count > std::size_t(std::max(maxMembers, 0))) {
        fail(ArchiveStatus::TooLarge, path_ + ": more than " + std::to_string(maxMembers) + " members");
        return;
    }
    directory_ = *directory;
    slots_.assign(std::bit_ceil(2 * directory->count), 0);
    for (std::size_t at = 0, k = 0; k < directory->count; ++k) {
        const auto record = std::uint32_t(at);
        const zip::Entry entry = directory->next(at);
        const bool utf8 = IsValidUtf8(entry.name);
        const std::string_view name = utf8 ? entry.name : converted_.emplace(record, MemberName(entry)).first->second;
        const bool plainName = IsPlainName(name);
        if (!plainName || entry.isSpecialFile()) {
            fail(ArchiveStatus::Corrupt, path_ + ": member \"" + MemberName(entry) + "\" refused: "
                                             + (plainName ? "not a regular file" : "not a plain file name"));
            return;
        }
        slots_[slotOf(name)] = record + 1; // of two of one name, the later one
    }
}

std::string_view ArchiveFile::nameAt(std::uint32_t record) const
{
    if (!converted_.empty())
        if (const auto found = converted_.find(record); found != converted_.end())
            return found->second;
    return directory_.nameAt(record);
}

void ArchiveFile::fail(ArchiveStatus status, const std::string &message)
{
    status_ = status;
    message_ = OneLine(message);
    directory_ = {};
    slots_.clear();
}

std::optional<zip::Directory> ArchiveFile::readDirectory(std::string &problem)
{
    // The end of the file holds the end record, and mostly the directory too.
    const std::uint64_t tailOffset = file_.size() - std::min<std::uint64_t>(file_.size(), zip::TailBytes);
    std::string tail(std::size_t(file_.size() - tailOffset), '\0');
    if (!file_.readAt(tailOffset, tail)) {
        problem = "it cannot be read";
        return std::nullopt;
    }
    const std::optional<zip::DirectoryPlace> place = zip::FindDirectory(tail, tailOffset, problem);
    if (!place)
        return std::nullopt;
    if (place->offset >= tailOffset) {
        records_ = std::move(tail);
        records_.erase(0, std::size_t(place->offset - tailOffset));
        records_.resize(std::size_t(place->size));
    } else {
        records_.assign(std::size_t(place->size), '\0');
        if (!file_.readAt(place->offset, records_)) {
            problem = "its central directory cannot be read";
            return std::nullopt;
        }
    }
    return zip::CheckDirectory(records_, place->count, problem);
}

std::optional<std::uint64_t> ArchiveFile::dataOffset(const zip::Entry &entry, std::string &problem) const
{
    // As much of the header as the file holds: a short one is told apart from a damaged one.
    const std::uint64_t left = file_.size() - std::min<std::uint64_t>(entry.localOffset, file_.size());
    std::string header(std::size_t(std::min<std::uint64_t>(zip::LocalBytes + entry.name.size(), left)), '\0');
    if (!file_.readAt(entry.localOffset, header)) {
        problem = "its local header cannot be read";
        return std::nullopt;
    }
    return zip::DataOffset(header, entry, file_.size(), problem);
}

std::optional<std::string_view> ArchiveFile::readStored(const zip::Entry &entry, std::string &bytes,
                                                        std::string &problem) const
{
    // The local header is taken to be as long as the directory's record of it says; when
    // it is longer, the data is read again from where it starts.
    const std::uint64_t left = file_.size() - std::min<std::uint64_t>(entry.localOffset, file_.size());
    const std::uint64_t header = zip::LocalBytes + entry.name.size() + entry.extra.size();
    bytes.resize(std::size_t(std::min<std::uint64_t>(header + entry.packedSize, left)));
    if (!file_.readAt(entry.localOffset, bytes)) {
        problem = "it cannot be read from the archive";
        return std::nullopt;
    }
    const std::string_view read = bytes;
    const std::optional<std::uint64_t> start =
        zip::DataOffset(read.substr(0, zip::LocalBytes + entry.name.size()), entry, file_.size(), problem);
    if (!start)
        return std::nullopt;
    const std::uint64_t at = *start - entry.localOffset;
    if (at + entry.packedSize <= read.size())
        return read.substr(std::size_t(at), entry.packedSize);
    bytes.resize(entry.packedSize);
    if (!file_.readAt(*start, bytes)) {
        problem = "it cannot be read from the archive";
        return std::nullopt;
    }
    return bytes;
}

std::optional<zip::Entry> ArchiveFile::find(std::string_view member) const
{
    if (slots_.empty())
        return std::nullopt;
    const std::uint32_t slot = slots_[slotOf(member)];
    if (slot == 0)
        return std::nullopt;
    std::size_t at = slot - 1;
    return directory_.next(at);
}

std::size_t ArchiveFile::slotOf(std::string_view name) const
{
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = HashOf(name) & mask;
    while (slots_[slot] != 0 && nameAt(slots_[slot] - 1) != name)
        slot = (slot + 1) & mask;
    return slot;
}

std::vector<std::string> ArchiveFile::names() const
{
    std::vector<std::string> names;
    names.reserve(directory_.count);
    for (std::size_t at = 0, k = 0; k < directory_.count; ++k)
        names.push_back(MemberName(directory_.next(at)));
    return names;
}

} // namespace quillet::plain
