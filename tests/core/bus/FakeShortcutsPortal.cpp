// SPDX-License-Identifier: GPL-3.0-or-later
// A desktop's global shortcuts portal, for the tests, on the session bus it is started on
// (a private one, under dbus-run-session): it holds org.freedesktop.portal.Desktop and
// answers CreateSession and BindShortcuts with their Request's Response signal. Each call
// is written to standard output, a line "ready" first. Calling
// org.example.FakePortal.Press(id) on its object sends Activated for the last session.
//
// usage: quillet-fake-portal accept|cancel|refuse|error|no-interface
#include "core/bus/GlobalShortcuts.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVirtualObject>
#include <QDBusVariant>

#include <cstdio>

using namespace Qt::StringLiterals;
using quillet::bus::PortalShortcut;
namespace portal = quillet::bus::portal;

namespace {

void Log(const QString &line)
{
    std::printf("%s\n", qUtf8Printable(line));
    std::fflush(stdout);
}

class FakePortal : public QDBusVirtualObject {
public:
    explicit FakePortal(QString mode) : mode_(std::move(mode)) {}

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        QDBusConnection bus = connection;
        const QString member = message.member();
        if (message.interface() == "org.example.FakePortal"_L1 && member == "Press"_L1) {
            Log(u"Press "_s + message.arguments().value(0).toString());
            bus.send(message.createReply());
            bus.send(activated(message.arguments().value(0).toString()));
            return true;
        }
        const bool ours = message.interface() == portal::Interface && mode_ != "no-interface"_L1;
        if (message.interface() == "org.freedesktop.DBus.Properties"_L1 && member == "Get"_L1) {
            if (message.arguments().value(0).toString() == portal::Interface && mode_ != "no-interface"_L1)
                bus.send(message.createReply(QVariant::fromValue(QDBusVariant(uint(1)))));
            else
                bus.send(message.createErrorReply(QDBusError::UnknownInterface, u"no such interface"_s));
            return true;
        }
        if (!ours) {
            bus.send(message.createErrorReply(QDBusError::UnknownMethod, u"no such method "_s + member));
            return true;
        }
        if (member == "CreateSession"_L1)
            createSession(message, bus);
        else if (member == "BindShortcuts"_L1)
            bindShortcuts(message, bus);
        else
            bus.send(message.createErrorReply(QDBusError::UnknownMethod, u"no such method "_s + member));
        return true;
    }

private:
    static QString Sender(const QDBusMessage &message)
    {
        return message.service().remove(u':').replace(u'.', u'_');
    }

    // Answers with the Request's path, then its Response.
    static void respond(const QDBusMessage &message, QDBusConnection &bus, const QVariantMap &options, uint code,
                        const QVariantMap &results)
    {
        const QString path = portal::RequestPath(message.service(), options.value(u"handle_token"_s).toString());
        bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(path))));
        QDBusMessage response = QDBusMessage::createSignal(path, portal::RequestInterface, u"Response"_s);
        response.setArguments({code, results});
        bus.send(response);
    }

    void createSession(const QDBusMessage &message, QDBusConnection &bus)
    {
        const QVariantMap options = qdbus_cast<QVariantMap>(message.arguments().value(0));
        Log(u"CreateSession"_s);
        if (mode_ == "error"_L1) {
            bus.send(message.createErrorReply(QDBusError::AccessDenied, u"shortcuts are not allowed here"_s));
            return;
        }
        session_ = QString(portal::Path) + u"/session/"_s + Sender(message) + u'/'
                   + options.value(u"session_handle_token"_s).toString();
        respond(message, bus, options, 0, {{u"session_handle"_s, session_}});
    }

    void bindShortcuts(const QDBusMessage &message, QDBusConnection &bus)
    {
        const QList<QVariant> arguments = message.arguments();
        const auto session = qdbus_cast<QDBusObjectPath>(arguments.value(0));
        const auto shortcuts = qdbus_cast<QList<PortalShortcut>>(arguments.value(1));
        const QVariantMap options = qdbus_cast<QVariantMap>(arguments.value(3));
        for (const PortalShortcut &shortcut : shortcuts)
            Log(u"BindShortcuts %1 %2 %3 \"%4\""_s.arg(session.path() == session_ ? u"session"_s : u"unknown-session"_s,
                                                       shortcut.id,
                                                       shortcut.properties.value(u"preferred_trigger"_s).toString(),
                                                       shortcut.properties.value(u"description"_s).toString()));
        if (mode_ == "cancel"_L1 || mode_ == "refuse"_L1) {
            respond(message, bus, options, mode_ == "cancel"_L1 ? 1 : 2, {});
            return;
        }
        QList<PortalShortcut> given;
        for (PortalShortcut shortcut : shortcuts) {
            shortcut.properties = {{u"description"_s, shortcut.properties.value(u"description"_s)},
                                   {u"trigger_description"_s, u"Ctrl+Alt+Q"_s}};
            given.append(shortcut);
        }
        respond(message, bus, options, 0, {{u"shortcuts"_s, QVariant::fromValue(given)}});
    }

    QDBusMessage activated(const QString &id) const
    {
        QDBusMessage signal = QDBusMessage::createSignal(portal::Path, portal::Interface, u"Activated"_s);
        signal.setArguments({QVariant::fromValue(QDBusObjectPath(session_)), id, qulonglong(0), QVariantMap()});
        return signal;
    }

    QString mode_;
    QString session_ = u"/"_s;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    const QString mode = QCoreApplication::arguments().value(1);
    FakePortal fake(mode);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerVirtualObject(portal::Path, &fake) || !bus.registerService(portal::Service)) {
        std::fprintf(stderr, "the portal's name or object could not be taken: %s\n",
                     qUtf8Printable(bus.lastError().message()));
        return 1;
    }
    Log(u"ready"_s);
    return QCoreApplication::exec();
}
