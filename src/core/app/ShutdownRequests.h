// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace quillet {

// Turns the requests to end the program that come from outside it into one Qt signal
// on the event loop: SIGTERM (logout, kill), SIGHUP (the terminal went away) and SIGINT
// (Ctrl+C). The system's signal handler only writes the signal's number to a pipe of
// this object's own, which is safe inside a handler; the event loop reads it and emits
// requested(). One object at a time; it gives the signals back to their default
// handling when it goes.
class ShutdownRequests : public QObject {
    Q_OBJECT
public:
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
