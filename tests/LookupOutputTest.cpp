// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's output, byte for byte, for every case of fixture/lookups/queries.txt
// in each format, against what the reference program printed (record.sh beside them):
// a change to how the dictionary is loaded or searched must not change one byte of it.
#include "CommandLine.h"

#include "common/TestFiles.h"

#include <QTextStream>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;

namespace {

const QString Fixture = QStringLiteral(QUILLET_SOURCE_DIR "/tests/fixture/lookups");

// The records of one format, as record.sh writes them, made by this build.
QByteArray Records(const QString &format)
{
    QByteArray records;
    for (const QString &line : QString::fromUtf8(ReadFile(Fixture + u"/queries.txt"_s)).split(u'\n')) {
        if (line.isEmpty())
            continue;
        QStringList arguments = line.split(u'\t');
        arguments.insert(arguments.size() - 1, u"--"_s);
        arguments.prepend(u"--format="_s + format);
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const int status = RunCommandLine(arguments, QStringLiteral(QUILLET_LOOKUP_FIXTURE_DIR), outStream, errStream)
                               .value_or(-1);
        records += u"@@ %1 @@ %2\n"_s.arg(line).arg(status).toUtf8() + out.toUtf8();
    }
    return records;
}

// The first record where the two differ, for the failure message.
QByteArray FirstDifference(const QByteArray &expected, const QByteArray &actual)
{
    const QList<QByteArray> a = expected.split('@');
    const QList<QByteArray> b = actual.split('@');
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            return "expected:\n" + a[i] + "\nactual:\n" + b[i];
    return "the records differ in number";
}

TEST(LookupOutput, EveryFormatIsByteForByteAsRecorded)
{
    for (const QString &format : {u"text"_s, u"tsv"_s, u"json"_s}) {
        const QByteArray expected = ReadFile(Fixture + u"/expected-"_s + format + u".txt"_s);
        const QByteArray actual = Records(format);
        EXPECT_GT(expected.count("\n@@ "), 700) << format.toStdString();
        EXPECT_TRUE(expected == actual) << format.toStdString() << "\n" << FirstDifference(expected, actual).toStdString();
    }
}

} // namespace
