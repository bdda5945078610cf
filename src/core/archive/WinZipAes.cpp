// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/archive/WinZipAes.h"

#include <nettle/pbkdf2.h>

#include <algorithm>
#include <cstring>

namespace quillet::winzip {

namespace {

constexpr unsigned Iterations = 1000;
// The counter blocks encrypted at a time: AES in hardware works on several at once.
constexpr std::size_t BatchBlocks = 64;

const std::uint8_t *Bytes(std::string_view view)
{
    return reinterpret_cast<const std::uint8_t *>(view.data());
}

} // namespace

Keys DeriveKeys(std::string_view password, std::string_view salt)
{
    std::array<std::uint8_t, 2 * KeyBytes + CheckBytes> derived{};
    pbkdf2_hmac_sha1(std::size_t(password.size()), Bytes(password), Iterations, std::size_t(salt.size()), Bytes(salt),
                     derived.size(), derived.data());
    Keys keys;
    std::copy_n(derived.begin(), KeyBytes, keys.cipher.begin());
    std::copy_n(derived.begin() + KeyBytes, KeyBytes, keys.authentication.begin());
    std::copy_n(derived.begin() + 2 * KeyBytes, CheckBytes, keys.check.begin());
    return keys;
}

CounterMode::CounterMode(const Keys &keys)
{
    aes256_set_encrypt_key(&aes_, keys.cipher.data());
}

namespace {

// out = in XOR stream, eight bytes at a time: nettle's memxor3 goes a word at a time
// through a call per piece, several times slower over the headwords' megabyte.
void XorInto(std::uint8_t *out, const std::uint8_t *in, const std::uint8_t *stream, std::size_t n)
{
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t a = 0;
        std::uint64_t b = 0;
        std::memcpy(&a, in + i, 8);
        std::memcpy(&b, stream + i, 8);
        a ^= b;
        std::memcpy(out + i, &a, 8);
    }
    for (; i < n; ++i)
        out[i] = std::uint8_t(in[i] ^ stream[i]);
}

} // namespace

void CounterMode::apply(const std::uint8_t *in, std::uint8_t *out, std::size_t size)
{
    std::array<std::uint8_t, BatchBlocks * AES_BLOCK_SIZE> stream{};
    while (size > 0) {
        const std::size_t blocks = std::min(BatchBlocks, (size + AES_BLOCK_SIZE - 1) / AES_BLOCK_SIZE);
        stream.fill(0);
        for (std::size_t b = 0; b < blocks; ++b) {
            const std::uint64_t counter = ++counter_;
            for (std::size_t i = 0; i < sizeof counter; ++i)
                stream[b * AES_BLOCK_SIZE + i] = std::uint8_t(counter >> (8 * i));
        }
        aes256_encrypt(&aes_, blocks * AES_BLOCK_SIZE, stream.data(), stream.data());
        const std::size_t n = std::min(size, blocks * AES_BLOCK_SIZE);
        XorInto(out, in, stream.data(), n);
        in += n;
        out += n;
        size -= n;
    }
}

Authenticator::Authenticator(const Keys &keys)
{
    hmac_sha1_set_key(&hmac_, keys.authentication.size(), keys.authentication.data());
}

void Authenticator::add(std::string_view encrypted)
{
    hmac_sha1_update(&hmac_, std::size_t(encrypted.size()), Bytes(encrypted));
}

std::array<std::uint8_t, AuthBytes> Authenticator::code()
{
    std::array<std::uint8_t, AuthBytes> code{};
    hmac_sha1_digest(&hmac_, code.size(), code.data());
    return code;
}

} // namespace quillet::winzip
