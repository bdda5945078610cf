// SPDX-License-Identifier: GPL-3.0-or-later
// The formats a command-line look-up is written in, on a report made by hand.
#include "core/lookup/LookupReport.h"

#include "common/QStringPrinter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet;

namespace {

LookupReport TwoDirections()
{
    ReportList starting{u"starting-with"_s, u"Starting with:"_s, {{u"ab"_s, u"x\ty"_s}}, false};
    ReportList containing{u"containing"_s, u"Containing:"_s, {{u"ab"_s, u"x\ty"_s}, {u"cab"_s, u"z"_s}}, true};
    ReportList empty{u"starting-with"_s, u"Starting with:"_s, {}, false};
    return LookupReport{u"ab"_s, true,
                        {ReportDirection{u"er"_s, u"English-Romanian"_s, {starting, containing}},
                         ReportDirection{u"re"_s, u"Romanian-English"_s, {empty}}}};
}

QString Written(const LookupReport &report, ReportFormat format)
{
    QString text;
    QTextStream out(&text);
    WriteReport(out, report, format);
    out.flush();
    return text;
}

TEST(LookupReport, WritesEachFormatFromTheSameLists)
{
    const LookupReport report = TwoDirections();
    EXPECT_TRUE(report.found());
    EXPECT_FALSE((LookupReport{u"q"_s, false, {ReportDirection{u"er"_s, {}, {ReportList{}}}}}.found()));

    EXPECT_EQ(Written(report, ReportFormat::Text),
              u"English-Romanian\nStarting with:\nab\tx\ty\n1 word\n\nContaining:\nab\tx\ty\ncab\tz\n>2 words\n"
              "\nRomanian-English\nStarting with:\n0 words\n"_s);
    // Three fields a row, whatever the entries hold.
    EXPECT_EQ(Written(report, ReportFormat::Tsv),
              u"er.starting-with\tab\tx y\ner.containing\tab\tx y\ner.containing\tcab\tz\n"_s);

    const QJsonObject json = QJsonDocument::fromJson(Written(report, ReportFormat::Json).toUtf8()).object();
    EXPECT_EQ(json[u"query"_s].toString(), u"ab"_s);
    EXPECT_TRUE(json[u"ignoreDiacritics"_s].toBool());
    EXPECT_TRUE(json[u"found"_s].toBool());
    const QJsonArray directions = json[u"directions"_s].toArray();
    ASSERT_EQ(directions.size(), 2);
    const QJsonObject containing = directions[0][u"lists"_s].toArray()[1].toObject();
    EXPECT_EQ(containing[u"list"_s].toString(), u"containing"_s);
    EXPECT_TRUE(containing[u"limited"_s].toBool());
    EXPECT_EQ(containing[u"entries"_s].toArray()[0][u"translation"_s].toString(), u"x\ty"_s);
    EXPECT_EQ(directions[1][u"direction"_s].toString(), u"re"_s);
    EXPECT_TRUE(directions[1][u"lists"_s].toArray()[0][u"entries"_s].toArray().isEmpty());

    EXPECT_EQ(ReportFormatNamed(u"json"), ReportFormat::Json);
    EXPECT_EQ(ReportFormatNamed(u"JSON"), std::nullopt);
}

} // namespace
