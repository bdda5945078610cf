// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/bus/WindowBus.h"

#include "CommandLine.h"
#include "core/app/CommandLineRequest.h"
#include "core/bus/BusNames.h"
#include "core/bus/BusReport.h"
#include "core/bus/GlobalShortcuts.h"
#include "core/bus/RunningDictionary.h"
#include "core/bus/SelectionKeyTexts.h"
#include "core/bus/SelectionWord.h"
#include "ui/bus/BusAdaptors.h"
#include "ui/mainwindow/Form1.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QGuiApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace quillet {

WindowBus::WindowBus(Form1 &form) : form_(form), exported_(std::make_unique<ExportedObject>())
{
    bus::RegisterReportTypes();
    new DictionaryAdaptor(exported_.get(), *this); // owned by exported_, as Qt D-Bus wants adaptors
    new ApplicationAdaptor(exported_.get(), *this);
}

WindowBus::~WindowBus()
{
    if (!claimed_)
        return;
    lock_.release(); // before the name: a command started now finds no window, or one that answers
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(bus::ServiceName());
    bus.unregisterObject(bus::ObjectPath());
}

WindowBus::Claim WindowBus::claim()
{
    if (!bus::SessionBusExpected()) {
        problem_ = u"DBUS_SESSION_BUS_ADDRESS is not set"_s;
        return Claim::NoBus;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        problem_ = bus.lastError().message();
        return Claim::NoBus;
    }
    if (!bus.registerObject(bus::ObjectPath(), exported_.get(), QDBusConnection::ExportAdaptors)) {
        problem_ = bus.lastError().message();
        return Claim::NoBus;
    }
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = bus.interface()->registerService(
        bus::ServiceName(), QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        claimed_ = true;
        if (!lock_.take())
            qWarning("quillet: the session's lock file could not be taken: a command line started now loads "
                     "the dictionary itself");
        offerSelectionKey(bus);
        return Claim::Claimed;
    }
    bus.unregisterObject(bus::ObjectPath());
    if (!reply.isValid()) {
        problem_ = reply.error().message();
        return Claim::NoBus;
    }
    return Claim::Taken;
}

std::optional<int> WindowBus::HandOver(const QStringList &arguments)
{
    const CommandLineRequest request = ParseCommandLine(arguments);
    bus::RunningDictionary running;
    bus::RunningDictionary::Outcome outcome = bus::RunningDictionary::Outcome::NoWindow;
    switch (request.kind) {
    case CommandLineRequest::Window:
        outcome = running.call(u"Activate"_s, {QVariant::fromValue(QVariantMap())}, bus::ApplicationInterfaceName());
        break;
    case CommandLineRequest::Show:
        outcome = running.call(u"ShowWord"_s, {request.lookup.word});
        break;
    case CommandLineRequest::Selection:
        outcome = running.call(u"ShowSelection"_s, {});
        break;
    default:
        return std::nullopt;
    }
    switch (outcome) {
    case bus::RunningDictionary::Outcome::Answered: return ExitFound;
    case bus::RunningDictionary::Outcome::NoBus:
    case bus::RunningDictionary::Outcome::NoWindow: return std::nullopt;
    case bus::RunningDictionary::Outcome::Refused: break;
    }
    std::fputs(qUtf8Printable(ErrorLine(running.problem())), stderr);
    return ExitError;
}

// The one window of the session takes the key; the portal is asked once the dictionary
// has loaded, so that the start waits for nothing, and a key registered in an earlier run
// is asked for again (the desktop keeps it only as long as the session).
void WindowBus::offerSelectionKey(const QDBusConnection &bus)
{
    portal_ = std::make_unique<bus::GlobalShortcuts>(bus);
    form_.offerSelectionKey(*portal_);
    connect(portal_.get(), &bus::GlobalShortcuts::activated, this, [this](const QString &id) {
        if (id == bus::SelectionShortcutId)
            showSelection();
    });
    connect(portal_.get(), &bus::GlobalShortcuts::probed, this, [this](bool available) {
        if (available && form_.selectionKeyRegistered())
            portal_->bind(SelectionShortcut(form_.inEnglish()));
    });
}

void WindowBus::windowLoaded()
{
    loaded_ = true;
    waiting_.runAll();
    if (portal_)
        portal_->probe();
}

void WindowBus::showSelection()
{
    whenLoaded([this] {
        if (const QString word = SelectedWord(); !word.isEmpty())
            form_.ShowPopup(word);
    });
}

bool WindowBus::whenLoaded(std::function<void()> request)
{
    if (!loaded_)
        return waiting_.add(std::move(request));
    request();
    return true;
}

QString WindowBus::SelectedWord()
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return {};
    QString word;
    if (clipboard->supportsSelection())
        word = SelectionWord(clipboard->text(QClipboard::Selection));
    if (word.isEmpty())
        word = SelectionWord(clipboard->text(QClipboard::Clipboard));
    return word;
}

} // namespace quillet
