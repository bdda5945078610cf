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

void FillShipped(DictTable &table, const QString &dataFile)
{
    const int d = DictTable::EnglishRomanian;
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

void FillToCapacity(DictTable &table, const QString &dataFile)
{
    const int d = DictTable::EnglishRomanian;
    FillShipped(table, dataFile);
    int k = table.EntryCount(d);
    QRandomGenerator random(1234);
    for (++k; k <= DictTable::Capacity; ++k) {
        const QString word = FillerWord(random);
        table.set(d, DictTable::Headword, k, word);
        table.set(d, DictTable::Translation, k, word.toUpper());
    }
    table.setEntryCount(d, DictTable::Capacity);
}

qsizetype TableMemory(const DictTable &table)
{
    constexpr qsizetype stringHeader = 24; // allocation header of a non-empty string
    qsizetype bytes = 4 * qsizetype(DictTable::Capacity + 1) * qsizetype(sizeof(QString));
    for (int d = 1; d <= 2; ++d) {
        for (int f = 1; f <= 2; ++f) {
            for (int k = 0; k <= DictTable::Capacity; ++k) {
                const QString &s = table(d, f, k);
                if (!s.isEmpty())
                    bytes += stringHeader + s.capacity() * 2;
            }
        }
        const HeadwordIndex &index = table.headwords(d);
        for (const HeadwordText *text : {&index.stored(), &index.folded()})
            bytes += qsizetype(text->bytes().size() + std::size_t(index.size() + 1) * sizeof(std::size_t));
    }
    return bytes;
}

} // namespace quillet::bench
