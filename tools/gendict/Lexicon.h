// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/EnglishMorphology.h"
#include "gendict/InflectedForms.h"
#include "gendict/RomanianArticle.h"
#include "gendict/SenseMatch.h"
#include "gendict/RomanianSpelling.h"
#include "gendict/StopList.h"
#include "gendict/TechnicalEvidence.h"
#include "gendict/WiktionaryTable.h"
#include "gendict/WordNet.h"
#include "gendict/WordNetIndex.h"

#include <QSet>
#include <QString>

namespace quillet::gendict {

// What the entry rules know of both languages beyond the pairs the sources offer. A
// missing part (a null pointer, an empty set) lets the rules it serves pass everything,
// so small tests set only what they test.
struct Lexicon {
    StopList stopList;
    // The old spellings of the sources' Romanian words and their new ones.
    RomanianSpelling romanianSpelling;
    // Romanian inflected forms and the headwords they belong to.
    InflectedForms romanianForms;
    // Romanian words a source gives as lemmas: the Romanian entries' headwords with a
    // meaning and the glossary's terms. (The Wordnet join's lemmas hold plurals.)
    QSet<QString> romanianLemmas;
    // The Romanian entries' verbs: a word listed as their form is a participle, an
    // adjective or noun in its own right ("vădit", obvious).
    QSet<QString> romanianVerbs;
    // Words every sense of which a source labels vulgar, obscene, offensive or derogatory
    // (slang alone is no offence); English ones case-folded.
    QSet<QString> offensiveRomanian;
    QSet<QString> offensiveEnglish;
    // The translation tables' English headwords.
    QSet<QString> tableHeadwords;
    const WordNet *wordNet = nullptr;
    const WordNetIndex *wordNetIndex = nullptr;
    const EnglishMorphology *english = nullptr;
    const TechnicalSynsets *technical = nullptr;
    const SenseMatch *senseMatch = nullptr;

    // A synset WordNet marks as obscene, disparaging or slur usage, or with slangToo as
    // slang: by its usage domain, or by a definition that says so ("obscene terms for",
    // "offensive term for", "(ethnic slur)", "slang for").
    static bool isOffensiveSynset(const WordNet &wordNet, const SynsetKey &key, bool slangToo);
    // Romanian entries' headwords with a meaning (a sense that points at no other word)
    // into romanianLemmas, and those every such sense of which is labelled offensive into
    // offensiveRomanian.
    void addRomanianEntry(const QString &headword, const QList<ArticleSection> &sections);
    // English words all of whose WordNet senses are offensive; the tables' headwords,
    // and those all of whose senses are labelled offensive.
    void addOffensiveEnglish(const WordNet &wordNet);
    void addTableSenses(const QList<TableSense> &senses);

    // A reversed gloss is an English word or term when it is a WordNet lemma, an
    // inflected form of one or a headword of the translation tables; or a single word; or
    // words each of which is so, neither first nor last a word that marks a fragment of a
    // definition ("act of", "especially young", "in Spanish").
    bool isEnglishWord(const QString &text) const;
    // An English headword kept to its lemma: a plural that is no lemma itself nor a
    // headword of the tables becomes its singular ("lesions" is "lesion"; "glasses" stays).
    QString englishLemma(const QString &text) const;

private:
    bool isKnownEnglish(const QString &word) const;
};

} // namespace quillet::gendict
