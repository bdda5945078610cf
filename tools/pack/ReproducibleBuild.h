// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

namespace quillet::pack {

// The time a reproducible build gives its files: SOURCE_DATE_EPOCH (seconds since 1970)
// when the environment sets it to a number, else nothing.
std::optional<qint64> SourceDateEpoch();

// The time the archive's members carry: SOURCE_DATE_EPOCH when it is set and earlier
// than now, else now.
qint64 MemberTime();

} // namespace quillet::pack
