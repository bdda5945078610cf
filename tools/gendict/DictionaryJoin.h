#pragma once

#include "gendict/OmwTable.h"
#include "gendict/TranslationTable.h"
#include "gendict/WordNet.h"

#include <QMap>

namespace quillet::gendict {

// Joins the Romanian lemma lines with WordNet: each usable Romanian lemma is paired
// with every English lemma of its synset, in WordNet's order, and the pair goes into
// both directions. Lines must come in source order, since that order decides the
// order of the translations.
class DictionaryJoin {
public:
    explicit DictionaryJoin(const WordNet &wordNet) : wordNet_(wordNet) {}

    void add(const OmwLemma &line);

    const TranslationTable &englishRomanian() const { return englishRomanian_; }
    const TranslationTable &romanianEnglish() const { return romanianEnglish_; }
    // Lines whose synset WordNet does not have.
    qsizetype unresolvedLines() const { return unresolved_; }
    // Lines matched to a synset moved on in WordNet's files: the count per shift in bytes.
    const QMap<quint32, qsizetype> &shiftedLines() const { return shifted_; }

private:
    const WordNet &wordNet_;
    TranslationTable englishRomanian_;
    TranslationTable romanianEnglish_;
    qsizetype unresolved_ = 0;
    QMap<quint32, qsizetype> shifted_;
};

} // namespace quillet::gendict
