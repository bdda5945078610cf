// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bus/RunningDictionary.h"

#include "core/bus/BusNames.h"
#include "core/bus/SessionLock.h"

#include <QDBusConnection>
#include <QDBusError>

using namespace Qt::StringLiterals;

namespace quillet::bus {

namespace {

// A window that loads its dictionary answers once the load ends, within seconds.
constexpr int CallTimeoutMs = 60'000;

} // namespace

bool SessionBusExpected()
{
    char address[PATH_MAX + 16];
    return SessionBusAddress(address);
}

RunningDictionary::RunningDictionary() : busExpected_(SessionBusExpected()) {}

RunningDictionary::Outcome RunningDictionary::call(const QString &method, const QVariantList &arguments,
                                                   const QString &interface)
{
    problem_.clear();
    if (!busExpected_)
        return Outcome::NoBus;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        problem_ = bus.lastError().message();
        return Outcome::NoBus;
    }
    QDBusMessage message = QDBusMessage::createMethodCall(
        ServiceName(), ObjectPath(), interface.isEmpty() ? InterfaceName() : interface, method);
    message.setArguments(arguments);
    message.setAutoStartService(false);
    reply_ = bus.call(message, QDBus::Block, CallTimeoutMs);
    if (reply_.type() == QDBusMessage::ReplyMessage)
        return Outcome::Answered;
    const QString error = reply_.errorName();
    if (error == "org.freedesktop.DBus.Error.ServiceUnknown"_L1 || error == "org.freedesktop.DBus.Error.NameHasNoOwner"_L1)
        return Outcome::NoWindow;
    problem_ = reply_.errorMessage().isEmpty() ? error : reply_.errorMessage();
    return Outcome::Refused;
}

} // namespace quillet::bus
