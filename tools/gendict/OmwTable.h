// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/SourceFile.h"
#include "gendict/SynsetKey.h"

#include <QList>
#include <QString>

namespace quillet::gendict {

// One Romanian lemma of a synset, spelt as the source has it.
struct OmwLemma {
    SynsetKey synset;
    QString lemma;
};

// The Romanian side: an Open Multilingual Wordnet ".tab" file. A line is the synset key,
// a tab, the kind of line ("ron:lemma"), a tab and the lemma; lines starting with '#'
// are headers. Other kinds of line (definitions, examples) are passed over.
class OmwTable {
public:
    // Reads the file; throws GenError on a missing file or a malformed line.
    static OmwTable read(const QString &path);
    static OmwTable parse(const SourceFile &file);

    // The lemma lines in file order.
    const QList<OmwLemma> &lemmas() const { return lemmas_; }

    // Leaves out the lemmas that are only a word of a longer lemma of the same synset in
    // any of the tables ("Republica" beside "Republica Cehă", "Cayman" beside "Insulele
    // Cayman"): the CLDR set lists the words of some names as names of their own.
    // Returns how many went.
    qsizetype dropNamePieces(const QList<OmwTable> &tables);

private:
    QList<OmwLemma> lemmas_;
};

} // namespace quillet::gendict
