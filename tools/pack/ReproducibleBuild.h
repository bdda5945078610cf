// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <optional>

namespace quillet::pack {

// The time a reproducible build gives its files: SOURCE_DATE_EPOCH (seconds since 1970)
// when the environment sets it to a number, else nothing.
std::optional<qint64> SourceDateEpoch();

// The time the archive's members carry: SOURCE_DATE_EPOCH when it is set and earlier
// than now, else now.
qint64 MemberTime();

// `size` bytes that stand in for random ones in a reproducible build: SHA-256 of the
// date and a running block number, block after block.
QByteArray ReproducibleBytes(qint64 epoch, qsizetype size);

} // namespace quillet::pack
