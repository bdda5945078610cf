// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/Lexicon.h"

#include "gendict/Gloss.h"
#include "gendict/Lemma.h"
#include "gendict/SenseLabel.h"

#include <QHash>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

bool Lexicon::isOffensiveSynset(const WordNet &wordNet, const SynsetKey &key, bool slangToo)
{
    static const QSet<QString> offensiveDomains{u"obscenity"_s, u"vulgarism"_s, u"disparagement"_s,
                                                u"ethnic slur"_s};
    static const QRegularExpression offensiveGloss(
        u"^(\\([^)]*\\) )*(an? )?(offensive|obscene|vulgar|disparaging|derogatory) "
        "(term|terms|name|names|word|words|slang)\\b|\\bethnic slur\\b"_s,
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression slangGloss(u"^(\\([^)]*\\) )*slang\\b"_s,
                                               QRegularExpression::CaseInsensitiveOption);
    const QStringList domains = wordNet.usageDomainLemmas(key);
    const bool byDomain = std::any_of(domains.begin(), domains.end(), [&](const QString &domain) {
        return offensiveDomains.contains(domain) || (slangToo && domain == u"slang"_s);
    });
    const SynsetLinks *links = wordNet.links(key);
    if (byDomain || !links)
        return byDomain;
    return offensiveGloss.match(links->gloss).hasMatch() || (slangToo && slangGloss.match(links->gloss).hasMatch());
}

void Lexicon::addRomanianEntry(const QString &headword, const QList<ArticleSection> &sections)
{
    const std::optional<QString> word = Lemma::clean(headword);
    if (!word)
        return;
    bool meaning = false;
    bool decent = false;
    for (const ArticleSection &section : sections) {
        for (const QString &gloss : section.glosses) {
            const LabelledText split = SenseLabel::splitLeading(gloss);
            if (section.isName() || Gloss::isFormOf(split.text))
                continue;
            meaning = true;
            decent = decent || !SenseLabel::isOffensive(split.labels);
            if (section.isVerb())
                romanianVerbs.insert(*word);
        }
    }
    if (meaning)
        romanianLemmas.insert(*word);
    if (meaning && !decent)
        offensiveRomanian.insert(*word);
}

void Lexicon::addOffensiveEnglish(const WordNet &wordNet)
{
    QHash<QString, bool> decent;
    for (const SynsetKey &key : wordNet.synsetKeys()) {
        const bool offensive = isOffensiveSynset(wordNet, key, false);
        for (const QString &lemma : *wordNet.lemmas(key)) {
            bool &isDecent = decent[lemma.toCaseFolded()];
            isDecent = isDecent || !offensive;
        }
    }
    for (auto it = decent.cbegin(); it != decent.cend(); ++it) {
        if (!it.value())
            offensiveEnglish.insert(it.key());
    }
}

void Lexicon::addTableSenses(const QList<TableSense> &senses)
{
    QHash<QString, bool> decent;
    for (const TableSense &sense : senses) {
        tableHeadwords.insert(sense.headword);
        bool &isDecent = decent[sense.headword.toCaseFolded()];
        isDecent = isDecent || !SenseLabel::isOffensive(SenseLabel::labelsOfTableGloss(sense.gloss));
    }
    for (auto it = decent.cbegin(); it != decent.cend(); ++it) {
        if (!it.value())
            offensiveEnglish.insert(it.key());
    }
}

bool Lexicon::isKnownEnglish(const QString &word) const
{
    return english->isLemma(word) || english->isExceptionForm(word) || !english->baseForms(word).isEmpty()
        || tableHeadwords.contains(word);
}

bool Lexicon::isEnglishWord(const QString &text) const
{
    // Words that begin or end a fragment of a definition rather than a term: "act of",
    // "especially young", "in Spanish".
    static const QSet<QString> fragmentEdges{
        u"the"_s, u"a"_s, u"an"_s, u"of"_s, u"to"_s, u"in"_s, u"on"_s, u"at"_s, u"by"_s, u"for"_s,
        u"with"_s, u"from"_s, u"into"_s, u"onto"_s, u"about"_s, u"and"_s, u"or"_s, u"but"_s,
        u"not"_s, u"as"_s, u"than"_s, u"that"_s, u"which"_s, u"who"_s, u"whose"_s, u"its"_s,
        u"especially"_s, u"usually"_s, u"often"_s, u"very"_s, u"somewhat"_s, u"rather"_s,
        u"also"_s, u"only"_s, u"just"_s, u"mostly"_s, u"mainly"_s, u"chiefly"_s, u"generally"_s,
        u"sometimes"_s, u"typically"_s, u"same"_s, u"type"_s, u"kind"_s, u"sort"_s, u"related"_s,
        u"relating"_s, u"pertaining"_s, u"having"_s, u"being"_s, u"something"_s, u"someone"_s,
        u"somebody"_s, u"even"_s, u"without"_s,
    };
    if (!english || isKnownEnglish(text))
        return true;
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    if (words.size() == 1)
        return true;
    if (fragmentEdges.contains(words.constFirst().toLower()) || fragmentEdges.contains(words.constLast().toLower()))
        return false;
    return std::all_of(words.begin(), words.end(), [&](const QString &word) { return isKnownEnglish(word); });
}

QString Lexicon::englishLemma(const QString &text) const
{
    if (!english || english->isLemma(text) || tableHeadwords.contains(text))
        return text;
    const QStringList singulars = english->baseForms(text, PartOfSpeech::Noun);
    if (singulars.isEmpty())
        return text;
    // The singular keeps the spelling of the words before the last: "Fire engines".
    const qsizetype lastWord = text.lastIndexOf(u' ') + 1;
    const QString last = singulars.constFirst().sliced(singulars.constFirst().lastIndexOf(u' ') + 1);
    return text.first(lastWord) + (text[lastWord].isUpper() ? last.first(1).toUpper() + last.sliced(1) : last);
}

} // namespace quillet::gendict
