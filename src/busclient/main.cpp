// SPDX-License-Identifier: GPL-3.0-or-later
// quillet-bus: a request put to the dictionary window that runs in the session. The
// starter runs it, in place of quillet-cli or quillet-app, when the window's lock file
// tells that one runs. It hands its arguments to the window's CommandLine method, which
// answers a look-up (every format), --help and a usage error with what quillet-cli would
// print, byte for byte, and takes the window's start, --show and --selection itself; then
// it writes that answer and ends with its status. It links the C library and libdbus only,
// so it starts and ends in a few milliseconds.
// When the window does not answer after all (it has just ended, it leaves the request to
// the command line, the lock was not a window's), the program that runs without a window
// takes the request with the same arguments, and so answers it as it would have.
#include "starter/StartPrograms.h"

#include <dbus/dbus.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A window that is still loading its dictionary answers once it has.
constexpr int CallTimeoutMs = 60'000;
using quillet::start::ExitError;

struct ConnectionEnd {
    void operator()(DBusConnection *connection) const
    {
        dbus_connection_close(connection);
        dbus_connection_unref(connection);
    }
};
struct MessageEnd {
    void operator()(DBusMessage *message) const { dbus_message_unref(message); }
};
using Connection = std::unique_ptr<DBusConnection, ConnectionEnd>;
using Message = std::unique_ptr<DBusMessage, MessageEnd>;

class Error {
public:
    Error() { dbus_error_init(&error_); }
    ~Error() { dbus_error_free(&error_); }
    Error(const Error &) = delete;
    Error &operator=(const Error &) = delete;
    DBusError *get() { return &error_; }

private:
    DBusError error_;
};

// What the window answered: the exit status and the two streams' text, which the reply
// holds.
struct Answer {
    Message reply;
    dbus_int32_t status = ExitError;
    const char *output = nullptr;
    const char *errors = nullptr;
};

// Every argument must be UTF-8 to travel as a D-Bus string; the command line takes the
// rest.
bool AllUtf8(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (!dbus_validate_utf8(argv[i], nullptr))
            return false;
    return true;
}

bool AskWindow(int argc, char **argv, Answer &answer)
{
    // A broken pipe ends this program as it ends quillet-cli: libdbus leaves SIGPIPE alone.
    dbus_connection_set_change_sigpipe(FALSE);
    Error error;
    const Connection bus(dbus_bus_get_private(DBUS_BUS_SESSION, error.get()));
    if (!bus)
        return false;
    dbus_connection_set_exit_on_disconnect(bus.get(), FALSE);
    const Message call(
        dbus_message_new_method_call(QUILLET_APPSTREAM_ID, QUILLET_BUS_OBJECT_PATH, QUILLET_BUS_INTERFACE, "CommandLine"));
    if (!call)
        return false;
    dbus_message_set_auto_start(call.get(), FALSE); // a window that has ended is not started again here
    char **arguments = argv + 1;
    if (!dbus_message_append_args(call.get(), DBUS_TYPE_ARRAY, DBUS_TYPE_STRING, &arguments, argc - 1,
                                  DBUS_TYPE_INVALID))
        return false;
    answer.reply.reset(dbus_connection_send_with_reply_and_block(bus.get(), call.get(), CallTimeoutMs, error.get()));
    return answer.reply
           && dbus_message_get_args(answer.reply.get(), error.get(), DBUS_TYPE_INT32, &answer.status,
                                    DBUS_TYPE_STRING, &answer.output, DBUS_TYPE_STRING, &answer.errors,
                                    DBUS_TYPE_INVALID);
}

bool WriteAll(int descriptor, const char *text)
{
    for (std::size_t left = std::strlen(text); left > 0;) {
        const ssize_t written = ::write(descriptor, text, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        text += written;
        left -= std::size_t(written);
    }
    return true;
}

// The program the starter runs when no window runs, beside this one, with the ending
// signals held back again as the starter left them.
int RunWithoutWindow(int argc, char **argv)
{
    const char *const name = argc > 1 ? quillet::start::CommandLineProgram : quillet::start::WindowProgram;
    char folder[PATH_MAX];
    char program[PATH_MAX];
    if (quillet::start::OwnFolder(folder)
        && std::snprintf(program, sizeof program, "%s/%s", folder, name) < int(sizeof program)) {
        quillet::start::HoldEndingSignals(true);
        ::execv(program, argv);
    }
    std::fprintf(stderr, "quillet: %s cannot be started: %s\n", name, std::strerror(errno));
    return ExitError;
}

} // namespace

int main(int argc, char **argv)
{
    // A closed output would give its number to the bus's connection: the command line says so.
    if (::fcntl(STDOUT_FILENO, F_GETFD) == -1 || !AllUtf8(argc, argv))
        return RunWithoutWindow(argc, argv);
    // A request waiting for the window ends at Ctrl+C, as any command does.
    quillet::start::HoldEndingSignals(false);
    Answer answer;
    if (!AskWindow(argc, argv, answer))
        return RunWithoutWindow(argc, argv);
    if (!WriteAll(STDOUT_FILENO, answer.output)) {
        std::fprintf(stderr, "quillet: the output could not be written: %s\n", std::strerror(errno));
        return ExitError;
    }
    WriteAll(STDERR_FILENO, answer.errors);
    return answer.status;
}
