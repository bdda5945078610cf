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

TEST(CommandLine, OneParserTellsTheWindowFromARequest)
{
    EXPECT_TRUE(OpensWindow({}));
    EXPECT_TRUE(OpensWindow({u"-style"_s, u"fusion"_s, u"--platform=offscreen"_s, u"-reverse"_s}));
    EXPECT_TRUE(OpensWindow({u"-session"_s, u"id"_s}));
    for (const QStringList &request :
         {QStringList{u"-v"_s}, QStringList{u"-h"_s}, QStringList{u"-l"_s, u"pump"_s, u"-d"_s, u"er"_s},
          QStringList{u"-style"_s, u"fusion"_s, u"--lookup=pump"_s}, QStringList{u"-x"_s}, QStringList{u"stray"_s}})
        EXPECT_FALSE(OpensWindow(request)) << request.join(u' ').toStdString();
    EXPECT_EQ(Request({u"-style"_s, u"fusion"_s}).status, std::nullopt);
}

TEST(CommandLine, ALookupPrintsBothListsOfTheDirectionAsked)
{
    const Outcome english = Request({u"--lookup"_s, u"  valve "_s, u"--direction"_s, u"er"_s});
    EXPECT_THAT(english.status, Optional(ExitFound)) << english.err.toStdString();
    EXPECT_EQ(english.out, u"Starting with:\nvalve\tventil\n1 words\n\nContaining:\nvalve\tventil\n1 words\n"_s);
    EXPECT_TRUE(english.err.isEmpty());

    // The Containing pass ignores letter case; cedilla letters read as comma-below ones.
    const QString steel = u"Starting with:\noțel\tsteel\n1 words\n\nContaining:\n"
                          "clopoțel\tcampanula, bellflower\noțel\tsteel\n2 words\n"_s;
    EXPECT_EQ(Request({u"-l"_s, u"oțel"_s, u"-d"_s, u"re"_s}).out, steel);
    EXPECT_EQ(Request({u"-l"_s, u"o\u0163el"_s, u"-d"_s, u"re"_s}).out, steel);
    EXPECT_EQ(Request({u"-l"_s, u"OȚEL"_s, u"-d"_s, u"re"_s}).out,
              u"Starting with:\n0 words\n\nContaining:\nclopoțel\tcampanula, bellflower\noțel\tsteel\n2 words\n"_s);

    const Outcome full = Request({u"--lookup=a"_s, u"-d"_s, u"er"_s});
    const QStringList lines = full.out.split(u'\n');
    ASSERT_EQ(lines.size(), 1 + 100 + 1 + 1 + 1 + 100 + 1 + 1);
    EXPECT_EQ(lines[101], u">100 words"_s);
    EXPECT_EQ(lines[204], u">100 words"_s);
}

TEST(CommandLine, BadUsageExitsWithTwoAndOneErrorLine)
{
    const QList<QStringList> bad = {{u"--bogus"_s},
                                    {u"--lookup"_s},
                                    {u"--lookup"_s, u" \t "_s},
                                    {u"--lookup"_s, u"valve"_s, u"--direction"_s, u"ER"_s},
                                    {u"--lookup"_s, u"a"_s, u"-l"_s, u"b"_s},
                                    {u"-d"_s, u"er"_s},
                                    {u"--lookup"_s, u"valve"_s, u"extra"_s}};
    for (const QStringList &arguments : bad) {
        const Outcome run = Request(arguments);
        const std::string shown = arguments.join(u' ').toStdString();
        EXPECT_THAT(run.status, Optional(ExitError)) << shown;
        EXPECT_TRUE(run.out.isEmpty()) << shown;
        EXPECT_TRUE(run.err.startsWith(u"quillet: "_s)) << shown;
        EXPECT_EQ(run.err.count(u'\n'), 1) << shown;
    }

    QTemporaryDir empty;
    const Outcome unloaded = Request({u"--lookup"_s, u"valve"_s}, empty.path());
    EXPECT_THAT(unloaded.status, Optional(ExitError));
    EXPECT_THAT(unloaded.err.toStdString(), HasSubstr("Database.db"));
}

} // namespace
