// What a start finds in the user's folders: leftovers of a killed save, a settings file
// that is no file or a malformed one, and no HOME at all.
#include "app/SettingsStore.h"
#include "app/StaleFiles.h"
#include "app/UserHome.h"

#include "common/QStringPrinter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace quillet;

namespace {

void Write(const QString &path, const QByteArray &contents, int ageSeconds = 0)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.flush();
    if (ageSeconds > 0)
        file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
}

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TEST(StaleFiles, OldSaveLeftoversAndDeadLocksGoTheRestStays)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"Dic.ini"_s);
    Write(target, "pump\r\n", 3600);
    Write(target + u".aB3dE9"_s, "half a sa", 3600);
    const QStringList kept{u"Dic.ini"_s, u"Dic.ini.fResh1"_s, u"Dic.ini.lock"_s, u"Dic.ini.longer7"_s,
                           u"Other.ini.aB3dE9"_s};
    Write(target + u".fResh1"_s, "a save going on now");
    Write(target + u".longer7"_s, "not a leftover", 3600);
    Write(dir.filePath(u"Other.ini.aB3dE9"_s), "not ours", 3600);

    // A lock whose holder was killed goes; one held by a live process stays.
    if (const pid_t child = ::fork(); child == 0) {
        QLockFile lock(target + u".lock"_s);
        ::_exit(lock.tryLock(0) ? 0 : 1);
    } else {
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_EQ(WEXITSTATUS(status), 0);
    }
    ASSERT_TRUE(QFile::exists(target + u".lock"_s));
    EXPECT_EQ(RemoveStaleSaveLeftovers(target), 2);
    EXPECT_FALSE(QFile::exists(target + u".lock"_s));

    QLockFile held(target + u".lock"_s);
    ASSERT_TRUE(held.tryLock(0));
    EXPECT_EQ(RemoveStaleSaveLeftovers(target), 0);
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    EXPECT_EQ(left, kept);
    EXPECT_EQ(Read(target), "pump\r\n");
}

TEST(UserHome, AnUnsetOrEmptyHomeComesFromThePasswordDatabase)
{
    const QByteArray before = qgetenv("HOME");
    const QByteArray fromDatabase = HomeFromPasswordDatabase();
    ASSERT_FALSE(fromDatabase.isEmpty());

    qunsetenv("HOME");
    EnsureHomeIsSet();
    EXPECT_EQ(qgetenv("HOME"), fromDatabase);
    EXPECT_TRUE(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                    .startsWith(QFile::decodeName(fromDatabase)));
    qputenv("HOME", "");
    EnsureHomeIsSet();
    EXPECT_EQ(qgetenv("HOME"), fromDatabase);
    qputenv("HOME", "/somewhere/else");
    EnsureHomeIsSet();
    EXPECT_EQ(qgetenv("HOME"), "/somewhere/else");
    qputenv("HOME", before);
}

class SettingsFileTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QStandardPaths::setTestModeEnabled(true); }
    void SetUp() override
    {
        QDir().mkpath(QFileInfo(path_).absolutePath());
        Clear();
    }
    void TearDown() override { Clear(); }
    void Clear() const
    {
        QDir(path_).removeRecursively();
        QFile::remove(path_);
    }
    static bool Save(SettingsStore &store)
    {
        store.save(u"Dict", u"1"_s);
        return store.sync();
    }

    const QString path_ = SettingsStore::filePath();
};

TEST_F(SettingsFileTest, ANonRegularOrHugeFileIsNeitherReadNorReplaced)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path_).constData(), 0600), 0);
    {
        SettingsStore store; // would wait forever if it opened the FIFO
        EXPECT_EQ(store.get(u"Dict", u"0"_s), u"0"_s);
        EXPECT_FALSE(Save(store));
        EXPECT_EQ(store.problem(), u"not a regular file"_s);
    }
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(path_).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));

    Clear();
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, path_));
    SettingsStore toZero;
    EXPECT_FALSE(Save(toZero));
    EXPECT_EQ(QFileInfo(path_).symLinkTarget(), u"/dev/zero"_s);

    Clear();
    Write(path_, "[Startup]\nDict=1\n" + QByteArray(SettingsStore::MaxFileBytes, '#'));
    SettingsStore huge;
    EXPECT_EQ(huge.get(u"Dict", u"0"_s), u"0"_s);
    EXPECT_FALSE(Save(huge));
}

TEST_F(SettingsFileTest, AMalformedOrBomPrefixedFileIsReplacedAndReportedSaved)
{
    for (const QByteArray &contents : {QByteArray("\xEF\xBB\xBF[Startup]\r\nDict=0\r\n"),
                                       QByteArray("no section\n=\n[Startup\nDict\n\xFF\xFE\n")}) {
        Write(path_, contents);
        SettingsStore store;
        EXPECT_TRUE(Save(store)) << store.problem().toStdString();
        EXPECT_EQ(SettingsStore().get(u"Dict", u"none"_s), u"1"_s);
    }
}

} // namespace
