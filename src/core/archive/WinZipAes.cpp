// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/archive/WinZipAes.h"

#include <nettle/pbkdf2.h>

#include <algorithm>
#include <array>
#include <cstring>

#include <endian.h>

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

KeyedState::KeyedState(const Keys &keys) : check_(keys.check)
{
    aes256_set_encrypt_key(&aes_, keys.cipher.data());
    hmac_sha1_set_key(&hmac_, keys.authentication.size(), keys.authentication.data());
}

namespace {

// Sixteen bytes at once, as the processor's vector registers take them.
using Block = std::uint64_t __attribute__((vector_size(AES_BLOCK_SIZE)));

// out = in XOR stream, a block at a time: a byte or a word at a time, or nettle's memxor3
// through a call per piece, takes several times longer over the headwords' megabyte.
void XorInto(std::uint8_t *out, const std::uint8_t *in, const std::uint8_t *stream, std::size_t n)
{
    std::size_t i = 0;
    for (; i + AES_BLOCK_SIZE <= n; i += AES_BLOCK_SIZE) {
        Block a;
        Block b;
        std::memcpy(&a, in + i, AES_BLOCK_SIZE);
        std::memcpy(&b, stream + i, AES_BLOCK_SIZE);
        a ^= b;
        std::memcpy(out + i, &a, AES_BLOCK_SIZE);
    }
    for (; i < n; ++i)
        out[i] = std::uint8_t(in[i] ^ stream[i]);
}

} // namespace

void CounterMode::apply(const std::uint8_t *in, std::uint8_t *out, std::size_t size)
{
    // Each counter block: the counter in its first eight bytes, little-endian, then zeros.
    alignas(AES_BLOCK_SIZE) std::array<std::uint8_t, BatchBlocks * AES_BLOCK_SIZE> counters{};
    alignas(AES_BLOCK_SIZE) std::array<std::uint8_t, BatchBlocks * AES_BLOCK_SIZE> stream;
    while (size > 0) {
        const std::size_t blocks = std::min(BatchBlocks, (size + AES_BLOCK_SIZE - 1) / AES_BLOCK_SIZE);
        for (std::size_t b = 0; b < blocks; ++b) {
            const std::uint64_t counter = htole64(++counter_);
            std::memcpy(counters.data() + b * AES_BLOCK_SIZE, &counter, sizeof counter);
        }
        aes256_encrypt(&aes_, blocks * AES_BLOCK_SIZE, stream.data(), counters.data());
        const std::size_t n = std::min(size, blocks * AES_BLOCK_SIZE);
        XorInto(out, in, stream.data(), n);
        in += n;
        out += n;
        size -= n;
    }
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
