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

#include <ctime>
#include <fcntl.h>
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

// The private folders of processes that are gone (a settings save killed while it tried
// its file out, an earlier version killed while it extracted), and the unnamed trial
// folders of earlier versions once they are old; nothing else.
TEST(StaleFiles, FoldersOfProcessesThatAreGoneAndOldTrialFoldersAreRemoved)
{
    const pid_t deadPid = ::fork();
    if (deadPid == 0)
        ::_exit(0);
    ::waitpid(deadPid, nullptr, 0);
    QTemporaryDir temp;
    const QDir dir(temp.path());
    const QString dead = QString::number(deadPid);
    const QStringList stale{u"quillet-%1-aB3dE9"_s.arg(dead), u"Quillet-oLd123"_s};
    QStringList kept{QFileInfo(PrivateFolderTemplate(dir.path())).fileName().replace(u"XXXXXX"_s, u"aB3dE9"_s),
                     u"quillet-1-aB3dE9"_s, u"quillet-%1-longer7"_s.arg(dead), u"other-%1-aB3dE9"_s.arg(dead),
                     u"Quillet-fResh1"_s, u"Quillet-mInE22"_s, u"target"_s};
    for (const QString &name : kept + stale)
        ASSERT_TRUE(dir.mkdir(name));
    Write(dir.filePath(stale[0] + u"/trial.ini"_s), 0);
    Write(dir.filePath(u"Quillet-oLd123/trial.ini.lock"_s), 0);
    Write(dir.filePath(u"Quillet-mInE22/notes.txt"_s), 0);
    for (const QString &old : {u"Quillet-oLd123"_s, u"Quillet-mInE22"_s}) {
        const timespec times[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 3600, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(dir.filePath(old)).constData(), times, 0), 0);
    }
    kept.append(u"quillet-%1-lInK99"_s.arg(dead));
    ASSERT_TRUE(QFile::link(dir.filePath(u"target"_s), dir.filePath(kept.last())));

    EXPECT_EQ(RemoveStaleFolders(dir.path()), 2);
    kept.sort();
    EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), kept);
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
    // comes out is read at the next start. A 60,000-byte file whose values double when
    // written (each tab becomes \t) grew past it once.
    fresh();
    QByteArray others = "[Other]\n";
    for (int k = 0; others.size() < 60000; ++k)
        others += "key" + QByteArray::number(k) + "=a" + QByteArray(60, '\t') + "b\n";
    quillet::testing::WriteFile(path, others);
    {
        SettingsStore store;
        store.save(u"Dict", u"1"_s);
        ASSERT_TRUE(store.sync());
        EXPECT_GT(store.droppedKeys(), 0);
    }
    EXPECT_LE(QFileInfo(path).size(), SettingsStore::MaxFileBytes);
    EXPECT_EQ(SettingsStore().get(u"Dict", u"0"_s), u"1"_s);

    // A file that is no settings text at all is moved aside once, and the defaults serve.
    fresh();
    QByteArray garbage(4000, '\0');
    QRandomGenerator(19).fillRange(reinterpret_cast<quint32 *>(garbage.data()), garbage.size() / 4);
    quillet::testing::WriteFile(path, garbage);
    const QString aside = path + u".unreadable"_s;
    QFile::remove(aside);
    {
        SettingsStore store;
        EXPECT_EQ(store.setAside(), aside);
        EXPECT_EQ(store.get(u"Dict", u"0"_s), u"0"_s);
        store.save(u"Dict", u"1"_s);
        ASSERT_TRUE(store.sync());
    }
    EXPECT_EQ(quillet::testing::ReadFile(aside), garbage);
    EXPECT_EQ(quillet::testing::ReadFile(path), "[Startup]\nDict=1\n");
    EXPECT_TRUE(SettingsStore().setAside().isEmpty());
    QFile::remove(aside);

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
