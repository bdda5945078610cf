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

// The pipe's two ends: the handler writes, the event loop reads. Once made it stays open
// to the end, so a late signal never writes to a descriptor that has become another's.
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

void LetIn()
{
    sigset_t ending;
    sigemptyset(&ending);
    for (const int signalNumber : HandledSignals)
        sigaddset(&ending, signalNumber);
    ::sigprocmask(SIG_UNBLOCK, &ending, nullptr);
}

} // namespace

void ShutdownRequests::TakeOverSignals()
{
    if (requestPipe[0] >= 0)
        return;
    // Without a pipe the signals keep their default handling.
    if (::pipe2(requestPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        for (const int signalNumber : HandledSignals)
            Handle(signalNumber, WriteRequest);
    }
    // A signal that came while they were held back is handled here, in order.
    LetIn();
}

void ShutdownRequests::LeaveSignalsToTheSystem()
{
    LetIn();
}

ShutdownRequests::ShutdownRequests(QObject *parent) : QObject(parent)
{
    TakeOverSignals();
    if (requestPipe[0] < 0)
        return;
    notifier_ = new QSocketNotifier(requestPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ShutdownRequests::readRequest);
}

ShutdownRequests::~ShutdownRequests()
{
    if (notifier_ != nullptr)
        notifier_->setEnabled(false);
}

void ShutdownRequests::readRequest()
{
    char number = 0;
    while (::read(requestPipe[0], &number, 1) == 1)
        emit requested(int(number));
}

} // namespace quillet
