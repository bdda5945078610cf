// SPDX-License-Identifier: GPL-3.0-or-later
// The same data packed twice gives the same archive when SOURCE_DATE_EPOCH is set, as
// a distribution's reproducible build asks: the members' times are that date, and the
// archive's salt is derived from that date instead of drawn from the system's generator.
// The archive's password is built into the program that reads it, so the salt protects
// nothing a fixed one would not; without SOURCE_DATE_EPOCH the salt is random.
#include "ReproducibleBuild.h"

#include <QCryptographicHash>
#include <QDateTime>

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

QByteArray ReproducibleBytes(qint64 epoch, qsizetype size)
{
    QByteArray bytes;
    for (int block = 0; bytes.size() < size; ++block)
        bytes += QCryptographicHash::hash(QByteArray::number(epoch) + ':' + QByteArray::number(block),
                                          QCryptographicHash::Sha256);
    return bytes.first(size);
}

} // namespace quillet::pack
