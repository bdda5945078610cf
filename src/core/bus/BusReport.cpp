// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bus/BusReport.h"

#include <QDBusMetaType>

namespace quillet {

QDBusArgument &operator<<(QDBusArgument &argument, const ReportList &list)
{
    argument.beginStructure();
    argument << list.name << list.heading << list.limited << int(list.personal) << list.entries;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, ReportList &list)
{
    argument.beginStructure();
    int personal = 0;
    argument >> list.name >> list.heading >> list.limited >> personal >> list.entries;
    list.personal = qBound(0, qsizetype(personal), list.entries.size());
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const ReportDirection &direction)
{
    argument.beginStructure();
    argument << direction.code << direction.name << direction.lists;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, ReportDirection &direction)
{
    argument.beginStructure();
    argument >> direction.code >> direction.name >> direction.lists;
    argument.endStructure();
    return argument;
}

namespace bus {

void RegisterReportTypes()
{
    qDBusRegisterMetaType<std::pair<QString, QString>>();
    qDBusRegisterMetaType<ReportList>();
    qDBusRegisterMetaType<QList<ReportList>>();
    qDBusRegisterMetaType<ReportDirection>();
    qDBusRegisterMetaType<QList<ReportDirection>>();
}

} // namespace bus
} // namespace quillet
