// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/SourceFile.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quillet::gendict {

// One line of the English-to-Romanian translation tables:
//     nut {n} (that fits on a bolt) :: piuliță {f}, ...
struct TableSense {
    QString headword;          // "nut"
    QString partOfSpeech;      // "n", "v", "adj", ...
    QString gloss;             // "that fits on a bolt", without the outer parentheses
    QStringList translations;  // "piuliță {f}", as written, markers and all
    qsizetype line = 0;        // line number in the file, counted from 1

    bool isVerb() const { return partOfSpeech == u'v'; }
};

// The whole file; '#' lines are headers, "SEE:" lines cross-references, both passed over.
class WiktionaryTable {
public:
    // Throws GenError on a missing file or a line without " :: ".
    static WiktionaryTable read(const QString &path);
    static WiktionaryTable parse(const SourceFile &file);

    const QList<TableSense> &senses() const { return senses_; }

private:
    QList<TableSense> senses_;
};

} // namespace quillet::gendict
