#include "app/SettingsStore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillet::settings {
namespace {

// Every test starts with no stored settings, in the test folders rather than the user's.
class SettingsStoreTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QStandardPaths::setTestModeEnabled(true); }
    void SetUp() override { RemoveStoredFile(); }
    void TearDown() override { RemoveStoredFile(); }

    static QString StoredFile() { return SettingsStore().fileName(); }
    static void RemoveStoredFile()
    {
        const QString file = StoredFile();
        QDir(file).removeRecursively();
        QFile::remove(file);
    }
    static QByteArray StoredText()
    {
        QFile file(StoredFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static bool Stored(const SettingsToSave &values)
    {
        SettingsStore store;
        SaveSettings(store, values);
        return store.sync();
    }
};

TEST_F(SettingsStoreTest, AFirstStartGivesTheDefaults)
{
    const QString file = StoredFile();
    EXPECT_TRUE(file.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
    EXPECT_TRUE(file.contains(u"/.qttest/"_s)) << file.toStdString();
    EXPECT_TRUE(file.endsWith(u"/Dictionar Quillet.ini"_s)) << file.toStdString();

    const StoredSettings stored = LoadSettings(SettingsStore());
    EXPECT_EQ(stored.searchAsYouType, true);
    EXPECT_EQ(stored.romanianInterface, false);
    EXPECT_EQ(stored.englishRomanian, false);
    EXPECT_EQ(stored.advancedSearch, true);
    EXPECT_EQ(stored.ignoreDiacritics, false);
    EXPECT_EQ(stored.left, 3000.0f);
    EXPECT_EQ(stored.top, 3000.0f);
    EXPECT_EQ(SettingsStore().get(WidthKey, u"none"_s), u"none"_s);
}

TEST_F(SettingsStoreTest, EveryValueComesBackAtTheNextStart)
{
    ASSERT_TRUE(Stored({.searchAsYouType = false, .romanianInterface = true, .englishRomanian = true,
                        .advancedSearch = false, .left = 1234.5f, .top = -15.0f, .width = 7245.0f,
                        .height = 5010.0f}));
    const QByteArray text = StoredText();
    for (const char *line : {"[Startup]", "SearcAsYouType=False", "DictLang=True", "Dict=1",
                             "AdvSearch=False", "Left=1234.5", "Top=-15", "Width=7245", "Height=5010"})
        EXPECT_TRUE(text.contains(line)) << line << " not in\n" << text.toStdString();

    StoredSettings stored = LoadSettings(SettingsStore());
    EXPECT_EQ(stored.searchAsYouType, false);
    EXPECT_EQ(stored.romanianInterface, true);
    EXPECT_EQ(stored.englishRomanian, true);
    EXPECT_EQ(stored.advancedSearch, false);
    EXPECT_EQ(stored.left, 1234.5f);
    EXPECT_EQ(stored.top, -15.0f);

    ASSERT_TRUE(Stored({.searchAsYouType = true, .romanianInterface = false, .englishRomanian = false,
                        .advancedSearch = true, .left = 0, .top = 30, .width = 0, .height = 0}));
    stored = LoadSettings(SettingsStore());
    EXPECT_EQ(stored.searchAsYouType, true);
    EXPECT_EQ(stored.romanianInterface, false);
    EXPECT_EQ(stored.englishRomanian, false);
    EXPECT_EQ(stored.advancedSearch, true);
    EXPECT_EQ(stored.top, 30.0f);
    EXPECT_TRUE(StoredText().contains("Dict=0"));
}

TEST_F(SettingsStoreTest, AValueThatDoesNotConvertIsLeftOut)
{
    {
        SettingsStore store;
        store.save(SearchAsYouTypeKey, u""_s);
        store.save(DictLangKey, u"1"_s);
        store.save(DictKey, u"2"_s);
        store.save(AdvSearchKey, u"maybe"_s);
        store.save(LeftKey, u"far left"_s);
        store.save(TopKey, u"0.5"_s);
        ASSERT_TRUE(store.sync());
    }
    const StoredSettings stored = LoadSettings(SettingsStore());
    EXPECT_EQ(stored.searchAsYouType, std::nullopt);
    EXPECT_EQ(stored.romanianInterface, true);
    EXPECT_EQ(stored.englishRomanian, std::nullopt);
    EXPECT_EQ(stored.advancedSearch, std::nullopt);
    EXPECT_EQ(stored.left, std::nullopt);
    EXPECT_EQ(stored.top, 0.5f);
}

TEST_F(SettingsStoreTest, AStoreThatCannotBeWrittenIsReported)
{
    ASSERT_TRUE(QDir().mkpath(StoredFile()));
    EXPECT_FALSE(Stored({}));
}

TEST_F(SettingsStoreTest, AReadOnlyStoreIsReported)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files";
    ASSERT_TRUE(Stored({}));
    ASSERT_TRUE(QFile::setPermissions(StoredFile(), QFile::ReadOwner));
    EXPECT_FALSE(Stored({.searchAsYouType = false}));
    EXPECT_TRUE(StoredText().contains("SearcAsYouType=True"));
}

} // namespace
} // namespace quillet::settings
