#pragma once

#include "gendict/SourceFile.h"
#include "gendict/SynsetKey.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace quillet::gendict {

// The English side: the lemmas of every WordNet 3.0 synset, read from the data files
// data.noun, data.verb, data.adj and data.adv. A data line is the synset's offset, its
// lexicographer file, its type, the lemma count in hexadecimal and then lemma /
// lexical-id pairs, followed by pointers and the gloss, which are not needed here.
class WordNet {
public:
    // Reads the four data files of the folder; throws GenError on a missing or
    // malformed one.
    static WordNet load(const QString &dir);

    // Adds the synsets of one data file holding the given word class.
    void addDataFile(const SourceFile &file, PartOfSpeech pos);
    // Adds one synset with its raw lemmas; false when the key is taken already.
    bool addSynset(const SynsetKey &key, const QStringList &rawLemmas);

    // The synset's usable lemmas, cleaned, in WordNet's order; nullptr when WordNet has
    // no synset under that key.
    const QStringList *lemmas(const SynsetKey &key) const;
    qsizetype synsetCount() const { return synsets_.size(); }

private:
    void addLine(const SourceFile &file, qsizetype lineNumber, PartOfSpeech pos);

    QHash<SynsetKey, QStringList> synsets_;
};

} // namespace quillet::gendict
