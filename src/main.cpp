// SPDX-License-Identifier: GPL-3.0-or-later
// Quillet: the dictionary window, or a look-up on the command line.
#include "CommandLine.h"
#include "core/app/CommandLineRequest.h"
#include "core/app/DisplayCheck.h"
#include "core/app/ShutdownRequests.h"
#include "core/app/UserHome.h"
#include "core/dictionary/DictionaryReadAhead.h"
#include "ui/bus/WindowBus.h"
#include "ui/mainwindow/Form1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QProcessEnvironment>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

int RunWithoutWindow(int argc, char **argv, const QStringList &arguments)
{
    QCoreApplication app(argc, argv);
    return quillet::AnswerOnStandardStreams(arguments, QCoreApplication::applicationDirPath());
}

// While the application object connects to the display, the window system's messages are
// held back: a display that cannot be opened ends the program with one line that says so
// and status 2, not with an abort and Qt's advice to reinstall it. Messages of a start that
// went well are passed on when it has.
class DisplayWatch {
public:
    DisplayWatch() { previous_ = qInstallMessageHandler(&DisplayWatch::hold); }
    ~DisplayWatch()
    {
        qInstallMessageHandler(previous_);
        for (const auto &[type, message] : std::exchange(held_, {}))
            previous_(type, QMessageLogContext(), message);
    }
    DisplayWatch(const DisplayWatch &) = delete;
    DisplayWatch &operator=(const DisplayWatch &) = delete;

private:
    static void hold(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type != QtFatalMsg) {
            held_.append({type, message});
            if (context.category != nullptr && QByteArrayView(context.category) == "qt.qpa.xcb"
                && message.contains(u"display"_s))
                detail_ = message;
            return;
        }
        std::fputs(qUtf8Printable(quillet::ErrorLine(quillet::CannotOpenDisplay(detail_))), stderr);
        std::fflush(stderr);
        std::_Exit(quillet::ExitError);
    }

    static inline QtMessageHandler previous_ = nullptr;
    static inline QList<std::pair<QtMsgType, QString>> held_;
    static inline QString detail_;
};

// Every page the window touches for the first time costs it: the dictionary is unpacked
// into buffers of a few megabytes that are let go once their contents are in place. Kept
// in the heap (not handed back to the system at once) and in one arena for all threads,
// their pages serve the next buffers again instead of fresh ones.
void KeepFreedMemoryForReuse()
{
    constexpr int MmapThreshold = 32 * 1024 * 1024; // the most glibc takes
    constexpr int TrimThreshold = 64 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, MmapThreshold);
    mallopt(M_TRIM_THRESHOLD, TrimThreshold);
    mallopt(M_ARENA_MAX, 1);
}

// The program's folder as the application object tells it, before there is one.
QString ProgramDirBeforeApplication()
{
    return QFileInfo(QFile::symLinkTarget(u"/proc/self/exe"_s)).absolutePath();
}

int RunWindow(int argc, char **argv, const QStringList &arguments)
{
    KeepFreedMemoryForReuse();
    if (const auto missing = quillet::MissingDisplay(QProcessEnvironment::systemEnvironment(), arguments)) {
        std::fputs(qUtf8Printable(quillet::ErrorLine(*missing)), stderr);
        return quillet::ExitError;
    }
    // The dictionary is read while the application object and the window are made.
    auto dictionary = std::make_unique<quillet::DictionaryReadAhead>(ProgramDirBeforeApplication());
    std::optional<DisplayWatch> watch(std::in_place);
    QApplication app(argc, argv);
    watch.reset();
    QCoreApplication::setApplicationName(u"Quillet"_s);
    quillet::Form1Setup setup;
    setup.programDir = QCoreApplication::applicationDirPath();
    quillet::Form1 form(setup);

    // One window a session: a window that runs already takes the request and comes to the
    // front; this start ends. Without a session bus every start is a window of its own.
    quillet::WindowBus windowBus(form);
    switch (windowBus.claim()) {
    case quillet::WindowBus::Claim::Taken:
        if (const std::optional<int> handed = quillet::WindowBus::HandOver(arguments))
            return *handed;
        break; // it ended meanwhile
    case quillet::WindowBus::Claim::NoBus:
        std::fputs(qUtf8Printable(quillet::ErrorLine(
                       u"no session bus (%1): this window runs on its own, and --show, --selection and "
                       "a second start open windows of their own"_s.arg(windowBus.problem()))),
                   stderr);
        break;
    case quillet::WindowBus::Claim::Claimed: break;
    }
    // This start is the window: its dictionary is read while the load sequence runs.
    form.startReading(std::move(dictionary));
    // What the command line asked of the window waits for the dictionary, as a request
    // over the bus would.
    const quillet::CommandLineRequest request = quillet::ParseCommandLine(arguments);
    if (request.kind == quillet::CommandLineRequest::Show)
        windowBus.whenLoaded([&form, word = request.lookup.word] { form.ShowWord(word); });
    else if (request.kind == quillet::CommandLineRequest::Selection)
        windowBus.showSelection();

    // Being told to end from outside (a signal, the desktop session closing) ends the
    // program as closing the window does: the settings and the history are stored first.
    // Told before the window loads, it ends at the first moment the load lets events in,
    // storing what was loaded.
    const auto shutDown = [&form] {
        form.close();
        QCoreApplication::exit(0);
    };
    const quillet::ShutdownRequests requests;
    QObject::connect(&requests, &quillet::ShutdownRequests::requested, &form, shutDown);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, shutDown, Qt::DirectConnection);

    switch (form.Form_Load()) {
    case quillet::Form1::LoadOutcome::Failed: return quillet::ExitError;
    case quillet::Form1::LoadOutcome::Closed: return 0;
    case quillet::Form1::LoadOutcome::Loaded: break;
    }
    windowBus.windowLoaded();
    return QApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    // The signals that end the program may be held back still (by the starter): the
    // window answers them with its orderly shut-down from here on, a command-line request
    // ends at them as any command does.
    const QStringList arguments = quillet::CommandLineArguments(argc, argv);
    const bool window = quillet::OpensWindow(arguments);
    if (window)
        quillet::ShutdownRequests::TakeOverSignals();
    else
        quillet::ShutdownRequests::LeaveSignalsToTheSystem();
    quillet::EnsureHomeIsSet();
    return window ? RunWindow(argc, argv, arguments) : RunWithoutWindow(argc, argv, arguments);
}
