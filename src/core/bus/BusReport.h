// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/lookup/LookupReport.h"

#include <QDBusArgument>
#include <QList>
#include <QMetaType>

// The answer to Lookup on the bus: the report's directions as D-Bus structures,
//   a(ssa(ssba(ss)))
// each direction (code, name, lists), each list (name, heading, limited, entries), each
// entry (headword, translation); the same lists, in the same order, as --lookup prints.
Q_DECLARE_METATYPE(quillet::ReportList)
Q_DECLARE_METATYPE(quillet::ReportDirection)

namespace quillet {

QDBusArgument &operator<<(QDBusArgument &argument, const ReportList &list);
const QDBusArgument &operator>>(const QDBusArgument &argument, ReportList &list);
QDBusArgument &operator<<(QDBusArgument &argument, const ReportDirection &direction);
const QDBusArgument &operator>>(const QDBusArgument &argument, ReportDirection &direction);

namespace bus {

// Makes the structures known to Qt D-Bus; called before the first call or answer.
void RegisterReportTypes();

} // namespace bus
} // namespace quillet
