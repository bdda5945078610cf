// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/SynsetKey.h"
#include "gendict/WordNet.h"
#include "gendict/WordNetIndex.h"

#include <QSet>
#include <QString>
#include <QStringView>

#include <optional>

namespace quillet::gendict {

// Finds the WordNet synset a sense of another source means from its short gloss: among
// the headword's synsets of that word class, the one whose lemmas, definition and more
// general synsets' lemmas share the most words with the gloss ("nut", "that fits on a
// bolt": the synset "a metal block ... to be fitted onto a bolt"), when one alone shares
// the most. Words compare by their first five letters, so "electric" meets "electrical";
// short and common words do not count.
class SenseMatch {
public:
    SenseMatch(const WordNet &wordNet, const WordNetIndex &index) : wordNet_(wordNet), index_(index) {}

    std::optional<SynsetKey> synsetOf(const QString &headword, PartOfSpeech pos, QStringView gloss) const;

    // The words of a text as they are compared.
    static QSet<QString> stems(QStringView text);

private:
    const WordNet &wordNet_;
    const WordNetIndex &index_;
};

} // namespace quillet::gendict
