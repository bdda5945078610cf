// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/Assembly.h"
#include "gendict/OmwTable.h"
#include "gendict/WordNet.h"

#include <QMap>

namespace quillet::gendict {

// Joins the Romanian lemma lines with WordNet: each Romanian lemma goes to the assembly
// with the English lemmas of its synset, in WordNet's order. Lines must come in source
// order, since that order decides the order of the translations.
class DictionaryJoin {
public:
    DictionaryJoin(const WordNet &wordNet, Assembly &assembly) : wordNet_(wordNet), assembly_(assembly) {}

    void add(const OmwLemma &line);

    // Lines whose synset WordNet does not have.
    qsizetype unresolvedLines() const { return unresolved_; }
    // Lines matched to a synset moved on in WordNet's files: the count per shift in bytes.
    const QMap<quint32, qsizetype> &shiftedLines() const { return shifted_; }

private:
    const WordNet &wordNet_;
    Assembly &assembly_;
    qsizetype unresolved_ = 0;
    QMap<quint32, qsizetype> shifted_;
};

} // namespace quillet::gendict
