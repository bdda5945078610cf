// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/SourceFile.h"
#include "gendict/SynsetKey.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace quillet::gendict {

// The synset a key was matched to, and how many bytes past the key's offset its line
// starts: 0 for an exact match.
struct SynsetMatch {
    SynsetKey key;
    quint32 shift = 0;
};

// What a synset's data line says beyond its lemmas.
struct SynsetLinks {
    QList<quint32> usageDomains; // noun synsets of its usage domains (";u"): "obscenity", "slang"
    QList<quint32> topicDomains; // noun synsets of its topic domains (";c"): "physics", "computer science"
    QList<SynsetKey> hypernyms;  // the more general synsets ("@", and "@i" for instances)
    QString gloss;               // the definition, without the quoted examples
    int lexFile = 0;             // the lexicographer file: 18 holds the nouns naming people
    bool instance = false;       // an instance of its hypernym ("@i"): a name, such as a person's

    bool namesPeople() const { return lexFile == 18; }
};

// The English side: the lemmas of every WordNet 3.0 synset, read from the data files
// data.noun, data.verb, data.adj and data.adv. A data line is the synset's offset, its
// lexicographer file, its type, the lemma count in hexadecimal and then lemma /
// lexical-id pairs, followed by the pointers (their count, then symbol, target offset,
// target word class and source/target numbers each) and, after " | ", the gloss.
class WordNet {
public:
    // Debian's data files carry a few corrected glosses, so after each correction the
    // synsets of that file start some bytes later than the offsets that other resources
    // keyed them by (18 bytes for most verbs, 1 byte for many adjectives). A key that
    // names no synset is therefore matched to the one synset of its word class whose line
    // starts at most this many bytes after the key, if there is exactly one. Every line of
    // the data files is longer than this, so no two lines can start in that span, and an
    // exact match can never be a moved synset.
    static constexpr quint32 MaxShift = 32;

    // Reads the four data files of the folder; throws GenError on a missing or
    // malformed one.
    static WordNet load(const QString &dir);

    // Adds the synsets of one data file holding the given word class.
    void addDataFile(const SourceFile &file, PartOfSpeech pos);
    // Adds one synset with its raw lemmas and links; false when the key is taken already.
    bool addSynset(const SynsetKey &key, const QStringList &rawLemmas, const SynsetLinks &links = {});

    // The synset a key from another resource means: the one under that key, or else the
    // one moved on by up to MaxShift bytes as described above; nothing when neither
    // exists or when the move is ambiguous.
    std::optional<SynsetMatch> find(const SynsetKey &key) const;
    // The synset's usable lemmas, cleaned, in WordNet's order; nullptr when WordNet has
    // no synset under exactly that key.
    const QStringList *lemmas(const SynsetKey &key) const;
    // The synset's links; nullptr when WordNet has no synset under exactly that key.
    const SynsetLinks *links(const SynsetKey &key) const;
    // The lemmas of the synset's usage domains ("obscenity", "slang", ...); WordNet
    // marks only a few synsets so.
    QStringList usageDomainLemmas(const SynsetKey &key) const;
    // The first lemma of each of the synset's topic domains ("physics", "computer science").
    QStringList topicDomainLemmas(const SynsetKey &key) const;
    qsizetype synsetCount() const;
    // Every synset's key, word class by word class in offset order.
    QList<SynsetKey> synsetKeys() const;

private:
    struct Synset {
        QStringList lemmas; // cleaned
        SynsetLinks links;
    };
    // The synsets of one word class by offset.
    using Synsets = QMap<quint32, Synset>;

    void addLine(const SourceFile &file, qsizetype lineNumber, PartOfSpeech pos);
    Synsets &synsetsOf(PartOfSpeech pos) { return synsets_[static_cast<size_t>(pos)]; }
    const Synsets &synsetsOf(PartOfSpeech pos) const { return synsets_[static_cast<size_t>(pos)]; }

    std::array<Synsets, 4> synsets_;
};

} // namespace quillet::gendict
