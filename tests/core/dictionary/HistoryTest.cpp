// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/SearchHistory.h"

#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace quillet::testing;

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

TEST(SearchHistory, AddingAWordKeepsOneEntryPerWordNewestFirst)
{
    const struct {
        QStringList start;
        QStringList added;
        QStringList expected;
    } cases[] = {
        // Typing a word leaves only its full form; deleting back is a new search each time.
        {{u"pump"_s}, {u"h"_s, u"ho"_s, u"hou"_s, u"hous"_s, u"house"_s}, {u"house"_s, u"pump"_s}},
        {{u"house"_s}, {u"hous"_s, u"hou"_s}, {u"hou"_s, u"hous"_s, u"house"_s}},
        // Only the newest entry gives way, and only when its letter case matches.
        {{u"Hou"_s, u"hou"_s}, {u"hous"_s}, {u"hous"_s, u"Hou"_s, u"hou"_s}},
        {{u"valve"_s, u"hou"_s}, {u"hous"_s}, {u"hous"_s, u"valve"_s, u"hou"_s}},
        // Another spelling replaces every old one (a hand-edited file may hold two).
        {{u"pear"_s, u"Apple"_s, u"plum"_s}, {u"APPLE"_s}, {u"APPLE"_s, u"pear"_s, u"plum"_s}},
        {{u"Șurub"_s, u"nit"_s, u"ȘURUB"_s}, {u"șurub"_s}, {u"șurub"_s, u"nit"_s}},
        // Words under two letters are not kept; pasted lines stay one entry.
        {{u"gear"_s}, {u""_s, u"a"_s, u"ș"_s, u"ax"_s}, {u"ax"_s, u"gear"_s}},
        {{u"pump valve"_s}, {u"gear\nbox\rx\u2028y"_s, u"pump\r\nvalve"_s}, {u"pump valve"_s, u"gear box x y"_s}},
    };
    for (const auto &c : cases) {
        SearchHistory history;
        history.setEntries(c.start);
        for (const QString &word : c.added)
            history.AddToHistory(word);
        EXPECT_EQ(history.entries(), c.expected) << c.added.join(u' ').toStdString();
    }
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
    QTemporaryDir folder_;
    QString userFolder_;
};

TEST_F(HistoryFileTest, TheHundredNewestEntriesComeBackUnchangedAndOlderFilesRead)
{
    QStringList entries{u"nut, bolt"_s, u"\"quoted"_s, u"  inner  blanks "_s, u"șină țeavă ăla în cârlig"_s};
    ASSERT_TRUE(Saved(entries, path()));
    EXPECT_EQ(ReadFile(path()), u"nut, bolt\r\n\"quoted\r\n  inner  blanks \r\nșină țeavă ăla în cârlig\r\n"_s.toUtf8());
    EXPECT_EQ(Loaded(path()), entries);

    for (int i = 0; i < 150; ++i)
        entries.append(u"word%1"_s.arg(i));
    ASSERT_TRUE(Saved(entries, path()));
    EXPECT_EQ(Loaded(path()), entries.first(100));

    ASSERT_TRUE(Saved({}, path()));
    EXPECT_EQ(ReadFile(path()), QByteArray());
    EXPECT_EQ(Loaded(path()), QStringList());

    // Older files: Windows-1250 lines (s and t with cedilla, a breve, i and a circumflex)
    // beside a UTF-8 line, LF and CR LF endings, blank lines, no break after the last line.
    WriteFile(path(), "\xBA" "ina \xFE" "eav\xE3\r\n\r\n   \nc\xE2rlig \xEEn\n\xC8\x99urub\r\n\nlast");
    EXPECT_EQ(Loaded(path()), QStringList({u"şina ţeavă"_s, u"cârlig în"_s, u"șurub"_s, u"last"_s}));
}

// Only a regular file is read (a FIFO, a device or a folder is named and left alone, and
// the read does not wait), and only its first lines.
TEST_F(HistoryFileTest, OnlyARegularFileIsReadAndOnlyAsFarAsTheLimits)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(u"fifo"_s)).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, path(u"zero"_s)) && QDir(folder_.path()).mkdir(u"folder"_s));
    EXPECT_EQ(Loaded(path(u"none"_s)), QStringList());
    SearchHistory history;
    EXPECT_EQ(history.load(path(u"none"_s)), SearchHistory::LoadOutcome::Missing);
    for (const QString &odd : {u"fifo"_s, u"zero"_s, u"folder"_s}) {
        EXPECT_EQ(history.load(path(odd)), SearchHistory::LoadOutcome::Unreadable);
        EXPECT_EQ(history.unreadableFile(), path(odd));
        EXPECT_EQ(Loaded(path(odd)), QStringList());
    }
    // A long history loses no line: the first hundred are shown, and every line after them
    // is written back in its place.
    QByteArray lines;
    for (int k = 0; k < 100000; ++k)
        lines += "w" + QByteArray::number(k) + "\r\n";
    WriteFile(path(), lines);
    EXPECT_EQ(history.load(path()), SearchHistory::LoadOutcome::Loaded);
    EXPECT_TRUE(history.unreadableFile().isEmpty());
    EXPECT_EQ(history.entries().size(), SearchHistory::SavedEntryLimit);
    EXPECT_EQ(history.entries().back(), u"w99"_s);
    EXPECT_EQ(history.keptLines().size(), 100000 - SearchHistory::SavedEntryLimit);
    ASSERT_TRUE(history.save(path()));
    EXPECT_EQ(ReadFile(path()), lines);

    // More than can be kept: what was read is shown, the file is not to be replaced.
    WriteFile(path(), "pump\n" + QByteArray(SearchHistory::KeptBytesLimit + 1, 'x') + "\nvalve\n");
    EXPECT_EQ(history.load(path()), SearchHistory::LoadOutcome::ReadInPart);
    EXPECT_EQ(history.entries(), QStringList{u"pump"_s});
    EXPECT_EQ(history.unreadableFile(), path());
}

// A line too long to take in (a query of thousands of letters, or one that grows as
// UTF-8) is passed over, not the end of the read, and the save writes it back after the
// entries. Only the file's first byte order mark is the file's own (and the fuzz seeds
// hold a line of two marks that once lost one per session).
TEST_F(HistoryFileTest, LinesThatCannotBeTakenInSurviveEverySave)
{
    const QByteArray longLine(SearchHistory::ReadLineBytes + 1, 'x');
    const QByteArray longCedillas(SearchHistory::ReadLineBytes / 2 + 1, '\xBA'); // 2 bytes each in UTF-8
    WriteFile(path(), "pump\r\n" + longLine + "\r\nvalve\r\n" + longCedillas + "\ngear\n");
    SearchHistory history;
    history.load(path());
    const QStringList words{u"pump"_s, u"valve"_s, u"gear"_s};
    EXPECT_EQ(history.entries(), words);
    ASSERT_EQ(history.keptLines(), (QByteArrayList{longLine, longCedillas}));
    history.AddToHistory(u"nut"_s);
    history.AddToHistory(QString(SearchHistory::ReadLineBytes / 2 + 1, u'ș')); // not recorded
    history.AddToHistory(u" \u2028 "_s);
    ASSERT_TRUE(history.save(path()));
    EXPECT_EQ(ReadFile(path()), "nut\r\npump\r\nvalve\r\ngear\r\n" + longLine + "\r\n" + longCedillas + "\r\n");

    // Lines that are not UTF-8 are shown as Windows-1250 and written back byte for byte.
    const QByteArray foreign = "\xBA" "urub\r\nnit\r\n\xFF\xFE\x81 odd\r\n";
    WriteFile(path(), foreign);
    history.load(path());
    EXPECT_EQ(history.entries().first(2), (QStringList{u"\u015Furub"_s, u"nit"_s}));
    history.AddToHistory(u"gear"_s);
    ASSERT_TRUE(history.save(path()));
    EXPECT_EQ(ReadFile(path()), "gear\r\n" + foreign);

    // A first entry that begins with a mark keeps it behind the file's own.
    const QStringList marked{u"\uFEFF\uFEFFgear"_s, u"\uFEFFnut"_s};
    ASSERT_TRUE(Saved(marked, path()));
    EXPECT_EQ(Loaded(path()), marked);
}

TEST_F(HistoryFileTest, AFailedSaveKeepsThePreviousFile)
{
    ASSERT_TRUE(QDir(folder_.path()).mkdir(u"Dic.ini"_s));
    EXPECT_FALSE(Saved({u"gear"_s}, path()));
    EXPECT_TRUE(QFileInfo(path()).isDir());

    // A full disk: writes beyond a few bytes fail.
    WriteFile(path(u"old.ini"_s), "old\r\nentries\r\n");
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
    EXPECT_EQ(ReadFile(path(u"old.ini"_s)), "old\r\nentries\r\n");
}

TEST_F(HistoryFileTest, TheUsersFileWinsOverOneInTheProgramFolder)
{
    const QString userFile = HistoryFile::writePath();
    EXPECT_TRUE(userFile.endsWith(u"/Dic.ini"_s));
    EXPECT_FALSE(userFile.startsWith(folder_.path()));
    EXPECT_EQ(HistoryFile::readPath(folder_.path()), userFile);

    WriteFile(path(), "from the program folder\r\n");
    EXPECT_EQ(HistoryFile::readPath(folder_.path()), path());

    // The first save creates the user's folder; from then on the user's file is read.
    ASSERT_TRUE(Saved({u"from the user"_s}, userFile));
    EXPECT_EQ(HistoryFile::readPath(folder_.path()), userFile);
    EXPECT_EQ(Loaded(HistoryFile::readPath(folder_.path())), QStringList({u"from the user"_s}));
}

} // namespace
} // namespace quillet
