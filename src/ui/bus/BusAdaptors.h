// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/bus/BusReport.h"
#include "core/bus/BusRequests.h"

#include <QDBusAbstractAdaptor>
#include <QDBusContext>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <optional>

namespace quillet {

class WindowBus;

// The object the two interfaces are exported on. The call being answered is known to it
// (Qt D-Bus gives it to the object that carries an adaptor, not to the adaptor).
class ExportedObject : public QObject, public QDBusContext {
    Q_OBJECT
};

// The dictionary's own interface on the session bus (its description is installed as
// share/dbus-1/interfaces/<interface>.xml). Bad arguments are answered with a D-Bus
// error that says what is wrong; the window goes on as before.
class DictionaryAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", QUILLET_BUS_INTERFACE)
public:
    DictionaryAdaptor(ExportedObject *exported, WindowBus &bus);

public slots:
    // The lists --lookup prints for the word: direction "er", "re" or "" for both;
    // withSource when the user has pairs of their own (the lists then count those that
    // lead them).
    QList<ReportDirection> Lookup(const QString &word, const QString &direction, bool ignoreDiacritics,
                                  bool &withSource);
    // The command line of `quillet` (the arguments after the program's name), answered as
    // the program run without a window answers it: a look-up in any format, --help or a
    // usage error with the text it prints on its output and on its errors and its exit
    // status; the window's start, --show and --selection done here. What reads or writes
    // the user's files (--version, --import, --export), and a look-up of a word Lookup
    // would refuse, is refused with Error.NotSupported or Error.InvalidArgument: the
    // command line's own program answers those.
    int CommandLine(const QStringList &arguments, QString &output, QString &errors);
    // Raises the window with the word searched, as if typed, and puts it in the history.
    void ShowWord(const QString &word);
    // The pop-up with the word's first entries beside the pointer.
    void ShowPopup(const QString &word);
    // The pop-up for the selected text (the clipboard's when nothing is selected).
    void ShowSelection();

private:
    bool refuse(const std::optional<bus::BusError> &problem);
    std::optional<bus::BusError> whenLoaded(std::function<void()> request);
    // Answers the call being served now, or once the dictionary has loaded.
    void replyWhenLoaded(std::function<QVariantList()> reply);
    std::optional<bus::BusError> showWord(const QString &word);
    std::optional<bus::BusError> showSelection();

    ExportedObject &call_;
    WindowBus &bus_;
};

// org.freedesktop.Application, through which a desktop starts and raises a program whose
// menu entry says DBusActivatable=true.
class ApplicationAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    ApplicationAdaptor(ExportedObject *exported, WindowBus &bus);

public slots:
    void Activate(const QVariantMap &platformData);
    void Open(const QStringList &uris, const QVariantMap &platformData);
    void ActivateAction(const QString &name, const QVariantList &parameter, const QVariantMap &platformData);

private:
    ExportedObject &call_;
    WindowBus &bus_;
};

} // namespace quillet
