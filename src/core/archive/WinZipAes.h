// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nettle/aes.h>
#include <nettle/hmac.h>

#include <array>
#include <cstdint>
#include <string_view>

// WinZip's AES encryption of a ZIP member (AE-1 and AE-2, AES-256), the scheme the packer
// writes and the reader reads: the member's data is a salt, a two-byte password check,
// the compressed bytes encrypted with AES in counter mode, and the first ten bytes of an
// HMAC-SHA1 of the encrypted bytes.
namespace quillet::winzip {

inline constexpr std::size_t KeyBytes = 32; // AES-256
inline constexpr std::size_t SaltBytes = 16;
inline constexpr std::size_t CheckBytes = 2;
inline constexpr std::size_t AuthBytes = 10;
// AES's block: counter mode takes a member in pieces of whole blocks but for the last.
inline constexpr std::size_t BlockBytes = 16;
// What a member's data holds besides the encrypted bytes.
inline constexpr std::size_t OverheadBytes = SaltBytes + CheckBytes + AuthBytes;
// The ZIP header's method number of a member encrypted so, and its extra field.
inline constexpr std::uint16_t Method = 99;
inline constexpr std::uint16_t ExtraId = 0x9901;
inline constexpr std::uint8_t Aes256Strength = 3;

// The keys PBKDF2-HMAC-SHA1 derives from the password and a member's salt.
struct Keys {
    std::array<std::uint8_t, KeyBytes> cipher{};
    std::array<std::uint8_t, KeyBytes> authentication{};
    std::array<std::uint8_t, CheckBytes> check{};
};
Keys DeriveKeys(std::string_view password, std::string_view salt);

// The keys set up for use: the cipher's key schedule and the authentication's keyed hash,
// made once for all members of one salt, which each member's cipher and authenticator
// copy instead of setting up again.
class KeyedState {
public:
    explicit KeyedState(const Keys &keys);
    const std::array<std::uint8_t, CheckBytes> &check() const { return check_; }

private:
    friend class CounterMode;
    friend class Authenticator;

    aes256_ctx aes_{};
    hmac_sha1_ctx hmac_{};
    std::array<std::uint8_t, CheckBytes> check_{};
};

// AES-256 in counter mode with WinZip's counter: little-endian, starting at 1. Encrypting
// and decrypting are the same; a member is processed in order, in pieces whose sizes are
// multiples of 16 bytes but for the last.
class CounterMode {
public:
    explicit CounterMode(const KeyedState &keys) : aes_(keys.aes_) {}
    void apply(std::uint8_t *data, std::size_t size) { apply(data, data, size); }
    // From `in` to `out`, which may be the same bytes.
    void apply(const std::uint8_t *in, std::uint8_t *out, std::size_t size);

private:
    aes256_ctx aes_{};
    std::uint64_t counter_ = 0;
};

// The authentication code of a member's encrypted bytes, fed in any pieces.
class Authenticator {
public:
    explicit Authenticator(const KeyedState &keys) : hmac_(keys.hmac_) {}
    void add(std::string_view encrypted);
    std::array<std::uint8_t, AuthBytes> code();

private:
    hmac_sha1_ctx hmac_{};
};

} // namespace quillet::winzip
