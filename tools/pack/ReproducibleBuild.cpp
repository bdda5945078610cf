// SPDX-License-Identifier: GPL-3.0-or-later
// The same data packed twice gives the same archive when SOURCE_DATE_EPOCH is set, as
// a distribution's reproducible build asks: the members' times are that date, and the
// random bytes libarchive draws for the encryption's salt and password check come from
// a stream derived from that date instead of the system's generator. The archive's
// password is built into the program that reads it, so the salt protects nothing a
// fixed one would not; without SOURCE_DATE_EPOCH the salt is random as before.
#include "ReproducibleBuild.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>

#include <algorithm>
#include <cstring>
#include <dlfcn.h>

namespace quillet::pack {

std::optional<qint64> SourceDateEpoch()
{
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    if (!ok || epoch < 0)
        return std::nullopt;
    return epoch;
}

qint64 MemberTime()
{
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const std::optional<qint64> epoch = SourceDateEpoch();
    return epoch ? std::min(*epoch, now) : now;
}

namespace {

// SHA-256 of the date and a running block number, block after block.
void FillFromEpoch(qint64 epoch, unsigned char *buffer, size_t size)
{
    static quint64 block = 0;
    while (size > 0) {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(QByteArray::number(epoch) + ':' + QByteArray::number(block++));
        const QByteArray bytes = hash.result();
        const size_t n = std::min(size, size_t(bytes.size()));
        std::memcpy(buffer, bytes.constData(), n);
        buffer += n;
        size -= n;
    }
}

} // namespace

} // namespace quillet::pack

// libarchive draws its random bytes from the C library's arc4random_buf; this program's
// definition comes first (it is exported for that, see CMakeLists.txt) and hands on to
// the C library's own unless the build is a reproducible one.
extern "C" void arc4random_buf(void *buffer, size_t size) noexcept
{
    if (const std::optional<qint64> epoch = quillet::pack::SourceDateEpoch()) {
        quillet::pack::FillFromEpoch(*epoch, static_cast<unsigned char *>(buffer), size);
        return;
    }
    using Generator = void (*)(void *, size_t);
    static const auto system = reinterpret_cast<Generator>(::dlsym(RTLD_NEXT, "arc4random_buf"));
    system(buffer, size);
}
