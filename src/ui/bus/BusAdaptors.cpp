// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/bus/BusAdaptors.h"

#include "core/bus/BusNames.h"
#include "ui/bus/WindowBus.h"
#include "ui/mainwindow/Form1.h"

#include <QDBusConnection>
#include <QDBusMessage>

using namespace Qt::StringLiterals;

namespace quillet {

DictionaryAdaptor::DictionaryAdaptor(ExportedObject *exported, WindowBus &bus)
    : QDBusAbstractAdaptor(exported), call_(*exported), bus_(bus)
{
}

bool DictionaryAdaptor::refuse(const std::optional<bus::BusError> &problem)
{
    if (problem)
        call_.sendErrorReply(problem->name, problem->message);
    return problem.has_value();
}

void DictionaryAdaptor::waitForLoad(std::function<void()> request)
{
    if (!bus_.whenLoaded(std::move(request)))
        refuse(bus::TooManyWaiting());
}

QList<ReportDirection> DictionaryAdaptor::Lookup(const QString &word, const QString &direction, bool ignoreDiacritics,
                                                 bool &withSource)
{
    withSource = false;
    const std::variant<LookupRequest, bus::BusError> arguments = bus::LookupArguments(word, direction, ignoreDiacritics);
    if (const auto *problem = std::get_if<bus::BusError>(&arguments)) {
        refuse(*problem);
        return {};
    }
    const LookupRequest request = std::get<LookupRequest>(arguments);
    if (bus_.loaded()) {
        const LookupReport report = bus_.form().LookupForCaller(request);
        withSource = report.withSource;
        return report.directions;
    }
    // Answered once the dictionary has loaded.
    call_.setDelayedReply(true);
    const QDBusMessage call = call_.message();
    QDBusConnection bus = call_.connection();
    WindowBus &window = bus_;
    waitForLoad([call, bus, request, &window]() mutable {
        const LookupReport report = window.form().LookupForCaller(request);
        bus.send(call.createReply(QVariantList{QVariant::fromValue(report.directions), report.withSource}));
    });
    return {};
}

void DictionaryAdaptor::ShowWord(const QString &word)
{
    if (refuse(bus::CheckWord(word)))
        return;
    Form1 &form = bus_.form();
    form.RaiseWindow(); // at once, while it loads too
    waitForLoad([&form, word = word.trimmed()] { form.ShowWord(word); });
}

void DictionaryAdaptor::ShowPopup(const QString &word)
{
    if (refuse(bus::CheckWord(word)))
        return;
    Form1 &form = bus_.form();
    waitForLoad([&form, word = word.trimmed()] { form.ShowPopup(word); });
}

void DictionaryAdaptor::ShowSelection()
{
    const QString word = WindowBus::SelectedWord();
    if (word.isEmpty()) {
        call_.sendErrorReply(bus::InvalidArgumentError(), u"nothing is selected, and the clipboard holds no word"_s);
        return;
    }
    Form1 &form = bus_.form();
    waitForLoad([&form, word] { form.ShowPopup(word); });
}

ApplicationAdaptor::ApplicationAdaptor(ExportedObject *exported, WindowBus &bus)
    : QDBusAbstractAdaptor(exported), call_(*exported), bus_(bus)
{
}

void ApplicationAdaptor::Activate(const QVariantMap &)
{
    bus_.form().RaiseWindow();
}

void ApplicationAdaptor::Open(const QStringList &, const QVariantMap &)
{
    bus_.form().RaiseWindow();
}

void ApplicationAdaptor::ActivateAction(const QString &name, const QVariantList &, const QVariantMap &)
{
    call_.sendErrorReply(QDBusError::NotSupported, u"the dictionary has no action \"%1\""_s.arg(name.left(80)));
}

} // namespace quillet
