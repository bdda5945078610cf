// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/SourceFile.h"
#include "gendict/WordNetIndex.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillet::gendict {

// English inflection as WordNet describes it: its lemmas, its exception lists (noun.exc,
// verb.exc, adj.exc, adv.exc: an irregular form, then its base forms: "children child")
// and its regular endings ("pumps" is "pump" + "s", "tried" is "try" + "ied"). A word is
// an inflected form when an exception or an ending leads from it to a lemma of the word
// class the ending belongs to.
class EnglishMorphology {
public:
    // Reads the exception lists of the folder; the lemmas come from its index.
    static EnglishMorphology load(const QString &dir, const WordNetIndex &index);

    explicit EnglishMorphology(const WordNetIndex &index) : index_(&index) {}

    void addExceptionFile(const SourceFile &file, PartOfSpeech pos);
    void addException(PartOfSpeech pos, const QString &form, const QStringList &bases);

    // A lemma of any word class ("pump", "moment of inertia"), in any case.
    bool isLemma(const QString &word) const { return index_->hasLemma(word); }
    // An irregular form WordNet lists ("children", "went").
    bool isExceptionForm(const QString &word) const { return exceptions_.contains(WordNetIndex::key(word)); }
    // The lemmas the word is an inflection of, first from the exception lists, then by
    // the regular endings, without repeats; empty when it is none. Multi-word forms
    // inflect their last word ("pumps up" is none, "fire engines" is "fire engine").
    // With a word class, only that class's exceptions and endings count.
    QStringList baseForms(const QString &word, std::optional<PartOfSpeech> pos = std::nullopt) const;

private:
    struct Exception {
        PartOfSpeech pos;
        QStringList bases;
    };

    const WordNetIndex *index_;
    QHash<QString, QList<Exception>> exceptions_;
};

} // namespace quillet::gendict
