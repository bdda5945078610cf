// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusMessage>
#include <QString>
#include <QVariantList>

namespace quillet::bus {

// Whether the environment points to a session bus (SessionBusAddress). Without one no
// bus is started to look for one.
bool SessionBusExpected();

// The dictionary window that runs in this session, as a second start of the window
// reaches it. Nothing is started through the bus to answer (a call never starts a
// window); a window that is still loading answers once it has loaded.
class RunningDictionary {
public:
    enum class Outcome {
        Answered, // the window did what was asked
        NoBus,    // there is no session bus
        NoWindow, // no window holds the name
        Refused,  // the window answered with an error: see problem()
    };

    RunningDictionary();

    // Calls a method of the dictionary's interface (or of org.freedesktop.Application).
    Outcome call(const QString &method, const QVariantList &arguments, const QString &interface = {});

    // What the window or the bus said when the last call failed.
    const QString &problem() const { return problem_; }
    const QDBusMessage &reply() const { return reply_; }

private:
    bool busExpected_;
    QString problem_;
    QDBusMessage reply_;
};

} // namespace quillet::bus
