// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/SourceFile.h"
#include "gendict/SynsetKey.h"

#include <QHash>
#include <QList>
#include <QString>

#include <array>

namespace quillet::gendict {

// WordNet's index of lemmas: for each lemma and word class its synsets in WordNet's sense
// order, the most frequent sense first (index.noun, index.verb, index.adj, index.adv),
// and how often each sense was tagged in WordNet's semantic concordance (cntlist.rev).
// An index line is the lemma, its word class, the synset count, the pointer count and
// symbols, the sense count, the tagged-sense count and then the synsets' offsets; a
// cntlist.rev line is a sense key ("lemma%1:06:00::"), the sense number and the count.
// Lemmas are looked up in any case, with blanks or underscores.
class WordNetIndex {
public:
    // Reads the four index files and cntlist.rev of the folder; throws GenError on a
    // missing or malformed one.
    static WordNetIndex load(const QString &dir);

    void addIndexFile(const SourceFile &file, PartOfSpeech pos);
    void addCountFile(const SourceFile &file);
    // The lemma's synsets of one word class, in sense order.
    void addLemma(PartOfSpeech pos, const QString &lemma, const QList<quint32> &synsets);
    // How often sense senseNumber (from 1) of the lemma was tagged.
    void setTagCount(PartOfSpeech pos, const QString &lemma, int senseNumber, int count);

    // True when the word is a lemma of any word class.
    bool hasLemma(const QString &word) const;
    // The lemma's sense number for the synset, from 1 for the most frequent; 0 when the
    // synset is not a sense of the lemma.
    int senseNumber(const QString &lemma, const SynsetKey &synset) const;
    // How often the lemma was tagged in that synset; 0 when never or not a sense of it.
    int tagCount(const QString &lemma, const SynsetKey &synset) const;
    // The lemma's first sense in the synset's word class, or one tagged at least once:
    // a sense a reader of that word commonly means.
    bool isCommonSense(const QString &lemma, const SynsetKey &synset) const;
    // The synset of the lemma's sense number (from 1) in a word class, if it has one.
    std::optional<SynsetKey> sense(const QString &lemma, PartOfSpeech pos, int senseNumber) const;
    // The lemma's synsets of a word class, in sense order.
    QList<SynsetKey> senses(const QString &lemma, PartOfSpeech pos) const;

    // The form lemmas take as keys: lower case, underscores for blanks.
    static QString key(const QString &word);

private:
    struct Sense {
        quint32 offset = 0;
        int tagCount = 0;
    };
    using Senses = std::array<QList<Sense>, 4>;

    const Sense *find(const QString &lemma, const SynsetKey &synset, int *number) const;

    QHash<QString, Senses> lemmas_;
};

} // namespace quillet::gendict
