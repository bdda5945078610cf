// SPDX-License-Identifier: GPL-3.0-or-later
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
    // Throws GenError when the file cannot be written.
    static void write(const QString &path, const QList<DictEntry> &entries);
    static QByteArray encode(const QList<DictEntry> &entries);
};

} // namespace quillet::gendict
