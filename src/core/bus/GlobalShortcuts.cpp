// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bus/GlobalShortcuts.h"

#include "core/bus/BusNames.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QRandomGenerator>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace quillet::bus {

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

namespace portal {

QString RequestPath(const QString &uniqueName, const QString &token)
{
    QString sender = uniqueName;
    sender.remove(u':').replace(u'.', u'_');
    return QString(Path) + u"/request/"_s + sender + u'/' + token;
}

} // namespace portal

namespace {

constexpr QLatin1StringView PropertiesInterface{"org.freedesktop.DBus.Properties"};
// Where a program that is not in a sandbox tells the portal its id (newer portals).
constexpr QLatin1StringView RegistryInterface{"org.freedesktop.host.portal.Registry"};

// The portal's Request answers: 0 done, 1 cancelled by the user, 2 ended otherwise.
constexpr uint ResponseCancelled = 1;

// Errors that say the portal, or its global shortcuts, are not there.
bool MeansAbsent(const QString &errorName)
{
    return errorName == "org.freedesktop.DBus.Error.ServiceUnknown"_L1
           || errorName == "org.freedesktop.DBus.Error.NameHasNoOwner"_L1
           || errorName == "org.freedesktop.DBus.Error.UnknownMethod"_L1
           || errorName == "org.freedesktop.DBus.Error.UnknownInterface"_L1
           || errorName == "org.freedesktop.DBus.Error.UnknownObject"_L1
           || errorName == "org.freedesktop.DBus.Error.UnknownProperty"_L1
           || errorName == "org.freedesktop.DBus.Error.InvalidArgs"_L1;
}

QDBusMessage PortalCall(QLatin1StringView interface, const QString &method, const QVariantList &arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(portal::Service, portal::Path, interface, method);
    call.setArguments(arguments);
    return call;
}

QString SessionHandle(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

} // namespace

GlobalShortcuts::GlobalShortcuts(QDBusConnection bus, QObject *parent) : QObject(parent), bus_(std::move(bus))
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
}

GlobalShortcuts::~GlobalShortcuts()
{
    stopListening();
}

void GlobalShortcuts::probe()
{
    if (probing_)
        return;
    probing_ = true;
    // A program outside a sandbox names itself first, as the desktop names it; older
    // portals lack this, which changes nothing.
    bus_.asyncCall(PortalCall(RegistryInterface, u"Register"_s, {ServiceName(), QVariantMap()}));
    const QDBusPendingCall pending = bus_.asyncCall(
        PortalCall(PropertiesInterface, u"Get"_s, {QString(portal::Interface), u"version"_s}));
    auto *watcher = new QDBusPendingCallWatcher(pending, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        probing_ = false;
        available_ = !call->isError();
        emit probed(available_);
    });
}

void GlobalShortcuts::bind(const PortalShortcut &shortcut)
{
    if (!session_.isEmpty())
        bindShortcut(shortcut);
    else
        createSession(shortcut);
}

void GlobalShortcuts::createSession(const PortalShortcut &shortcut)
{
    QVariantMap options{{u"session_handle_token"_s, newToken()}};
    request(u"CreateSession"_s, {options}, [this, shortcut](const QVariantMap &results) {
        session_ = SessionHandle(results.value(u"session_handle"_s));
        if (session_.isEmpty()) {
            fail(Failure::Refused, u"the desktop opened no session"_s);
            return;
        }
        bus_.connect(portal::Service, portal::Path, portal::Interface, u"Activated"_s, this,
                     SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
        bindShortcut(shortcut);
    });
}

void GlobalShortcuts::bindShortcut(const PortalShortcut &shortcut)
{
    const QVariantList arguments{QVariant::fromValue(QDBusObjectPath(session_)),
                                 QVariant::fromValue(QList<PortalShortcut>{shortcut}), QString(), QVariantMap()};
    request(u"BindShortcuts"_s, arguments, [this, shortcut](const QVariantMap &results) {
        const auto given = qdbus_cast<QList<PortalShortcut>>(results.value(u"shortcuts"_s));
        const auto ours = std::find_if(given.begin(), given.end(),
                                       [&shortcut](const PortalShortcut &s) { return s.id == shortcut.id; });
        if (ours == given.end()) {
            fail(Failure::Refused, u"the desktop bound no key"_s);
            return;
        }
        trigger_ = ours->properties.value(u"trigger_description"_s).toString();
        if (trigger_.isEmpty())
            trigger_ = shortcut.properties.value(u"preferred_trigger"_s).toString();
        emit boundTo(trigger_);
    });
}

void GlobalShortcuts::request(const QString &method, QVariantList arguments, Response response)
{
    // The options are the last argument; the Response comes on the path the token names,
    // listened to before the call so that it cannot be missed.
    const QString token = newToken();
    QVariantMap options = arguments.takeLast().toMap();
    options.insert(u"handle_token"_s, token);
    arguments.append(options);
    listenForResponse(portal::RequestPath(bus_.baseService(), token));
    response_ = std::move(response);
    auto *watcher = new QDBusPendingCallWatcher(bus_.asyncCall(PortalCall(portal::Interface, method, arguments)), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *call;
        if (reply.isError()) {
            const QDBusError error = reply.error();
            fail(MeansAbsent(error.name()) ? Failure::Absent : Failure::Refused, error.message());
            return;
        }
        // An older portal may answer on another path than the token asks for.
        if (response_ && reply.value().path() != responsePath_)
            listenForResponse(reply.value().path());
    });
}

void GlobalShortcuts::listenForResponse(const QString &path)
{
    stopListening();
    responsePath_ = path;
    bus_.connect(portal::Service, path, portal::RequestInterface, u"Response"_s, this,
                 SLOT(onResponse(uint, QVariantMap)));
}

void GlobalShortcuts::stopListening()
{
    if (responsePath_.isEmpty())
        return;
    bus_.disconnect(portal::Service, responsePath_, portal::RequestInterface, u"Response"_s, this,
                    SLOT(onResponse(uint, QVariantMap)));
    responsePath_.clear();
}

void GlobalShortcuts::onResponse(uint code, const QVariantMap &results)
{
    stopListening();
    const Response response = std::exchange(response_, {});
    if (!response)
        return;
    if (code == 0)
        response(results);
    else if (code == ResponseCancelled)
        fail(Failure::Cancelled, u"cancelled"_s);
    else
        fail(Failure::Refused, u"the desktop refused the request"_s);
}

void GlobalShortcuts::onActivated(const QDBusObjectPath &session, const QString &shortcutId, qulonglong,
                                  const QVariantMap &)
{
    if (session.path() == session_)
        emit activated(shortcutId);
}

void GlobalShortcuts::fail(Failure failure, const QString &detail)
{
    stopListening();
    response_ = {};
    if (failure == Failure::Absent)
        available_ = false;
    emit failed(failure, detail);
}

QString GlobalShortcuts::newToken()
{
    return u"quillet%1_%2"_s.arg(++tokens_).arg(QRandomGenerator::global()->generate());
}

} // namespace quillet::bus
