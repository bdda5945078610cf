// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bus/BusNames.h"

using namespace Qt::StringLiterals;

namespace quillet::bus {

QString ServiceName()
{
    return QStringLiteral(QUILLET_APPSTREAM_ID);
}

QString ObjectPath()
{
    return QStringLiteral(QUILLET_BUS_OBJECT_PATH);
}

QString InterfaceName()
{
    return QStringLiteral(QUILLET_BUS_INTERFACE);
}

QString ApplicationInterfaceName()
{
    return u"org.freedesktop.Application"_s;
}

QString InvalidArgumentError()
{
    return ServiceName() + u".Error.InvalidArgument"_s;
}

QString BusyError()
{
    return ServiceName() + u".Error.Busy"_s;
}

QString NotReadyError()
{
    return ServiceName() + u".Error.NotReady"_s;
}

QString NotSupportedError()
{
    return ServiceName() + u".Error.NotSupported"_s;
}

} // namespace quillet::bus
