// SPDX-License-Identifier: GPL-3.0-or-later
// My terms exchanged and read: 5,000 pairs exported to TBX, CSV and TSV and imported into
// an empty list give the same pairs, byte for byte after sorting; and the time to read
// and index 20,000 pairs, which the window does after its first list is painted.
#include "core/terms/PersonalWords.h"
#include "core/terms/TermExchange.h"
#include "core/terms/TermIndex.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>

using namespace Qt::StringLiterals;
using namespace quillet;

namespace {

// Pairs with what exchange files find hard: commas, quotes, markup characters, Romanian
// letters, notes and all three directions.
TermList MadeUpTerms(int count)
{
    std::mt19937 engine(31);
    const QStringList parts{u"valve"_s, u"nut, hex"_s, u"\"quoted\" seal"_s, u"a < b & c"_s, u"șurub"_s,
                            u"țeavă"_s, u"bearing"_s, u"flanșă"_s, u"O-ring"_s, u"pump; rotor"_s};
    TermList terms;
    for (int i = 0; terms.size() < count; ++i) {
        const QString headword = parts[engine() % parts.size()] + u' ' + QString::number(i);
        const QString translation = parts[engine() % parts.size()] + u" tr "_s + QString::number(engine() % 1000);
        const auto direction = static_cast<TermDirection>(engine() % 3);
        const QString note = engine() % 2 == 0 ? QString() : u"client \"ACME\", field: hydraulics"_s;
        terms.add({headword, translation, direction, note});
    }
    return terms;
}

QByteArrayList SortedLines(const QByteArray &text)
{
    QByteArrayList lines = text.split('\n');
    std::sort(lines.begin(), lines.end());
    return lines;
}

void RoundTrip(const TermList &terms, ExchangeFormat format, const char *name, const QTemporaryDir &folder)
{
    const QString path = folder.filePath(u"out."_s + QString::fromLatin1(name));
    QElapsedTimer clock;
    clock.start();
    const BilingualText problem = ExportTerms(path, format, terms);
    const double exportMs = double(clock.nsecsElapsed()) / 1e6;
    TermList back;
    clock.start();
    const ImportReport report = ImportTerms(path, format, back, false);
    const double importMs = double(clock.nsecsElapsed()) / 1e6;
    const bool same = problem.isEmpty() && SortedLines(back.fileText()) == SortedLines(terms.fileText());
    std::printf("round trip %s: %lld pairs exported in %.1f ms, imported into an empty list in %.1f ms "
                "(%d added, %d already there, %lld refused): %s\n",
                name, static_cast<long long>(terms.size()), exportMs, importMs, report.added, report.alreadyThere,
                static_cast<long long>(report.refused.size()),
                same ? "the same pairs, byte for byte after sorting" : "PAIRS DIFFER");
}

} // namespace

int main()
{
    QTemporaryDir folder;
    const TermList terms = MadeUpTerms(5000);
    RoundTrip(terms, ExchangeFormat::Tbx, "tbx", folder);
    RoundTrip(terms, ExchangeFormat::Csv, "csv", folder);
    RoundTrip(terms, ExchangeFormat::Tsv, "tsv", folder);

    const TermList many = MadeUpTerms(20000);
    const PersonalWordFiles files = PersonalWordFiles::In(folder.filePath(u"data"_s));
    PersonalWords writer(files);
    writer.setTerms(many);
    std::vector<double> ms;
    for (int run = 0; run < 9; ++run) {
        QElapsedTimer clock;
        clock.start();
        PersonalWords words(files);
        words.load();
        const TermIndex index(words.terms());
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("20000 pairs of My terms read and indexed: median %.1f ms (fastest %.1f, slowest %.1f)\n",
                ms[ms.size() / 2], ms.front(), ms.back());
    return 0;
}
