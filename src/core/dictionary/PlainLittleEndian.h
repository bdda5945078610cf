// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// Reads the packer's binary files (little-endian numbers and counted texts) from the front;
// a read past the end fails every read after it.
namespace quillet::plain::le {

class Reader {
public:
    explicit Reader(std::string_view file) : rest_(file) {}
    bool failed() const { return failed_; }
    bool atEnd() const { return rest_.empty(); }

    std::string_view take(std::size_t size)
    {
        if (failed_ || size > rest_.size()) {
            failed_ = true;
            return {};
        }
        const std::string_view taken = rest_.substr(0, size);
        rest_.remove_prefix(size);
        return taken;
    }
    // Whether the file begins with the magic bytes and this version (a 32-bit number).
    bool startsWith(std::string_view magic, std::uint32_t version)
    {
        return take(magic.size()) == magic && number<std::uint32_t>() == version;
    }
    // The number of records (a 32-bit number after the magic and version) of an index
    // file, when it is at least one and the file has room for that many of at least
    // recordBytes each.
    std::optional<std::uint32_t> records(std::string_view magic, std::uint32_t version, std::size_t recordBytes)
    {
        const std::uint32_t count = startsWith(magic, version) ? number<std::uint32_t>() : 0;
        if (failed_ || count == 0 || count > rest_.size() / recordBytes)
            return std::nullopt;
        return count;
    }

    template <typename Number>
    Number number()
    {
        const std::string_view bytes = take(sizeof(Number));
        Number value = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            value = Number(value | Number(Number(static_cast<unsigned char>(bytes[i])) << (8 * i)));
        return value;
    }

private:
    std::string_view rest_;
    bool failed_ = false;
};

} // namespace quillet::plain::le
