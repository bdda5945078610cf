// Command-line requests against the tests' own program folder: quillet-extract beside a
// Database.db packed from the small tables in tests/fixture.
#include "app/CommandLine.h"

#include "common/QStringPrinter.h"

#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet;
using ::testing::HasSubstr;
using ::testing::Optional;

namespace {

struct Outcome {
    std::optional<int> status;
    QString out;
    QString err;
};

Outcome Request(const QStringList &arguments, const QString &programDir = QStringLiteral(QUILLET_FIXTURE_DIR))
{
    Outcome run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = RunCommandLine(arguments, programDir, out, err);
    return run;
}

TEST(CommandLine, ALookupPrintsBothListsInEitherDirection)
{
    const Outcome english = Request({u"--lookup"_s, u"  valve "_s, u"--direction"_s, u"er"_s});
    EXPECT_THAT(english.status, Optional(ExitFound)) << english.err.toStdString();
    EXPECT_EQ(english.out, u"Starting with:\nvalve\tventil\n1 words\n\nContaining:\nvalve\tventil\n1 words\n"_s);
    EXPECT_TRUE(english.err.isEmpty());

    // Romanian to English is the default; the Containing pass ignores letter case.
    const Outcome romanian = Request({u"--lookup"_s, u"oțel"_s});
    EXPECT_THAT(romanian.status, Optional(ExitFound)) << romanian.err.toStdString();
    EXPECT_EQ(romanian.out, u"Starting with:\noțel\tsteel\n1 words\n\nContaining:\n"
                            "clopoțel\tcampanula, bellflower\noțel\tsteel\n2 words\n"_s);
    EXPECT_EQ(Request({u"-l"_s, u"OȚEL"_s, u"-d"_s, u"re"_s}).out,
              u"Starting with:\n0 words\n\nContaining:\nclopoțel\tcampanula, bellflower\noțel\tsteel\n2 words\n"_s);

    const Outcome full = Request({u"--lookup=a"_s});
    EXPECT_THAT(full.status, Optional(ExitFound));
    const QStringList lines = full.out.split(u'\n');
    ASSERT_EQ(lines.size(), 1 + 100 + 1 + 1 + 1 + 100 + 1 + 1);
    EXPECT_EQ(lines[101], u">100 words"_s);
    EXPECT_EQ(lines[103], u"Containing:"_s);
    EXPECT_EQ(lines[204], u">100 words"_s);
    EXPECT_TRUE(lines[1].startsWith(u'a'));
    EXPECT_EQ(lines[1].count(u'\t'), 1);
}

TEST(CommandLine, AMissExitsWithOneAndZeroCaptions)
{
    for (const QString &direction : {u"er"_s, u"re"_s}) {
        const Outcome run = Request({u"--lookup"_s, u"qqzzxq"_s, u"--direction"_s, direction});
        EXPECT_THAT(run.status, Optional(ExitNothingFound));
        EXPECT_EQ(run.out, u"Starting with:\n0 words\n\nContaining:\n0 words\n"_s);
        EXPECT_TRUE(run.err.isEmpty());
    }
}

TEST(CommandLine, BadUsageExitsWithTwoAndOneErrorLine)
{
    const QList<QStringList> bad = {{u"--bogus"_s},
                                    {u"--lookup"_s},
                                    {u"--lookup"_s, u""_s},
                                    {u"--lookup"_s, u" \t "_s},
                                    {u"--lookup"_s, u"valve"_s, u"--direction"_s, u"ro"_s},
                                    {u"--lookup"_s, u"valve"_s, u"--direction"_s, u"ER"_s},
                                    {u"--lookup"_s, u"a"_s, u"--lookup"_s, u"b"_s},
                                    {u"--direction"_s, u"er"_s},
                                    {u"stray"_s},
                                    {u"--lookup"_s, u"valve"_s, u"extra"_s}};
    for (const QStringList &arguments : bad) {
        const Outcome run = Request(arguments);
        const std::string shown = arguments.join(u' ').toStdString();
        EXPECT_THAT(run.status, Optional(ExitError)) << shown;
        EXPECT_TRUE(run.out.isEmpty()) << shown;
        EXPECT_TRUE(run.err.startsWith(u"quillet: "_s)) << shown;
        EXPECT_EQ(run.err.count(u'\n'), 1) << shown;
        EXPECT_TRUE(run.err.endsWith(u'\n')) << shown;
    }
}

TEST(CommandLine, AFolderWithoutTheArchiveExitsWithTwoNamingIt)
{
    QTemporaryDir empty;
    const Outcome run = Request({u"--lookup"_s, u"valve"_s}, empty.path());
    EXPECT_THAT(run.status, Optional(ExitError));
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_THAT(run.err.toStdString(), HasSubstr("Database.db"));
    EXPECT_EQ(run.err.count(u'\n'), 1);
}

TEST(CommandLine, VersionHelpAndTheWindow)
{
    const Outcome version = Request({u"--version"_s});
    EXPECT_THAT(version.status, Optional(0));
    EXPECT_EQ(version.out, u"Quillet 1.1\n"_s);

    const Outcome help = Request({u"--help"_s});
    EXPECT_THAT(help.status, Optional(0));
    EXPECT_TRUE(help.out.startsWith(u"Usage: quillet"_s));
    EXPECT_THAT(help.out.toStdString(), HasSubstr("--lookup"));

    const Outcome window = Request({});
    EXPECT_EQ(window.status, std::nullopt);
    EXPECT_TRUE(window.out.isEmpty());
    EXPECT_TRUE(window.err.isEmpty());
}

} // namespace
