// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/Assembly.h"

#include "gendict/Gloss.h"
#include "gendict/Lemma.h"
#include "gendict/RomanianVerb.h"
#include "gendict/SenseLabel.h"
#include "gendict/TechnicalEvidence.h"

#include <QRegularExpression>
#include <QSet>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

const QString Assembly::LabelRule = u"labelled vulgar, obscene, offensive, derogatory or slang"_s;
const QString Assembly::FormOfRule = u"form-of or inflection sense"_s;
const QString Assembly::NameRule = u"personal or place name"_s;
const QString Assembly::LongGlossRule = u"reversed gloss not a short equivalent"_s;
const QString Assembly::NotEnglishRule = u"reversed gloss not an English word"_s;
const QString Assembly::UsageDomainRule = u"Wordnet synset of an obscene, slang, disparaging or slur usage"_s;
const QString Assembly::RareSenseRule = u"Wordnet synonym in a rare sense of that English word"_s;
const QString Assembly::StopListRule = u"stop-list word"_s;
const QString Assembly::OffensiveWordRule = u"word labelled offensive in every sense"_s;
const QString Assembly::ScriptRule = u"Romanian word not in Latin script"_s;
const QString Assembly::UnusableRule = u"empty, or holding a tab or line break"_s;
const QString Assembly::NotAWordRule = u"not a word: markup, punctuation or a lone sign"_s;
const QString Assembly::BesideBaseFormRule = u"plural or feminine form beside its base form in a table line"_s;
const QString Assembly::InflectedFormRule = u"inflected Romanian form, replaced by its headword"_s;
const QString Assembly::AmbiguousFormRule = u"inflected Romanian form of several headwords"_s;
const QString Assembly::LetterRule = u"description of a letter of the alphabet"_s;
const QString Assembly::InhabitantRule = u"definition said as a gloss: \"a native or resident of X\" as \"inhabitant of X\""_s;
const QString Assembly::ActivityRule = u"definition said as a gloss: \"the act of ...ing\" as the gerund"_s;
const QString Assembly::ArticleRule = u"definition said as a gloss: a short noun phrase without its article"_s;

namespace {

// Ranks after every WordNet sense number: a table sense no synset was found for.
constexpr qint64 Unranked = 1 << 20;

// A headword starts with a letter or digit (or with an apostrophe or hyphen before a
// letter: "'s Gravenhage", "-ism"), not with a list number ("1.", "2. ribon"), and holds
// no markup; a translation holds at least
// a letter or digit.
bool looksLikeAWord(const QString &text, bool headword)
{
    static const QString markup = u"{}|[]<>`="_s;
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return markup.contains(c); }))
        return false;
    if (!headword)
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
    // A list number left in front ("1.", "2. ribon") is no word.
    static const QRegularExpression listNumber(u"^\\d+\\.(?:\\s|$)"_s);
    if (listNumber.match(text).hasMatch())
        return false;
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
    const auto composed = [](QChar c) { return c.decompositionTag() == QChar::Canonical; };
    if (std::none_of(romanian.begin(), romanian.end(), composed))
        return romanian;
    QString text = romanian.normalized(QString::NormalizationForm_D);
    for (qsizetype i = text.size() - 1; i > 0; --i) {
        const bool finalE = text[i - 1] == u'e' && (i + 1 == text.size() || !text[i + 1].isLetter());
        if (text[i] == QChar(0x0301) && !finalE)
            text.remove(i, 1);
    }
    return text.normalized(QString::NormalizationForm_C);
}

// The English side of a verb pair in the Romanian-to-English direction.
QString englishVerb(const QString &verb)
{
    return verb.startsWith(u"to "_s) ? verb : u"to "_s + verb;
}

// The word of a Romanian verb rendering ("a se certa" is "certa"), or the text itself.
QString romanianWordOf(const QString &text)
{
    if (text.startsWith(u"a se "_s))
        return text.sliced(5);
    return text.startsWith(u"a "_s) ? text.sliced(2) : text;
}

// A translation of a table line read into its text and markers.
struct TableTranslation {
    QString text;
    QString qualifiers; // in brackets: "vulgar", "regional"
    QStringList tags;   // in braces: "f", "m-p"

    bool isPlural() const
    {
        return std::any_of(tags.begin(), tags.end(),
                           [](const QString &t) { return t == u"p"_s || t.endsWith(u"-p"_s); });
    }
    bool has(const QString &tag) const { return tags.contains(tag); }
};

std::optional<PartOfSpeech> wordNetClass(const QString &tablePos)
{
    if (tablePos == u"n"_s)
        return PartOfSpeech::Noun;
    if (tablePos == u"v"_s)
        return PartOfSpeech::Verb;
    if (tablePos == u"adj"_s)
        return PartOfSpeech::Adjective;
    if (tablePos == u"adv"_s)
        return PartOfSpeech::Adverb;
    return std::nullopt;
}

} // namespace

bool Assembly::isFormOfAWord(const QString &word) const
{
    return !lexicon_.romanianLemmas.contains(word) && !lexicon_.romanianForms.headwordsOf(word).isEmpty();
}

bool Assembly::isOffensive(const QString &word, Language language) const
{
    if (language == Language::Romanian)
        return lexicon_.offensiveRomanian.contains(romanianWordOf(word));
    return lexicon_.offensiveEnglish.contains((word.startsWith(u"to "_s) ? word.sliced(3) : word).toCaseFolded());
}

void Assembly::offer(Direction &direction, const QString &headword, const QString &rendering,
                     const SenseRef &sense, const RenderingNote &note)
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
    const bool romanianHeadword = isRomanianDirection(direction);
    const Language headwordLanguage = romanianHeadword ? Language::Romanian : Language::English;
    const Language renderingLanguage = romanianHeadword ? Language::English : Language::Romanian;
    const StopList &stopList = lexicon_.stopList;
    if (stopList.holdsAWordOf(*cleanHeadword, headwordLanguage)
        || stopList.holdsAWordOf(*cleanRendering, renderingLanguage)) {
        direction.removed.count(StopListRule);
        return;
    }
    const QString romanian =
        lexicon_.romanianSpelling.modern(withoutStressMarks(romanianHeadword ? *cleanHeadword : *cleanRendering));
    const QString english = romanianHeadword ? *cleanRendering : *cleanHeadword;
    if (isOffensive(romanian, Language::Romanian) || isOffensive(english, Language::English)) {
        direction.removed.count(OffensiveWordRule);
        return;
    }
    if (!isLatinScript(romanian)) {
        direction.removed.count(ScriptRule);
        return;
    }
    direction.table.add(romanianHeadword ? romanian : english, sense, romanianHeadword ? english : romanian, note);
}

std::optional<QString> Assembly::romanianLemma(const QString &word, bool feminineIsLemma)
{
    const std::optional<QString> clean = Lemma::clean(word);
    if (!clean || lexicon_.romanianLemmas.contains(*clean))
        return word;
    // The list of forms counts a feminine noun ("balerină", "autoare") among the forms of
    // the masculine, but a dictionary lists it apart.
    if (feminineIsLemma && (clean->endsWith(u'ă') || clean->endsWith(u"oare"_s)))
        return word;
    QStringList headwords;
    for (const QString &headword : lexicon_.romanianForms.headwordsOf(*clean)) {
        if (lexicon_.romanianVerbs.contains(headword))
            return word;
        if (lexicon_.romanianLemmas.contains(headword))
            headwords.append(headword);
    }
    if (headwords.isEmpty())
        return withArticlelessHead(word);
    if (headwords.size() > 1) {
        countInBoth(AmbiguousFormRule, 1);
        return std::nullopt;
    }
    countInBoth(InflectedFormRule, 1);
    return headwords.constFirst();
}

QString Assembly::withArticlelessHead(const QString &phrase)
{
    const qsizetype blank = phrase.indexOf(u' ');
    if (blank < 0)
        return phrase;
    // A genitive after the noun needs its article: "miezul nopții", "lumina soarelui".
    static const QStringList genitives{u"lui"_s, u"ei"_s, u"ii"_s, u"lor"_s};
    static const QSet<QString> possessives{u"al"_s, u"a"_s, u"ai"_s, u"ale"_s};
    const QString next = phrase.sliced(blank + 1).section(u' ', 0, 0);
    if (possessives.contains(next)
        || std::any_of(genitives.begin(), genitives.end(), [&](const QString &end) { return next.endsWith(end); }))
        return phrase;
    const QString head = phrase.first(blank);
    const QStringList headwords = lexicon_.romanianForms.headwordsOf(head);
    if (headwords.size() != 1 || !lexicon_.romanianLemmas.contains(headwords[0]))
        return phrase;
    // The definite singular: "-ul", "-le" or "-a" after the noun, "-ă" becoming "-a".
    const QString &noun = headwords[0];
    const bool definite = head == noun + u"ul"_s || head == noun + u"le"_s || head == noun + u'a'
                       || (noun.endsWith(u'ă') && head == noun.chopped(1) + u'a');
    if (!definite)
        return phrase;
    countInBoth(InflectedFormRule, 1);
    return noun + phrase.sliced(blank);
}

qint64 Assembly::wordNetRank(const QString &lemma, const SynsetKey &synset) const
{
    if (!lexicon_.wordNetIndex)
        return 0;
    const int count = lexicon_.wordNetIndex->tagCount(lemma, synset);
    return count > 0 ? -count : lexicon_.wordNetIndex->senseNumber(lemma, synset);
}

void Assembly::addTableSense(const TableSense &sense)
{
    const QString labels = SenseLabel::labelsOfTableGloss(sense.gloss);
    const SenseKind kind = SenseLabel::classify(labels);
    std::optional<SynsetKey> synset;
    const std::optional<PartOfSpeech> pos = wordNetClass(sense.partOfSpeech);
    if (lexicon_.senseMatch && pos)
        synset = lexicon_.senseMatch->synsetOf(sense.headword, *pos, sense.gloss);
    const bool technical = kind == SenseKind::Technical || TechnicalEvidence::glossNamesTechnicalThing(sense.gloss)
                        || (synset && lexicon_.technical && lexicon_.technical->isTechnical(*synset));
    const qint64 rank = synset ? wordNetRank(sense.headword, *synset) : Unranked;
    const SenseRef forward{Source::Entries, sense.line, technical, rank};

    QList<TableTranslation> translations;
    for (const QString &written : sense.translations) {
        TableTranslation translation;
        translation.text = Gloss::withoutStrayMarks(
            Gloss::withoutMarkers(written, &translation.qualifiers, &translation.tags));
        if (translation.text.isEmpty())
            countInBoth(NotAWordRule, 1);
        else if (kind == SenseKind::Excluded || SenseLabel::classify(translation.qualifiers) == SenseKind::Excluded)
            countInBoth(LabelRule, 1);
        else
            translations.append(translation);
    }
    // A plural beside a singular, or an adjective's feminine beside its masculine, is an
    // inflected form of it; a plural alone ("ochelari" for "glasses") is the word, and so
    // is a noun marked with its gender.
    const bool singular = std::any_of(translations.begin(), translations.end(),
                                      [](const TableTranslation &t) { return !t.isPlural(); });
    const bool masculine = std::any_of(translations.begin(), translations.end(),
                                       [](const TableTranslation &t) { return t.has(u"m"_s); });
    qint64 position = 0;
    for (const TableTranslation &translation : translations) {
        const bool feminineAdjective = sense.partOfSpeech == u"adj"_s && masculine && translation.has(u"f"_s)
                                    && !translation.has(u"m"_s);
        if ((translation.isPlural() && singular) || feminineAdjective) {
            countInBoth(BesideBaseFormRule, 1);
            continue;
        }
        const RenderingNote note{SenseLabel::isRegister(labels) || SenseLabel::isRegister(translation.qualifiers),
                                 ++position};
        const bool gendered = translation.has(u"m"_s) || translation.has(u"f"_s) || translation.has(u"n"_s);
        const bool marked =
            (sense.partOfSpeech == u"n"_s && !translation.tags.isEmpty()) || (sense.isVerb() && gendered);
        addTableTranslation(sense, translation.text, marked, forward, note);
    }
}

void Assembly::addTableTranslation(const TableSense &sense, const QString &translation, bool markedNoun,
                                   const SenseRef &forward, const RenderingNote &note)
{
    const SenseRef reversed{Source::Reversed, sense.line, forward.technical, note.order};
    // Verbs come as infinitives, which the list of inflected forms may take for a noun's
    // articled form ("pompa", the pump), so only other words are kept to lemmas. A noun
    // marked with its gender in a verb's line stays a noun.
    if (sense.isVerb() && !markedNoun) {
        const RomanianVerb verb = RomanianVerb::parse(translation);
        offer(englishRomanian_, sense.headword, verb.longInfinitive(), forward, note);
        offer(romanianEnglish_, Gloss::withoutNotes(verb.bareInfinitive()), englishVerb(sense.headword), reversed,
              {note.late, 0});
        return;
    }
    const std::optional<QString> lemma =
        markedNoun ? translation : romanianLemma(translation, sense.partOfSpeech != u"adj"_s);
    if (!lemma)
        return;
    offer(englishRomanian_, sense.headword, *lemma, forward, note);
    // As a headword the word stands without its notes: "mascur (castrated)" is "mascur".
    offer(romanianEnglish_, Gloss::withoutNotes(*lemma), sense.headword, reversed, {note.late, 0});
}

void Assembly::addRomanianEntry(const QString &headword, const QList<ArticleSection> &sections, qint64 number)
{
    for (qsizetype s = 0; s < sections.size(); ++s) {
        const ArticleSection &section = sections[s];
        for (qsizetype g = 0; g < section.glosses.size(); ++g) {
            const LabelledText gloss = SenseLabel::splitLeading(section.glosses[g]);
            const QStringList renderings = Gloss::renderingsOfGloss(gloss.text, headword);
            if (const QString *rule = ruleLeavingOut(section, gloss, renderings)) {
                countInBoth(*rule, renderings.size());
                continue;
            }
            const bool technical = SenseLabel::classify(gloss.labels) == SenseKind::Technical
                                || TechnicalEvidence::glossNamesTechnicalThing(gloss.text);
            const qint64 rank = s * 100 + g;
            addGloss(headword, section, gloss, renderings, {Source::Entries, number * 1000 + rank, technical, rank});
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
    if (Gloss::describesALetter(gloss.text))
        return &LetterRule;
    // A gloss naming a stop-list word among its synonyms is that word's sense.
    const bool obscene = std::any_of(renderings.begin(), renderings.end(), [&](const QString &rendering) {
        return lexicon_.stopList.holdsAWordOf(rendering, Language::English);
    });
    return obscene ? &StopListRule : nullptr;
}

void Assembly::addGloss(const QString &headword, const ArticleSection &section, const LabelledText &gloss,
                        const QStringList &renderings, const SenseRef &sense)
{
    const bool late = SenseLabel::isRegister(gloss.labels);
    const bool reflexive = gloss.labels.contains(u"reflexive"_s);
    const RomanianVerb verb = RomanianVerb::parse(reflexive ? u"se "_s + headword : headword);
    // "cazul genitiv" is the phrase "caz genitiv" with its article.
    const QString phrase = section.isVerb() ? headword : withArticlelessHead(headword);
    const QString romanianHeadword = section.isVerb() ? verb.bareInfinitive() : phrase;
    const QString romanianRendering = section.isVerb() ? verb.longInfinitive() : phrase;
    for (qsizetype position = 0; position < renderings.size(); ++position) {
        const QString &rendering = renderings[position];
        bool startsWithTo = false;
        const std::optional<QString> english = Gloss::reversedHeadword(rendering, &startsWithTo);
        const bool equivalent = english && !english->contains(u':') && !english->contains(u'"');
        // A verb's short equivalent reads as an English verb: "unknot" is "to unknot".
        const bool addTo = section.isVerb() && equivalent && !startsWithTo;
        const QString lowered =
            Gloss::lowerCased(rendering, [&](const QString &w) { return lexicon_.isEnglishWord(w); });
        const QString written = glossOf(lowered, phrase);
        // A definition said as a gloss stays behind the translations, ahead of definitions.
        const bool described = written != lowered;
        offer(romanianEnglish_, romanianHeadword, addTo ? u"to "_s + written : written, sense,
              {late || described, position});
        if (!equivalent) {
            englishRomanian_.removed.count(LongGlossRule);
            continue;
        }
        if (!lexicon_.isEnglishWord(*english)) {
            englishRomanian_.removed.count(NotEnglishRule);
            continue;
        }
        // Turned round, the pair keeps the place it had in its own entry.
        const SenseRef reversed{Source::Reversed, sense.id, sense.technical, sense.rank * 100 + position};
        offer(englishRomanian_, lexicon_.englishLemma(*english), romanianRendering, reversed, {late, 0});
    }
}

QString Assembly::glossOf(const QString &definition, const QString &headword)
{
    Gloss::Rewrite rewrite = Gloss::Rewrite::None;
    const QString gloss = Gloss::glossOfDefinition(definition, headword, &rewrite);
    switch (rewrite) {
    case Gloss::Rewrite::None: break;
    case Gloss::Rewrite::Inhabitant: romanianEnglish_.removed.count(InhabitantRule); break;
    case Gloss::Rewrite::Activity: romanianEnglish_.removed.count(ActivityRule); break;
    case Gloss::Rewrite::Article: romanianEnglish_.removed.count(ArticleRule); break;
    }
    return gloss;
}

void Assembly::countInBoth(const QString &rule, qsizetype pairs)
{
    englishRomanian_.removed.count(rule, pairs);
    romanianEnglish_.removed.count(rule, pairs);
}

void Assembly::addWordNetLemma(const SynsetKey &synset, const QStringList &english, bool offensive,
                               const QString &written)
{
    // A synset listing a word that names an obscene sense is that sense.
    const bool obscene = std::any_of(english.begin(), english.end(), [&](const QString &word) {
        return lexicon_.stopList.namesAnObsceneSense(word, Language::English);
    });
    if (offensive || obscene) {
        countInBoth(offensive ? UsageDomainRule : StopListRule, english.size());
        return;
    }
    const bool technical = lexicon_.technical && lexicon_.technical->isTechnical(synset);
    const WordNetIndex *index = lexicon_.wordNetIndex;
    qint64 synsetCount = 0;
    for (const QString &word : english)
        synsetCount += index ? index->tagCount(word, synset) : 0;
    const bool isVerb = synset.pos() == PartOfSpeech::Verb;
    // Some lemmas carry a gender letter ("șofer m").
    const QString romanian = Gloss::withoutStrayMarks(written);
    if (romanian.isEmpty())
        return;
    const RomanianVerb verb = RomanianVerb::parse(romanian);
    // Verbs come as infinitives; other lemmas may be plurals ("misiuni").
    const std::optional<QString> lemma =
        isVerb ? romanian : romanianLemma(romanian, synset.pos() != PartOfSpeech::Adjective);
    if (!lemma)
        return;
    const qint64 id = qint64(synset.pos()) * 1'000'000'000 + synset.offset();
    for (qsizetype i = 0; i < english.size(); ++i) {
        const QString &word = english[i];
        // A rare sense of a word, such as a slang synonym, is not what a reader of the
        // word looks for; a technical one stays.
        if (index && !technical && !index->isCommonSense(word, synset)) {
            countInBoth(RareSenseRule, 1);
            continue;
        }
        offer(englishRomanian_, word, isVerb ? verb.longInfinitive() : *lemma,
              {Source::WordNet, id, technical, wordNetRank(word, synset)});
        const qint64 wordCount = index ? index->tagCount(word, synset) : 0;
        offer(romanianEnglish_, isVerb ? verb.bareInfinitive() : *lemma, isVerb ? englishVerb(word) : word,
              {Source::WordNet, id, technical, -synsetCount}, {false, -wordCount * 1000 + i});
    }
}

void Assembly::addGlossaryPair(const GlossaryPair &pair)
{
    const SenseRef sense{Source::Glossary, pair.field, true, pair.field};
    const RenderingNote note{false, pair.line};
    const RomanianVerb verb = RomanianVerb::parse(pair.romanian);
    if (pair.englishRomanian) {
        offer(englishRomanian_, pair.isVerb() ? pair.english.sliced(3) : pair.english,
              pair.isVerb() ? verb.longInfinitive() : pair.romanian, sense, note);
    }
    if (pair.romanianEnglish)
        offer(romanianEnglish_, pair.isVerb() ? verb.bareInfinitive() : pair.romanian, pair.english, sense, note);
}

} // namespace quillet::gendict
