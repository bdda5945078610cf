// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/Assembly.h"
#include "gendict/OmwTable.h"
#include "gendict/WordNet.h"

#include <QMap>
#include <QSet>

namespace quillet::gendict {

// Joins the Romanian lemma lines with WordNet: each Romanian lemma goes to the assembly
// with the English lemmas of its synset, in WordNet's order. Lines must come in source
// order, since that order decides the order of the translations.
class DictionaryJoin {
public:
    DictionaryJoin(const WordNet &wordNet, Assembly &assembly) : wordNet_(wordNet), assembly_(assembly) {}

    void add(const OmwLemma &line);
    // The first words of the sources' Romanian names of several words ("Coasta" of
    // "Coasta de Fildeș"): such a word alone is no name of its own.
    void setNameHeads(QSet<QString> heads) { nameHeads_ = std::move(heads); }
    // True for a Romanian lemma that is only a piece of its synset's name: one capitalised
    // word, no English lemma itself, that is a short word of an English lemma ("El" of
    // "El Salvador"), or that begins a longer name while every English lemma has several words
    // ("Coasta" of "Ivory Coast") or while it is an inflected form of a common word
    // ("Republica").
    bool isNamePiece(const QString &lemma, const QStringList &english) const;

    // Lines whose lemma is only a piece of a name.
    qsizetype namePieceLines() const { return namePieces_; }

    // Lines whose synset WordNet does not have.
    qsizetype unresolvedLines() const { return unresolved_; }
    // Lines matched to a synset moved on in WordNet's files: the count per shift in bytes.
    const QMap<quint32, qsizetype> &shiftedLines() const { return shifted_; }

private:
    const WordNet &wordNet_;
    Assembly &assembly_;
    qsizetype unresolved_ = 0;
    qsizetype namePieces_ = 0;
    QMap<quint32, qsizetype> shifted_;
    QSet<QString> nameHeads_;
};

} // namespace quillet::gendict
