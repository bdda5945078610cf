// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace quillet {

// Turns the requests to end the program that come from outside it into one Qt signal
// on the event loop: SIGTERM (logout, kill), SIGHUP (the terminal went away) and SIGINT
// (Ctrl+C). The system's signal handler only writes the signal's number to a pipe kept
// for the whole run, which is safe inside a handler; the event loop reads it and emits
// requested(). A request that comes before the event loop runs waits in the pipe.
class ShutdownRequests : public QObject {
    Q_OBJECT
public:
    // Takes the three signals over and lets them in (the starter holds them back until
    // the program can answer them). Called first thing, before anything slow; from then
    // on the handling stays to the end of the process.
    static void TakeOverSignals();
    // Lets the three signals in with their default handling: a command-line request ends
    // at one as any command does.
    static void LeaveSignalsToTheSystem();

    // Takes the signals over when that has not been done yet. One object at a time.
    explicit ShutdownRequests(QObject *parent = nullptr);
    ~ShutdownRequests() override;

    ShutdownRequests(const ShutdownRequests &) = delete;
    ShutdownRequests &operator=(const ShutdownRequests &) = delete;

signals:
    void requested(int signalNumber);

private:
    void readRequest();

    QSocketNotifier *notifier_ = nullptr;
};

} // namespace quillet
