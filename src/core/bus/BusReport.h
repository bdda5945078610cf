// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/lookup/LookupReport.h"

#include <QDBusArgument>
#include <QLatin1StringView>
#include <QList>
#include <QMetaType>

// The answer to Lookup on the bus: the report's directions as D-Bus structures,
//   a(ssa(ssbia(ss)))
// each direction (code, name, lists), each list (name, heading, limited, the count of the
// user's own pairs that lead it, entries), each entry (headword, translation); the same
// lists, in the same order, as --lookup prints. Beside them, whether the report is
// withSource.
Q_DECLARE_METATYPE(quillet::ReportList)
Q_DECLARE_METATYPE(quillet::ReportDirection)

namespace quillet {

QDBusArgument &operator<<(QDBusArgument &argument, const ReportList &list);
const QDBusArgument &operator>>(const QDBusArgument &argument, ReportList &list);
QDBusArgument &operator<<(QDBusArgument &argument, const ReportDirection &direction);
const QDBusArgument &operator>>(const QDBusArgument &argument, ReportDirection &direction);

namespace bus {

// The D-Bus signature of the directions.
inline constexpr QLatin1StringView ReportSignature{"a(ssa(ssbia(ss)))"};

// Makes the structures known to Qt D-Bus; called before the first call or answer.
void RegisterReportTypes();

} // namespace bus
} // namespace quillet
