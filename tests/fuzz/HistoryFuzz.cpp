// SPDX-License-Identifier: GPL-3.0-or-later
// The history loader on any file: no entry is blank, and what a save writes loads back
// as the same words and the same lines kept as they were.
#include "core/dictionary/SearchHistory.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Dic.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    quillet::SearchHistory history;
    history.load(path);
    for (const QString &entry : history.entries()) {
        if (entry.trimmed().isEmpty() || entry.contains(u'\n'))
            std::abort();
    }

    const QString copy = folder.filePath(QStringLiteral("copy.ini"));
    if (!history.save(copy))
        std::abort();
    quillet::SearchHistory reloaded;
    reloaded.load(copy);
    const QStringList expected = history.entries().first(
        std::min(history.entries().size(), quillet::SearchHistory::SavedEntryLimit));
    // The lines kept as they were follow the entries; they may be entries to the next read.
    const QStringList &again = reloaded.entries();
    if (again.size() < expected.size() || again.first(expected.size()) != expected)
        std::abort();
    QByteArray kept;
    for (const QByteArray &line : history.keptLines())
        kept += line + "\r\n";
    QFile saved(copy);
    if (!saved.open(QIODevice::ReadOnly) || !saved.readAll().endsWith(kept))
        std::abort();
    if (kept.isEmpty() && (again.size() != expected.size() || !reloaded.keptLines().isEmpty()))
        std::abort();
    return 0;
}
