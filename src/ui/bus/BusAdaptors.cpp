// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/bus/BusAdaptors.h"

#include "CommandLine.h"
#include "core/app/CommandLineRequest.h"
#include "core/bus/BusNames.h"
#include "ui/bus/WindowBus.h"
#include "ui/mainwindow/Form1.h"

#include <QDBusConnection>
#include <QDBusMessage>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// A command line answered as quillet-cli answers it, the look-up by the window's dictionary.
TextAnswer AnswerWithWindow(Form1 &form, const QStringList &arguments)
{
    const RunningLookup lookup = [&form](const LookupRequest &request) { return form.LookupForCaller(request); };
    return AnswerAsText(arguments, lookup).value_or(TextAnswer{});
}

} // namespace

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

std::optional<bus::BusError> DictionaryAdaptor::whenLoaded(std::function<void()> request)
{
    if (!bus_.whenLoaded(std::move(request)))
        return bus::TooManyWaiting();
    return std::nullopt;
}

void DictionaryAdaptor::replyWhenLoaded(std::function<QVariantList()> reply)
{
    call_.setDelayedReply(true);
    const QDBusMessage call = call_.message();
    QDBusConnection bus = call_.connection();
    refuse(whenLoaded([call, bus, reply = std::move(reply)]() mutable { bus.send(call.createReply(reply())); }));
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
    Form1 &form = bus_.form();
    replyWhenLoaded([&form, request = std::get<LookupRequest>(arguments)] {
        const LookupReport report = form.LookupForCaller(request);
        return QVariantList{QVariant::fromValue(report.directions), report.withSource};
    });
    return {};
}

int DictionaryAdaptor::CommandLine(const QStringList &arguments, QString &output, QString &errors)
{
    const CommandLineRequest request = ParseCommandLine(arguments);
    std::optional<bus::BusError> problem;
    switch (request.kind) {
    case CommandLineRequest::Window:
        bus_.form().RaiseWindow();
        return ExitFound;
    case CommandLineRequest::Show: problem = showWord(request.lookup.word); break;
    case CommandLineRequest::Selection: problem = showSelection(); break;
    case CommandLineRequest::Version:
    case CommandLineRequest::Import:
    case CommandLineRequest::Export:
        refuse(bus::LeftToCommandLine(u"the request reads or writes the user's files"_s));
        return ExitError;
    case CommandLineRequest::Lookup: {
        if (refuse(bus::CheckWord(request.lookup.word)))
            return ExitError;
        Form1 &form = bus_.form();
        replyWhenLoaded([&form, arguments] {
            const TextAnswer answer = AnswerWithWindow(form, arguments);
            return QVariantList{answer.status, answer.output, answer.errors};
        });
        return ExitError;
    }
    case CommandLineRequest::Help:
    case CommandLineRequest::Invalid: {
        const TextAnswer answer = AnswerWithWindow(bus_.form(), arguments);
        output = answer.output;
        errors = answer.errors;
        return answer.status;
    }
    }
    if (!problem)
        return ExitFound;
    errors = ErrorLine(problem->message);
    return ExitError;
}

std::optional<bus::BusError> DictionaryAdaptor::showWord(const QString &word)
{
    if (std::optional<bus::BusError> problem = bus::CheckWord(word))
        return problem;
    Form1 &form = bus_.form();
    form.RaiseWindow(); // at once, while it loads too
    return whenLoaded([&form, word = word.trimmed()] { form.ShowWord(word); });
}

std::optional<bus::BusError> DictionaryAdaptor::showSelection()
{
    const QString word = WindowBus::SelectedWord();
    if (word.isEmpty())
        return bus::NothingSelected();
    Form1 &form = bus_.form();
    return whenLoaded([&form, word] { form.ShowPopup(word); });
}

void DictionaryAdaptor::ShowWord(const QString &word)
{
    refuse(showWord(word));
}

void DictionaryAdaptor::ShowPopup(const QString &word)
{
    if (refuse(bus::CheckWord(word)))
        return;
    Form1 &form = bus_.form();
    refuse(whenLoaded([&form, word = word.trimmed()] { form.ShowPopup(word); }));
}

void DictionaryAdaptor::ShowSelection()
{
    refuse(showSelection());
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
