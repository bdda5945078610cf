// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>

namespace quillet::bus {

// A shortcut as the desktop's portal takes and gives it: its id and its properties
// ("description", "preferred_trigger" asked; "trigger_description" answered).
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut);
const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut);

// The key that looks up the selection in any program.
inline constexpr QStringView SelectionShortcutId = u"look-up-selection";
// The key proposed to the desktop, in the portal's notation; the desktop lets the user
// choose another.
inline constexpr QStringView SelectionPreferredTrigger = u"CTRL+ALT+Q";

// A key of the whole desktop taken through the global shortcuts portal
// (org.freedesktop.portal.GlobalShortcuts at org.freedesktop.portal.Desktop), where the
// desktop offers one: a program cannot take such a key itself under Wayland. Every call
// is asynchronous, the window goes on meanwhile: probe() finds whether the portal is
// there; bind() opens a session (CreateSession and its Request's Response), then asks
// for the key (BindShortcuts and its Response), and the desktop may ask the user first;
// activated() tells each press of a bound key while the session lasts, which is as long
// as the connection.
class GlobalShortcuts : public QObject {
    Q_OBJECT
public:
    enum class Failure {
        Absent,    // no portal, or one without global shortcuts
        Refused,   // the portal answered with an error or refused the request
        Cancelled, // the user cancelled the desktop's dialog
    };
    Q_ENUM(Failure)

    explicit GlobalShortcuts(QDBusConnection bus, QObject *parent = nullptr);
    ~GlobalShortcuts() override;

    // Asks whether the portal offers global shortcuts; probed() answers.
    void probe();
    bool available() const { return available_; }
    bool probing() const { return probing_; }
    // Asks for the key: bound() with the key the desktop gave (as it names it), or
    // failed(). A session already open is used again.
    void bind(const PortalShortcut &shortcut);
    bool bound() const { return !trigger_.isEmpty(); }

signals:
    void probed(bool available);
    void boundTo(const QString &trigger);
    void failed(quillet::bus::GlobalShortcuts::Failure failure, const QString &detail);
    void activated(const QString &shortcutId);

private slots:
    void onResponse(uint code, const QVariantMap &results);
    void onActivated(const QDBusObjectPath &session, const QString &shortcutId, qulonglong timestamp,
                     const QVariantMap &options);

private:
    using Response = std::function<void(const QVariantMap &results)>;

    // Calls a portal method that answers through a Request object's Response signal (one
    // at a time): the response runs on success, a failure is told otherwise.
    void request(const QString &method, QVariantList arguments, Response response);
    void listenForResponse(const QString &path);
    void stopListening();
    void createSession(const PortalShortcut &shortcut);
    void bindShortcut(const PortalShortcut &shortcut);
    void fail(Failure failure, const QString &detail);
    QString newToken();

    QDBusConnection bus_;
    bool available_ = false;
    bool probing_ = false;
    QString session_;
    QString trigger_;
    QString responsePath_; // the Request whose Response is awaited
    Response response_;
    int tokens_ = 0;
};

// The portal's names, for those who talk to it (and the tests' own portal).
namespace portal {
inline constexpr QLatin1StringView Service{"org.freedesktop.portal.Desktop"};
inline constexpr QLatin1StringView Path{"/org/freedesktop/portal/desktop"};
inline constexpr QLatin1StringView Interface{"org.freedesktop.portal.GlobalShortcuts"};
inline constexpr QLatin1StringView RequestInterface{"org.freedesktop.portal.Request"};
// Where the Response to a request with this token comes from, for the connection's
// unique name.
QString RequestPath(const QString &uniqueName, const QString &token);
} // namespace portal

} // namespace quillet::bus

Q_DECLARE_METATYPE(quillet::bus::PortalShortcut)
