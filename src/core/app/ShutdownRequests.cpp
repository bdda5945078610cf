// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/ShutdownRequests.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace quillet {

namespace {

constexpr std::array HandledSignals{SIGTERM, SIGHUP, SIGINT};

// The pipe's two ends: the handler writes, the event loop reads.
int requestPipe[2] = {-1, -1};

extern "C" void WriteRequest(int signalNumber)
{
    const int savedErrno = errno;
    const char number = char(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(requestPipe[1], &number, 1);
    errno = savedErrno;
}

void Handle(int signalNumber, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signalNumber, &action, nullptr);
}

} // namespace

ShutdownRequests::ShutdownRequests(QObject *parent) : QObject(parent)
{
    if (::pipe2(requestPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // the signals keep their default handling
    notifier_ = new QSocketNotifier(requestPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ShutdownRequests::readRequest);
    for (const int signalNumber : HandledSignals)
        Handle(signalNumber, WriteRequest);
}

ShutdownRequests::~ShutdownRequests()
{
    if (notifier_ == nullptr)
        return;
    for (const int signalNumber : HandledSignals)
        Handle(signalNumber, SIG_DFL);
    notifier_->setEnabled(false);
    ::close(requestPipe[0]);
    ::close(requestPipe[1]);
    requestPipe[0] = requestPipe[1] = -1;
}

void ShutdownRequests::readRequest()
{
    char number = 0;
    while (::read(requestPipe[0], &number, 1) == 1)
        emit requested(int(number));
}

} // namespace quillet
