// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchTable.h"

#include "core/dictionary/TextLines.h"

#include <QFile>
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace quillet::bench {

namespace {

QString FillerWord(QRandomGenerator &random)
{
    static const QString letters = u"abcdefghijklmnoprstuvwxyz"_s;
    QString word;
    const int length = 4 + int(random.bounded(10));
    for (int i = 0; i < length; ++i)
        word += letters[random.bounded(int(letters.size()))];
    return word;
}

} // namespace

void FillShipped(DictTable &table, const QString &dataFile, int d)
{
    int k = 0;
    QFile file(dataFile);
    if (file.open(QIODevice::ReadOnly)) {
        for (const QString &line : SplitLines(file.readAll())) {
            if (k == DictTable::Capacity)
                break;
            ++k;
            table.set(d, DictTable::Headword, k, line.section(u'\t', 0, 0));
            table.set(d, DictTable::Translation, k, line.section(u'\t', 1));
        }
    }
    table.setEntryCount(d, k);
}

void FillToCapacity(DictTable &table, const QString &dataFile, int d)
{
    FillShipped(table, dataFile, d);
    int k = table.EntryCount(d);
    QRandomGenerator random(1234);
    for (++k; k <= DictTable::Capacity; ++k) {
        const QString word = FillerWord(random);
        table.set(d, DictTable::Headword, k, word);
        table.set(d, DictTable::Translation, k, word.toUpper());
    }
    table.setEntryCount(d, DictTable::Capacity);
}

} // namespace quillet::bench
