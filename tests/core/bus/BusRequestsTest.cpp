// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bus/BusNames.h"
#include "core/bus/BusRequests.h"
#include "core/bus/PopupText.h"
#include "core/bus/SelectionWord.h"
#include "core/bus/SessionLock.h"

#include "common/QStringPrinter.h"

#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::bus;
using ::testing::HasSubstr;

namespace {

TEST(SelectionWord, TakesTheFirstWordOrPhraseOfASelection)
{
    EXPECT_EQ(SelectionWord(u"bearing"_s), u"bearing"_s);
    EXPECT_EQ(SelectionWord(u"  \u201cball  bearing\u201d, and more"_s), u"ball bearing"_s);
    EXPECT_EQ(SelectionWord(u"\n\n(valve) seat"_s), u"valve"_s);
    EXPECT_EQ(SelectionWord(u"pump.\nNext line"_s), u"pump"_s);
    EXPECT_EQ(SelectionWord(u"safety valve\tcolumn two"_s), u"safety valve"_s);
    // Marks inside a word stay; those that end it go.
    EXPECT_EQ(SelectionWord(u"o-ring; seal"_s), u"o-ring"_s);
    EXPECT_EQ(SelectionWord(u"3.5 mm"_s), u"3.5 mm"_s);
    EXPECT_EQ(SelectionWord(u"driver\u2019s seat"_s), u"driver\u2019s seat"_s);
    EXPECT_EQ(SelectionWord(u"șurub-"_s), u"șurub"_s);
    // Nothing to look up.
    EXPECT_EQ(SelectionWord(u"  ... \n ,;"_s), QString());
    EXPECT_EQ(SelectionWord(QString()), QString());
}

TEST(SelectionWord, ALongSelectionIsCutAtAWordWithinTheQueryLength)
{
    EXPECT_EQ(SelectionWord(u"gear box housing"_s, 12), u"gear box"_s);
    EXPECT_EQ(SelectionWord(u"abcdefghij"_s, 4), u"abcd"_s);
    const QString page = QString(u"word "_s).repeated(1000);
    const QString cut = SelectionWord(page);
    EXPECT_LE(cut.size(), MaxQueryLength);
    EXPECT_TRUE(cut.endsWith(u"word"_s));
    // A letter outside the basic plane is never cut in half.
    EXPECT_EQ(SelectionWord(u"ab\U0001D400c"_s, 3), u"ab"_s);
}

TEST(BusRequests, BadArgumentsGetAnErrorThatSaysWhatIsWrong)
{
    const auto problem = [](const QString &word, const QString &direction = u"er"_s) {
        const auto checked = LookupArguments(word, direction, false);
        const auto *error = std::get_if<BusError>(&checked);
        return error != nullptr ? (error->name + u": "_s + error->message).toStdString() : std::string();
    };
    EXPECT_EQ(problem(QString()), (InvalidArgumentError() + u": the word is empty"_s).toStdString());
    EXPECT_THAT(problem(u"  \t "_s), HasSubstr("the word is empty"));
    EXPECT_THAT(problem(QString(102400, u'a')), HasSubstr("102400 characters long; at most 1000"));
    EXPECT_THAT(problem(u"pu\u0001mp"_s), HasSubstr("not valid UTF-8 text"));
    EXPECT_THAT(problem(u"pump\uFFFD"_s), HasSubstr("not valid UTF-8 text"));
    EXPECT_THAT(problem(u"pu"_s + QChar(0xD800) + u"mp"_s), HasSubstr("not valid UTF-8 text"));
    EXPECT_THAT(problem(u"pump"_s, u"xx"_s), HasSubstr("unknown direction \"xx\""));
    EXPECT_EQ(problem(u"pump"_s), "");
    EXPECT_EQ(problem(u"\U0001D400"_s), "");
}

TEST(BusRequests, ArgumentsBecomeTheCommandLinesRequest)
{
    const auto request = [](const QString &direction, bool ignore) {
        return std::get<LookupRequest>(LookupArguments(u" pump "_s, direction, ignore));
    };
    EXPECT_EQ(request(u"er"_s, false).word, u"pump"_s);
    EXPECT_EQ(request(u"er"_s, false).direction, DictTable::EnglishRomanian);
    EXPECT_EQ(request(u"re"_s, false).direction, DictTable::RomanianEnglish);
    EXPECT_FALSE(request(QString(), false).direction.has_value());
    EXPECT_EQ(request(QString(), true).diacritics, Diacritics::Ignored);
}

TEST(BusRequests, RequestsWaitForTheLoadInOrderUpToALimit)
{
    WaitingRequests waiting;
    QStringList ran;
    EXPECT_TRUE(waiting.add([&] { ran += u"first"_s; }));
    EXPECT_TRUE(waiting.add([&] {
        ran += u"second"_s;
        waiting.add([&] { ran += u"added while running"_s; });
    }));
    for (std::size_t i = waiting.size(); i < WaitingRequests::MaxWaiting; ++i)
        EXPECT_TRUE(waiting.add([] {}));
    EXPECT_FALSE(waiting.add([&] { ran += u"beyond the limit"_s; }));
    EXPECT_EQ(TooManyWaiting().name, BusyError());
    waiting.runAll();
    EXPECT_EQ(ran, (QStringList{u"first"_s, u"second"_s, u"added while running"_s}));
    EXPECT_EQ(waiting.size(), 0u);
}

TEST(BusNames, TheObjectPathFollowsTheId)
{
    EXPECT_EQ(ServiceName(), u"org.example.quillet"_s);
    EXPECT_EQ(ObjectPath(), u"/org/example/quillet"_s);
    EXPECT_EQ(InterfaceName(), u"org.example.quillet.Dictionary"_s);
}

TEST(PopupText, FirstEntriesOfTheDirectionsThatFindTheWordInTheInterfaceLanguage)
{
    ReportList starting{u"starting-with"_s, u"Starting with:"_s, {}, false};
    for (int i = 1; i <= 6; ++i)
        starting.entries.append({u"pump %1"_s.arg(i), u"pompă"_s});
    starting.entries[0].second = QString(100, u'x');
    const ReportList containing{u"containing"_s, u"Containing:"_s, {{u"air pump"_s, u"pompă de aer"_s}}, false};
    const ReportList empty{u"starting-with"_s, u"Starting with:"_s, {}, false};
    const LookupReport report{u"pump"_s, false,
                              {{u"er"_s, u"English-Romanian"_s, {starting, containing}},
                               {u"re"_s, u"Romanian-English"_s, {empty}}}};
    const QStringList lines = PopupText(report, false).split(u"\r\n"_s);
    EXPECT_EQ(lines.value(0), u"pump"_s);
    EXPECT_EQ(lines.value(1), u"Englez-Român tehnic"_s);
    EXPECT_EQ(lines.value(2), u"Începând cu: 6 cuvinte"_s);
    EXPECT_EQ(lines.value(3).size(), 2 + 6 + 3 + PopupTranslationLength);
    EXPECT_EQ(lines.value(4), u"  pump 2 \u2013 pompă"_s);
    EXPECT_EQ(lines.value(7), u"Conținând: 1 cuvânt"_s);
    EXPECT_EQ(lines.size(), 9); // the direction that finds nothing is left out
}

// The lock file of a session: a private runtime folder and a bus address of the test's own.
class SessionLockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime_.isValid());
        ::setenv("XDG_RUNTIME_DIR", qPrintable(runtime_.path()), 1);
        ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nowhere/one", 1);
    }
    void TearDown() override
    {
        ::unsetenv("XDG_RUNTIME_DIR");
        ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
    }

    QTemporaryDir runtime_; // made for the user alone
};

TEST_F(SessionLockTest, AWindowRunsWhileItHoldsTheLockOfItsOwnBus)
{
    EXPECT_FALSE(WindowRuns());
    {
        SessionLock window;
        ASSERT_TRUE(window.take());
        EXPECT_TRUE(WindowRuns());
        SessionLock second;
        EXPECT_FALSE(second.take()); // one window a session
        // Another bus of the same user has a file of its own.
        ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nowhere/two", 1);
        EXPECT_FALSE(WindowRuns());
        EXPECT_TRUE(second.take());
        ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nowhere/one", 1);
        window.release();
        EXPECT_FALSE(WindowRuns());
    }
    // Without a bus there is nothing to hold: no window is said to run.
    ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
    SessionLock window;
    EXPECT_FALSE(window.take());
    EXPECT_FALSE(WindowRuns());
}

TEST_F(SessionLockTest, ARuntimeFolderOthersCanEnterIsNotUsed)
{
    char path[PATH_MAX];
    ASSERT_TRUE(SessionLockPath(path, false));
    EXPECT_THAT(path, ::testing::StartsWith(qPrintable(runtime_.path() + u'/')));
    QFile::setPermissions(runtime_.path(), QFile::permissions(runtime_.path()) | QFile::ReadOther | QFile::ExeOther);
    if (SessionLockPath(path, false)) {
        EXPECT_THAT(path, ::testing::Not(::testing::StartsWith(qPrintable(runtime_.path() + u'/'))));
    }
}

} // namespace
