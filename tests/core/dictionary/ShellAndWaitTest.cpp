// SPDX-License-Identifier: GPL-3.0-or-later
// The child-process wait, run on small shell children. This test has no application
// object of its own: the wait must work without one, and the test that needs events
// makes a QCoreApplication just for itself.
#include "core/dictionary/ShellAndWait.h"

#include "common/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;
using namespace std::chrono_literals;

namespace {

ChildCommand Shell(const QString &script, const QString &workingDirectory = QDir::currentPath())
{
    return ChildCommand{u"/bin/sh"_s, {u"-c"_s, script}, workingDirectory};
}

ShellOptions Limit(std::chrono::milliseconds limit)
{
    ShellOptions options;
    options.timeLimit = limit;
    return options;
}

// An application object for one test, as the program has one.
class LocalApplication {
public:
    LocalApplication() : app_(std::make_unique<QCoreApplication>(argc_, argv_)) {}

private:
    int argc_ = 1;
    char name_[16] = "shell-test";
    char *argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> app_;
};

TEST(ShellAndWait, AFailedStartGivesTheErrorNumberPlusTheBase)
{
    EXPECT_EQ(StartFailureCode(ErrorFileNotFound), -2147221451);
    EXPECT_EQ(ShellAndWait({u"/no/such/program"_s, {}, {}}), StartFailureCode(ErrorFileNotFound));
    EXPECT_EQ(ShellAndWait({u"no-such-program-on-the-path"_s, {}, {}}), StartFailureCode(ErrorFileNotFound));

    QTemporaryDir dir;
    EXPECT_EQ(ShellAndWait({dir.path(), {}, {}}), StartFailureCode(ErrorPermissionDenied));
    WriteFile(dir.filePath(u"plain"_s), "#!/bin/sh\nexit 0\n");
    EXPECT_EQ(ShellAndWait({dir.filePath(u"plain"_s), {}, {}}), StartFailureCode(ErrorPermissionDenied));
}

TEST(ShellAndWait, PassesTheChildsExitCodeAndErrorOutputThrough)
{
    EXPECT_EQ(ShellAndWait(Shell(u"exit 0"_s)), 0);
    EXPECT_EQ(ShellAndWait(Shell(u"exit 7"_s)), 7);

    QByteArray said;
    EXPECT_EQ(ShellAndWait(Shell(u"echo kept >&2; echo dropped; exit 3"_s), {}, &said), 3);
    EXPECT_EQ(said, "kept\n");

    // The child runs in the working directory given, whatever the current one is.
    QTemporaryDir dir;
    WriteFile(dir.filePath(u"marker"_s), {});
    EXPECT_EQ(ShellAndWait(Shell(u"test -e marker"_s, dir.path())), 0);
    QTemporaryDir other;
    EXPECT_EQ(ShellAndWait(Shell(u"test -e marker"_s, other.path())), 1);

    // More error output than a pipe holds does not stall the child.
    EXPECT_EQ(ShellAndWait(Shell(u"head -c 300000 /dev/zero >&2"_s), {}, &said), 0);
    EXPECT_EQ(said.size(), 300000);
}

TEST(ShellAndWait, AChildPastTheTimeLimitOrNoLongerWaitedForIsKilled)
{
    EXPECT_EQ(ShellAndWait({u"sleep"_s, {u"30"_s}, {}}, Limit(200ms)), StartFailureCode(ErrorTimedOut));
    EXPECT_EQ(ShellAndWait(Shell(u"kill -KILL $$"_s)), StartFailureCode(ErrorCrashed));

    ShellOptions stop = Limit(60s);
    int asked = 0;
    stop.stopWaiting = [&asked] { return ++asked == 2; };
    EXPECT_EQ(ShellAndWait({u"sleep"_s, {u"30"_s}, {}}, stop), StartFailureCode(ErrorCancelled));
    EXPECT_EQ(asked, 2);
}

TEST(ShellAndWait, EventsOfTheCallerRunWhileTheChildRuns)
{
    const LocalApplication app;
    QTemporaryDir dir;
    const QString flag = dir.filePath(u"flag"_s);
    // The child ends only once a timer of the caller's thread has fired.
    QTimer::singleShot(0, [&flag] {
        QFile file(flag);
        (void)file.open(QIODevice::WriteOnly);
    });
    EXPECT_EQ(ShellAndWait(Shell(u"while [ ! -e flag ]; do sleep 0.05; done"_s, dir.path()), Limit(20s)), 0);

    // An application that was told to quit still sees the child end.
    QCoreApplication::exit(0);
    EXPECT_EQ(ShellAndWait(Shell(u"exit 4"_s), Limit(20s)), 4);
}

} // namespace
