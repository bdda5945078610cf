#pragma once

#include "gendict/DictEntry.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace quillet::gendict {

// Writes one dictionary file: UTF-8, one "headword<TAB>translation" line per entry,
// each ended by LF, nothing else. The file is replaced atomically.
class DictionaryWriter {
public:
    // The program's table holds at most this many entries per direction.
    static constexpr qsizetype MaxEntries = 57289;

    // Throws GenError when there are too many entries or the file cannot be written.
    static void write(const QString &path, const QList<DictEntry> &entries);
    static QByteArray encode(const QList<DictEntry> &entries);
};

} // namespace quillet::gendict
