// SPDX-License-Identifier: GPL-3.0-or-later
// What a start finds in the user's folders: leftovers of a killed save, a settings file
// that is no file at all, and no HOME.
#include "core/app/SettingsStore.h"
#include "core/app/StaleFiles.h"
#include "core/app/UserHome.h"

#include "common/QStringPrinter.h"
#include "common/TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace quillet;

namespace {

void Write(const QString &path, int ageSeconds)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
}

TEST(StaleFiles, OldSaveLeftoversAndDeadLocksGoTheRestStays)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"Dic.ini"_s);
    const QStringList kept{u"Dic.ini"_s, u"Dic.ini.fResh1"_s, u"Dic.ini.lock"_s, u"Dic.ini.longer7"_s, u"X.ini.aB3dE9"_s};
    for (const QString &name : {u"Dic.ini"_s, u"Dic.ini.longer7"_s, u"Dic.ini.aB3dE9"_s, u"X.ini.aB3dE9"_s})
        Write(dir.filePath(name), 3600);
    Write(dir.filePath(u"Dic.ini.fResh1"_s), 0); // a save going on now
    // A lock whose holder was killed goes; one held by a live process stays.
    if (const pid_t child = ::fork(); child == 0)
        ::_exit(QLockFile(target + u".lock"_s).tryLock(0) ? 0 : 1);
    else
        ::waitpid(child, nullptr, 0);
    ASSERT_TRUE(QFile::exists(target + u".lock"_s));
    EXPECT_EQ(RemoveStaleSaveLeftovers(target), 2);

    QLockFile held(target + u".lock"_s);
    ASSERT_TRUE(held.tryLock(0));
    EXPECT_EQ(RemoveStaleSaveLeftovers(target), 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), kept);
}

TEST(UserHome, AnUnsetOrEmptyHomeComesFromThePasswordDatabase)
{
    const QByteArray before = qgetenv("HOME");
    const QByteArray fromDatabase = HomeFromPasswordDatabase();
    ASSERT_FALSE(fromDatabase.isEmpty());
    for (const bool unset : {true, false}) {
        unset ? (void)qunsetenv("HOME") : (void)qputenv("HOME", "");
        EnsureHomeIsSet();
        EXPECT_EQ(qgetenv("HOME"), fromDatabase);
        EXPECT_TRUE(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                        .startsWith(QFile::decodeName(fromDatabase)));
    }
    qputenv("HOME", "/elsewhere");
    EnsureHomeIsSet();
    EXPECT_EQ(qgetenv("HOME"), "/elsewhere");
    qputenv("HOME", before);
}

// Only a readable regular file of a settings file's size is read or replaced; a save to
// anything else fails and leaves it as it was.
TEST(SettingsFile, AFileThatCannotBeUsedIsNeitherReadNorReplaced)
{
    QStandardPaths::setTestModeEnabled(true);
    const QString path = SettingsStore::filePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const auto saved = [] {
        SettingsStore store; // would wait forever if it opened a FIFO
        EXPECT_EQ(store.get(u"Dict", u"0"_s), u"0"_s);
        store.save(u"Dict", u"1"_s);
        return store.sync();
    };
    const auto fresh = [&path] {
        QDir(path).removeRecursively();
        QFile::remove(path);
    };
    fresh();
    EXPECT_TRUE(saved());
    EXPECT_TRUE(quillet::testing::ReadFile(path).contains("Dict=1"));

    fresh();
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_FALSE(saved());
    struct stat status {};
    EXPECT_TRUE(::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode));

    fresh();
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, path));
    EXPECT_FALSE(saved());
    EXPECT_EQ(QFileInfo(path).symLinkTarget(), u"/dev/zero"_s);

    fresh();
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_FALSE(saved());
    EXPECT_TRUE(QFileInfo(path).isDir());

    fresh();
    const QByteArray huge = "[Startup]\nDict=1\n" + QByteArray(SettingsStore::MaxFileBytes, '#');
    quillet::testing::WriteFile(path, huge);
    EXPECT_FALSE(saved());
    EXPECT_EQ(QFileInfo(path).size(), huge.size());

    // Keys of another program's fill the file up to the limit no further; the file that
    // comes out is read at the next start. A 60,000-byte file of garbage grew past it once.
    fresh();
    QByteArray garbage;
    QRandomGenerator random(19);
    while (garbage.size() < 60000) {
        const int c = random.bounded(32, 256);
        garbage += random.bounded(12) == 0 ? '\n' : random.bounded(12) == 0 ? '=' : char(c);
    }
    quillet::testing::WriteFile(path, garbage);
    {
        SettingsStore store;
        store.save(u"Dict", u"1"_s);
        ASSERT_TRUE(store.sync());
        EXPECT_GT(store.droppedKeys(), 0);
    }
    EXPECT_LE(QFileInfo(path).size(), SettingsStore::MaxFileBytes);
    EXPECT_EQ(SettingsStore().get(u"Dict", u"0"_s), u"1"_s);

    // A read-only file is read but not replaced; the failed save is reported.
    if (geteuid() != 0) {
        fresh();
        quillet::testing::WriteFile(path, "[Startup]\nDict=0\n");
        ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
        EXPECT_FALSE(saved());
        EXPECT_EQ(quillet::testing::ReadFile(path), "[Startup]\nDict=0\n");
    }
    fresh();
}

} // namespace
