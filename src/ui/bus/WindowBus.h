// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/bus/BusRequests.h"
#include "core/bus/SessionLock.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace quillet {

class ExportedObject;
class Form1;
namespace bus {
class GlobalShortcuts;
}

// The window's place on the session bus: the program's name, held by one window a
// session, and the object that answers the dictionary's interface and
// org.freedesktop.Application. Requests that come while the dictionary loads wait and
// run, in order, once it has. Where the desktop has a global shortcuts portal, the key the
// user registered there shows the pop-up for the selection, as `quillet --selection` does.
class WindowBus : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        Claimed, // this window holds the name
        Taken,   // another window holds it
        NoBus,   // there is no session bus: see problem()
    };

    explicit WindowBus(Form1 &form);
    ~WindowBus() override;

    // Exports the object and takes the name, and the session's lock file with it (see
    // SessionLock.h), which tells the starter that a window runs.
    Claim claim();
    const QString &problem() const { return problem_; }

    // Hands the window's start, --show WORD or --selection to the window that holds the
    // name. Returns the exit status when it answered (or refused, said on stderr);
    // nullopt when it has ended meanwhile: then this window runs.
    static std::optional<int> HandOver(const QStringList &arguments);

    // The load has ended: the requests that waited run.
    void windowLoaded();
    bool loaded() const { return loaded_; }
    // Runs the request now, or once the window has loaded; false when too many wait.
    bool whenLoaded(std::function<void()> request);

    Form1 &form() const { return form_; }

    // The pop-up for the text selected in any program, once the window has loaded.
    void showSelection();
    // The desktop's global shortcuts portal, asked once the window has loaded; none
    // before the name is held.
    const bus::GlobalShortcuts *selectionKey() const { return portal_.get(); }

    // The text selected in any program, or the clipboard's when the platform has no
    // selection or nothing is selected, trimmed to the word or phrase it is looked up by.
    static QString SelectedWord();

private:
    void offerSelectionKey(const QDBusConnection &bus);

    Form1 &form_;
    std::unique_ptr<ExportedObject> exported_; // carries the two interfaces
    std::unique_ptr<bus::GlobalShortcuts> portal_; // once the name is held
    bus::WaitingRequests waiting_;
    bus::SessionLock lock_; // held with the name
    bool loaded_ = false;
    bool claimed_ = false;
    QString problem_;
};

} // namespace quillet
