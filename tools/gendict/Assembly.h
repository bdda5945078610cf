#pragma once

#include "gendict/RomanianArticle.h"
#include "gendict/SenseLabel.h"
#include "gendict/StopList.h"
#include "gendict/SynsetKey.h"
#include "gendict/Tally.h"
#include "gendict/TranslationTable.h"
#include "gendict/WiktionaryTable.h"

#include <QString>
#include <QStringList>

namespace quillet::gendict {

// One direction being assembled: its table and what the rules left out of it.
struct Direction {
    TranslationTable table;
    Tally removed; // pairs left out, per rule
};

// Applies the entry rules to what every source offers and gathers the result into both
// directions. Each source feeds both: its own direction forwards and the other turned
// round (the Wordnet join feeds both alike).
class Assembly {
public:
    // The rules, as they are named in the counts.
    static const QString LabelRule;
    static const QString FormOfRule;
    static const QString NameRule;
    static const QString LongGlossRule;
    static const QString UsageDomainRule;
    static const QString StopListRule;
    static const QString ScriptRule;
    static const QString UnusableRule;
    static const QString NotAWordRule;

    explicit Assembly(StopList stopList) : stopList_(std::move(stopList)) {}

    // A line of the English-to-Romanian translation tables.
    void addTableSense(const TableSense &sense);
    // A Romanian entry; number tells entries apart, in source order.
    void addRomanianEntry(const QString &headword, const QList<ArticleSection> &sections, qint64 number);
    // A Romanian lemma of a Wordnet synset with the synset's English lemmas;
    // usageDomains are the lemmas of the synset's usage domains.
    void addWordNetLemma(const SynsetKey &synset, const QStringList &english,
                         const QStringList &usageDomains, const QString &romanian);

    const Direction &englishRomanian() const { return englishRomanian_; }
    const Direction &romanianEnglish() const { return romanianEnglish_; }

private:
    // The rule that leaves a gloss of a Romanian entry out, if any.
    const QString *ruleLeavingOut(const ArticleSection &section, const LabelledText &gloss,
                                  const QStringList &renderings) const;
    // A gloss forwards, and its short renderings turned round.
    void addGloss(const QString &headword, const ArticleSection &section, const LabelledText &gloss,
                  const QStringList &renderings, qint64 senseId);
    void countInBoth(const QString &rule, qsizetype pairs);
    // Puts one pair into a direction unless a rule for every source forbids it.
    void offer(Direction &direction, const QString &headword, const QString &rendering, const SenseRef &sense);
    bool isRomanianDirection(const Direction &direction) const { return &direction == &romanianEnglish_; }

    StopList stopList_;
    Direction englishRomanian_;
    Direction romanianEnglish_;
};

} // namespace quillet::gendict
