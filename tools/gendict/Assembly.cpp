#include "gendict/Assembly.h"

#include "gendict/Gloss.h"
#include "gendict/Lemma.h"
#include "gendict/RomanianVerb.h"
#include "gendict/SenseLabel.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

const QString Assembly::LabelRule = u"labelled vulgar, obscene, offensive, derogatory or slang"_s;
const QString Assembly::FormOfRule = u"form-of or inflection sense"_s;
const QString Assembly::NameRule = u"personal or place name"_s;
const QString Assembly::LongGlossRule = u"reversed gloss not a short equivalent"_s;
const QString Assembly::UsageDomainRule = u"Wordnet synset of an obscene, slang or disparaging usage"_s;
const QString Assembly::StopListRule = u"stop-list word"_s;
const QString Assembly::ScriptRule = u"Romanian word not in Latin script"_s;
const QString Assembly::UnusableRule = u"empty, or holding a tab or line break"_s;
const QString Assembly::NotAWordRule = u"not a word: markup, punctuation or a lone sign"_s;

namespace {

// A headword starts with a letter or digit (or with an apostrophe or hyphen before a
// letter: "'s Gravenhage", "-ism") and holds no markup; a translation holds at least
// a letter or digit.
bool looksLikeAWord(const QString &text, bool headword)
{
    static const QString markup = u"{}|[]<>`"_s;
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return markup.contains(c); }))
        return false;
    if (!headword)
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
    const QChar first = text.front();
    if (first.isLetterOrNumber())
        return true;
    return (first == u'\'' || first == u'-') && text.size() > 1 && text[1].isLetter();
}

bool isLatinScript(QStringView text)
{
    for (const QChar c : text) {
        if (c.isLetter() && c.script() != QChar::Script_Latin)
            return false;
    }
    return true;
}

// Some translations mark the stressed vowel with an acute accent ("prostituá"), which
// Romanian does not write; a final "é" of a loanword ("autodafé") stays.
QString withoutStressMarks(const QString &romanian)
{
    if (std::none_of(romanian.begin(), romanian.end(), [](QChar c) { return c.decompositionTag() == QChar::Canonical; }))
        return romanian;
    QString text = romanian.normalized(QString::NormalizationForm_D);
    for (qsizetype i = text.size() - 1; i > 0; --i) {
        const bool finalE = text[i - 1] == u'e' && (i + 1 == text.size() || !text[i + 1].isLetter());
        if (text[i] == QChar(0x0301) && !finalE)
            text.remove(i, 1);
    }
    return text.normalized(QString::NormalizationForm_C);
}

// A table's sense gloss may begin with a domain or usage: "geometry: part of a curve".
SenseKind kindOfTableGloss(const QString &gloss)
{
    const LabelledText split = SenseLabel::splitLeading(gloss);
    QString labels = split.labels;
    const qsizetype colon = split.text.indexOf(u':');
    if (colon > 0)
        labels += u", "_s + split.text.first(colon);
    return SenseLabel::classify(labels);
}

// The English side of a verb pair in the Romanian-to-English direction.
QString englishVerb(const QString &verb)
{
    return verb.startsWith(u"to "_s) ? verb : u"to "_s + verb;
}

} // namespace

void Assembly::offer(Direction &direction, const QString &headword, const QString &rendering,
                     const SenseRef &sense)
{
    const std::optional<QString> cleanHeadword = Lemma::clean(headword);
    const std::optional<QString> cleanRendering = Lemma::clean(rendering);
    if (!cleanHeadword || !cleanRendering) {
        direction.removed.count(UnusableRule);
        return;
    }
    if (!looksLikeAWord(*cleanHeadword, true) || !looksLikeAWord(*cleanRendering, false)) {
        direction.removed.count(NotAWordRule);
        return;
    }
    const Language headwordLanguage = isRomanianDirection(direction) ? Language::Romanian : Language::English;
    const Language renderingLanguage = isRomanianDirection(direction) ? Language::English : Language::Romanian;
    if (stopList_.holdsAWordOf(*cleanHeadword, headwordLanguage)
        || stopList_.holdsAWordOf(*cleanRendering, renderingLanguage)) {
        direction.removed.count(StopListRule);
        return;
    }
    const bool romanianHeadword = isRomanianDirection(direction);
    const QString romanian = withoutStressMarks(romanianHeadword ? *cleanHeadword : *cleanRendering);
    if (!isLatinScript(romanian)) {
        direction.removed.count(ScriptRule);
        return;
    }
    direction.table.add(romanianHeadword ? romanian : *cleanHeadword, sense,
                        romanianHeadword ? *cleanRendering : romanian);
}

void Assembly::addTableSense(const TableSense &sense)
{
    const SenseKind kind = kindOfTableGloss(sense.gloss);
    const bool technical = kind == SenseKind::Technical;
    for (const QString &written : sense.translations) {
        QString qualifiers;
        const QString translation = Gloss::withoutMarkers(written, &qualifiers);
        if (kind == SenseKind::Excluded || SenseLabel::classify(qualifiers) == SenseKind::Excluded) {
            countInBoth(LabelRule, 1);
            continue;
        }
        if (sense.isVerb()) {
            const RomanianVerb verb = RomanianVerb::parse(translation);
            offer(englishRomanian_, sense.headword, verb.longInfinitive(), {Source::Entries, sense.line, technical});
            offer(romanianEnglish_, verb.bareInfinitive(), englishVerb(sense.headword),
                  {Source::Reversed, 1, technical});
        } else {
            offer(englishRomanian_, sense.headword, translation, {Source::Entries, sense.line, technical});
            offer(romanianEnglish_, translation, sense.headword, {Source::Reversed, 0, technical});
        }
    }
}

void Assembly::addRomanianEntry(const QString &headword, const QList<ArticleSection> &sections, qint64 number)
{
    for (qsizetype s = 0; s < sections.size(); ++s) {
        const ArticleSection &section = sections[s];
        for (qsizetype g = 0; g < section.glosses.size(); ++g) {
            const LabelledText gloss = SenseLabel::splitLeading(section.glosses[g]);
            const QStringList renderings = Gloss::renderings(gloss.text);
            if (const QString *rule = ruleLeavingOut(section, gloss, renderings)) {
                countInBoth(*rule, renderings.size());
                continue;
            }
            addGloss(headword, section, gloss, renderings, number * 1000 + s * 100 + g);
        }
    }
}

const QString *Assembly::ruleLeavingOut(const ArticleSection &section, const LabelledText &gloss,
                                        const QStringList &renderings) const
{
    if (section.isName())
        return &NameRule;
    if (SenseLabel::classify(gloss.labels) == SenseKind::Excluded)
        return &LabelRule;
    if (Gloss::isFormOf(gloss.text))
        return &FormOfRule;
    // A gloss naming a stop-list word among its synonyms is that word's sense.
    const bool obscene = std::any_of(renderings.begin(), renderings.end(), [&](const QString &rendering) {
        return stopList_.holdsAWordOf(rendering, Language::English);
    });
    return obscene ? &StopListRule : nullptr;
}

void Assembly::addGloss(const QString &headword, const ArticleSection &section, const LabelledText &gloss,
                        const QStringList &renderings, qint64 senseId)
{
    const bool technical = SenseLabel::classify(gloss.labels) == SenseKind::Technical;
    const bool reflexive = gloss.labels.contains(u"reflexive"_s);
    const RomanianVerb verb = RomanianVerb::parse(reflexive ? u"se "_s + headword : headword);
    const QString romanianHeadword = section.isVerb() ? verb.bareInfinitive() : headword;
    const QString romanianRendering = section.isVerb() ? verb.longInfinitive() : headword;
    for (const QString &rendering : renderings) {
        bool startsWithTo = false;
        const std::optional<QString> english = Gloss::reversedHeadword(rendering, &startsWithTo);
        const bool equivalent = english && !english->contains(u':') && !english->contains(u'"');
        // A verb's short equivalent reads as an English verb: "unknot" is "to unknot".
        const bool addTo = section.isVerb() && equivalent && !startsWithTo;
        offer(romanianEnglish_, romanianHeadword, addTo ? u"to "_s + rendering : rendering,
              {Source::Entries, senseId, technical});
        if (!equivalent) {
            englishRomanian_.removed.count(LongGlossRule);
            continue;
        }
        offer(englishRomanian_, *english, romanianRendering, {Source::Reversed, section.isVerb(), technical});
    }
}

void Assembly::countInBoth(const QString &rule, qsizetype pairs)
{
    englishRomanian_.removed.count(rule, pairs);
    romanianEnglish_.removed.count(rule, pairs);
}

void Assembly::addWordNetLemma(const SynsetKey &synset, const QStringList &english,
                               const QStringList &usageDomains, const QString &romanian)
{
    static const QSet<QString> excludedDomains{u"obscenity"_s, u"vulgarism"_s, u"slang"_s,
                                               u"disparagement"_s, u"ethnic slur"_s};
    const bool excluded = std::any_of(usageDomains.begin(), usageDomains.end(),
                                      [](const QString &domain) { return excludedDomains.contains(domain); });
    // A synset listing a stop-list word among its English lemmas is that word's sense.
    const bool obscene = std::any_of(english.begin(), english.end(),
                                     [&](const QString &lemma) { return stopList_.holdsAWordOf(lemma, Language::English); });
    if (excluded || obscene) {
        countInBoth(excluded ? UsageDomainRule : StopListRule, english.size());
        return;
    }
    const bool isVerb = synset.pos() == PartOfSpeech::Verb;
    const RomanianVerb verb = RomanianVerb::parse(romanian);
    const SenseRef sense{Source::WordNet, qint64(synset.pos()) * 1'000'000'000 + synset.offset(), false};
    for (const QString &lemma : english) {
        offer(englishRomanian_, lemma, isVerb ? verb.longInfinitive() : romanian, sense);
        offer(romanianEnglish_, isVerb ? verb.bareInfinitive() : romanian, isVerb ? englishVerb(lemma) : lemma,
              sense);
    }
}

} // namespace quillet::gendict
