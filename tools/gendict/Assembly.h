// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/Glossary.h"
#include "gendict/Lexicon.h"
#include "gendict/RomanianArticle.h"
#include "gendict/SenseLabel.h"
#include "gendict/SynsetKey.h"
#include "gendict/Tally.h"
#include "gendict/TranslationTable.h"
#include "gendict/WiktionaryTable.h"

#include <QString>
#include <QStringList>

namespace quillet::gendict {

// One direction being assembled: its table and what the rules left out of it.
struct Direction {
    explicit Direction(Language renderings) : table(renderings) {}

    TranslationTable table;
    Tally removed; // pairs left out or changed, per rule
};

// Applies the entry rules to what every source offers and gathers the result into both
// directions. Each source feeds both: its own direction forwards and the other turned
// round (the Wordnet join and the glossary feed both alike).
class Assembly {
public:
    // The rules, as they are named in the counts.
    static const QString LabelRule;
    static const QString FormOfRule;
    static const QString NameRule;
    static const QString LongGlossRule;
    static const QString NotEnglishRule;
    static const QString UsageDomainRule;
    static const QString RareSenseRule;
    static const QString StopListRule;
    static const QString OffensiveWordRule;
    static const QString ScriptRule;
    static const QString UnusableRule;
    static const QString NotAWordRule;
    static const QString BesideBaseFormRule;
    static const QString InflectedFormRule;
    static const QString AmbiguousFormRule;
    static const QString LetterRule;
    static const QString InhabitantRule;
    static const QString ActivityRule;
    static const QString ArticleRule;

    explicit Assembly(Lexicon lexicon) : lexicon_(std::move(lexicon)) {}

    // A line of the English-to-Romanian translation tables.
    void addTableSense(const TableSense &sense);
    // A Romanian entry; number tells entries apart, in source order.
    void addRomanianEntry(const QString &headword, const QList<ArticleSection> &sections, qint64 number);
    // A Romanian lemma of a Wordnet synset with the synset's English lemmas; offensive
    // when WordNet marks the synset's usage so.
    void addWordNetLemma(const SynsetKey &synset, const QStringList &english, bool offensive,
                         const QString &romanian);
    // A pair of the glossary.
    void addGlossaryPair(const GlossaryPair &pair);
    // Counts the pairs of a Wordnet synset that names a person, left out.
    void countPersonName(qsizetype pairs) { countInBoth(NameRule, pairs); }

    // True for an inflected form of a Romanian headword that is no headword itself
    // ("coasta", "republica").
    bool isFormOfAWord(const QString &word) const;

    const Direction &englishRomanian() const { return englishRomanian_; }
    const Direction &romanianEnglish() const { return romanianEnglish_; }

private:
    // The rule that leaves a gloss of a Romanian entry out, if any.
    const QString *ruleLeavingOut(const ArticleSection &section, const LabelledText &gloss,
                                  const QStringList &renderings) const;
    // A gloss forwards, and its short renderings turned round.
    void addGloss(const QString &headword, const ArticleSection &section, const LabelledText &gloss,
                  const QStringList &renderings, const SenseRef &sense);
    // One translation of a table line; a noun marked with its gender is a lemma as it stands.
    void addTableTranslation(const TableSense &sense, const QString &translation, bool markedNoun,
                             const SenseRef &forward, const RenderingNote &note);
    // The Romanian word a source gives, kept to lemmas: an inflected form becomes its
    // headword; nothing when it belongs to several. A feminine noun counts as a lemma
    // when feminineIsLemma (nouns), not for adjectives.
    std::optional<QString> romanianLemma(const QString &word, bool feminineIsLemma);
    // A phrase whose first word is a noun with its definite article, without the article:
    // "interacțiunea electromagnetică" is "interacțiune electromagnetică"; before a
    // genitive the article stays ("miezul nopții").
    QString withArticlelessHead(const QString &phrase);
    // The rank of a sense of a WordNet synset for one lemma: tagged senses by their
    // count, the others after them by sense number.
    qint64 wordNetRank(const QString &lemma, const SynsetKey &synset) const;
    // A Romanian entry's definition said as a gloss where it can be (Gloss::glossOfDefinition),
    // counted under its rule.
    QString glossOf(const QString &definition, const QString &headword);
    void countInBoth(const QString &rule, qsizetype pairs);
    // Puts one pair into a direction unless a rule for every source forbids it.
    void offer(Direction &direction, const QString &headword, const QString &rendering, const SenseRef &sense,
               const RenderingNote &note = {});
    bool isOffensive(const QString &word, Language language) const;
    bool isRomanianDirection(const Direction &direction) const { return &direction == &romanianEnglish_; }

    Lexicon lexicon_;
    Direction englishRomanian_{Language::Romanian};
    Direction romanianEnglish_{Language::English};
};

} // namespace quillet::gendict
