// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up figures: extracting, reading and deleting the shipped dictionary, the time
// to the first list, and the table's memory.
#include "BenchTable.h"

#include "core/dictionary/DictionaryLoader.h"

#include <QElapsedTimer>

#include <cstdio>

namespace quillet::bench {

void ReportStartUp()
{
    DictTable table;
    table.setEntryCount(DictTable::EnglishRomanian, DictTable::Capacity);
    LoadObserver quiet;
    QElapsedTimer clock;
    clock.start();
    const LoadResult result = DictionaryLoader(QStringLiteral(QUILLET_PROGRAM_DIR)).LoadDictionary(table, quiet);
    const qint64 loadMs = clock.elapsed();
    if (!result.loaded) {
        std::fprintf(stderr, "\nstart-up: no dictionary (%s)\n", qPrintable(result.failure.message()));
        return;
    }
    std::fprintf(stderr, "\nstart-up load (extract, read, delete): %lld ms; entries %d + %d; table memory %.1f MiB\n",
                static_cast<long long>(loadMs), table.EntryCount(1), table.EntryCount(2),
                double(TableMemory(table)) / (1024.0 * 1024.0));

    DictTable full;
    FillToCapacity(full, QStringLiteral(QUILLET_SOURCE_DIR "/data/en-ro.txt"));
    std::fprintf(stderr, "table filled to %d entries: memory %.1f MiB\n", full.EntryCount(1),
                double(TableMemory(full)) / (1024.0 * 1024.0));
}

} // namespace quillet::bench
