#include "dictionary/SearchHistory.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace quillet {

// QStringList prints as a list of readable strings when an expectation fails.
void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '{';
    for (const QString &entry : list)
        *out << " \"" << entry.toStdString() << '"';
    *out << " }";
}

namespace {

QStringList AfterAdding(QStringList start, std::initializer_list<QString> words)
{
    SearchHistory history;
    history.setEntries(std::move(start));
    for (const QString &word : words)
        history.AddToHistory(word);
    return history.entries();
}

TEST(SearchHistory, TypingAWordLeavesOnlyItsFullForm)
{
    EXPECT_EQ(AfterAdding({u"pump"_s}, {u"h"_s, u"ho"_s, u"hou"_s, u"hous"_s, u"house"_s}),
              QStringList({u"house"_s, u"pump"_s}));
    // Deleting back is a new search each time, not a prefix of the entry above it.
    EXPECT_EQ(AfterAdding({u"house"_s}, {u"hous"_s, u"hou"_s}),
              QStringList({u"hou"_s, u"hous"_s, u"house"_s}));
    // Only the newest entry gives way, and only when its letter case matches.
    EXPECT_EQ(AfterAdding({u"Hou"_s, u"hou"_s}, {u"hous"_s}),
              QStringList({u"hous"_s, u"Hou"_s, u"hou"_s}));
    EXPECT_EQ(AfterAdding({u"valve"_s, u"hou"_s}, {u"hous"_s}),
              QStringList({u"hous"_s, u"valve"_s, u"hou"_s}));
}

TEST(SearchHistory, ASpellingInAnotherCaseReplacesTheOldEntry)
{
    EXPECT_EQ(AfterAdding({u"pear"_s, u"Apple"_s, u"plum"_s}, {u"APPLE"_s}),
              QStringList({u"APPLE"_s, u"pear"_s, u"plum"_s}));
    // A hand-edited file may hold the same word twice; both go.
    EXPECT_EQ(AfterAdding({u"Șurub"_s, u"nit"_s, u"ȘURUB"_s}, {u"șurub"_s}),
              QStringList({u"șurub"_s, u"nit"_s}));
}

TEST(SearchHistory, ShortWordsAreNotRecordedAndLineBreaksBecomeBlanks)
{
    EXPECT_EQ(AfterAdding({u"gear"_s}, {u""_s, u"a"_s, u"ș"_s}), QStringList({u"gear"_s}));
    EXPECT_EQ(AfterAdding({}, {u"ax"_s}), QStringList({u"ax"_s}));
    // The file holds an entry per line: pasted lines stay one entry.
    EXPECT_EQ(AfterAdding({u"pump valve"_s}, {u"gear\nbox\rx\u2028y"_s, u"pump\r\nvalve"_s}),
              QStringList({u"pump valve"_s, u"gear box x y"_s}));
}

class HistoryFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(u"quillet-history-test"_s);
        userFolder_ = QFileInfo(HistoryFile::writePath()).absolutePath();
        QDir(userFolder_).removeRecursively();
        ASSERT_TRUE(folder_.isValid());
    }
    void TearDown() override { QDir(userFolder_).removeRecursively(); }

    QString path(const QString &name = u"Dic.ini"_s) const { return folder_.filePath(name); }

    static QStringList Loaded(const QString &file)
    {
        SearchHistory history;
        history.setEntries({u"left over"_s});
        history.load(file);
        return history.entries();
    }
    static bool Saved(const QStringList &entries, const QString &file)
    {
        SearchHistory history;
        history.setEntries(entries);
        return history.save(file);
    }
    static QByteArray Contents(const QString &file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<unreadable>");
    }
    static void Write(const QString &file, const QByteArray &contents)
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(contents), contents.size());
    }

    QTemporaryDir folder_;
    QString userFolder_;
};

TEST_F(HistoryFileTest, EntriesComeBackUnchanged)
{
    const QStringList entries{u"nut, bolt"_s, u"\"quoted"_s, u"  inner  blanks "_s,
                              u"șină țeavă ăla în cârlig"_s, u"ȘȚĂÎÂ"_s};
    ASSERT_TRUE(Saved(entries, path()));
    EXPECT_EQ(Contents(path()), u"nut, bolt\r\n\"quoted\r\n  inner  blanks \r\n"
                                "șină țeavă ăla în cârlig\r\nȘȚĂÎÂ\r\n"_s.toUtf8());
    EXPECT_EQ(Loaded(path()), entries);
}

TEST_F(HistoryFileTest, OnlyTheHundredNewestAreKept)
{
    QStringList entries;
    for (int i = 0; i < 150; ++i)
        entries.append(u"word%1"_s.arg(i));
    ASSERT_TRUE(Saved(entries, path()));
    EXPECT_EQ(Loaded(path()), entries.first(100));
}

TEST_F(HistoryFileTest, NoFileOrAnEmptyOneIsAnEmptyHistory)
{
    EXPECT_EQ(Loaded(path()), QStringList());
    ASSERT_TRUE(Saved({}, path()));
    EXPECT_EQ(Contents(path()), QByteArray());
    EXPECT_EQ(Loaded(path()), QStringList());
    ASSERT_TRUE(QDir(folder_.path()).mkdir(u"folder.ini"_s));
    EXPECT_EQ(Loaded(path(u"folder.ini"_s)), QStringList());
}

TEST_F(HistoryFileTest, OlderFilesReadWithTheirLettersAndBlankLinesAreSkipped)
{
    // Windows-1250 lines (s and t with cedilla, a breve, i and a circumflex) beside a
    // UTF-8 line, LF and CR LF endings, blank lines and no break after the last line.
    Write(path(), "\xBA" "ina \xFE" "eav\xE3\r\n\r\n   \nc\xE2rlig \xEEn\n"
                  "\xC8\x99urub\r\n\nlast");
    EXPECT_EQ(Loaded(path()),
              QStringList({u"şina ţeavă"_s, u"cârlig în"_s, u"șurub"_s, u"last"_s}));
}

TEST_F(HistoryFileTest, AFailedSaveKeepsThePreviousFile)
{
    ASSERT_TRUE(QDir(folder_.path()).mkdir(u"Dic.ini"_s));
    EXPECT_FALSE(Saved({u"gear"_s}, path()));
    EXPECT_TRUE(QFileInfo(path()).isDir());

    // A full disk: writes beyond a few bytes fail.
    Write(path(u"old.ini"_s), "old\r\nentries\r\n");
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = Saved(QStringList(20, u"a longer entry"_s), path(u"old.ini"_s));
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(Contents(path(u"old.ini"_s)), "old\r\nentries\r\n");
}

TEST_F(HistoryFileTest, TheUsersFileWinsOverOneInTheProgramFolder)
{
    const QString userFile = HistoryFile::writePath();
    EXPECT_TRUE(userFile.endsWith(u"/Dic.ini"_s));
    EXPECT_FALSE(userFile.startsWith(folder_.path()));
    EXPECT_EQ(HistoryFile::readPath(folder_.path()), userFile);

    Write(path(), "from the program folder\r\n");
    EXPECT_EQ(HistoryFile::readPath(folder_.path()), path());

    // The first save creates the user's folder; from then on the user's file is read.
    ASSERT_TRUE(Saved({u"from the user"_s}, userFile));
    EXPECT_EQ(HistoryFile::readPath(folder_.path()), userFile);
    EXPECT_EQ(Loaded(HistoryFile::readPath(folder_.path())), QStringList({u"from the user"_s}));
}

} // namespace
} // namespace quillet
