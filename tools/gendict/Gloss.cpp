// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/Gloss.h"

#include <QRegularExpression>
#include <QSet>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

namespace {

qsizetype wordCount(QStringView text)
{
    return text.split(u' ', Qt::SkipEmptyParts).size();
}

QString collapsed(QStringView text)
{
    return text.toString().simplified();
}

} // namespace

QStringList Gloss::renderings(QStringView gloss)
{
    QStringList pieces;
    int depth = 0;
    qsizetype start = 0;
    const auto take = [&](qsizetype end) {
        QString piece = gloss.sliced(start, end - start).trimmed().toString();
        while (piece.endsWith(u'.') || piece.endsWith(u';') || piece.endsWith(u','))
            piece.chop(1);
        if (!piece.trimmed().isEmpty())
            pieces.append(piece.trimmed());
    };
    for (qsizetype i = 0; i < gloss.size(); ++i) {
        const QChar c = gloss[i];
        if (c == u'(' || c == u'[')
            ++depth;
        else if ((c == u')' || c == u']') && depth > 0)
            --depth;
        else if (depth == 0 && (c == u',' || c == u';') && i + 1 < gloss.size() && gloss[i + 1] == u' ') {
            take(i);
            start = i + 1;
        }
    }
    take(gloss.size());
    return pieces;
}

QString Gloss::withoutNotes(QStringView text)
{
    QString out;
    int depth = 0;
    for (const QChar c : text) {
        if (c == u'(' || c == u'[')
            ++depth;
        else if ((c == u')' || c == u']') && depth > 0)
            --depth;
        else if (depth == 0)
            out += c;
    }
    return collapsed(out);
}

bool Gloss::isFormOf(QStringView text)
{
    static const QRegularExpression pattern(
        u"^(?:[\\w\\-]+ ){0,6}?(?:form|forms|plural|singular|participle|gerund|supine|indicative|"
        "subjunctive|imperative|conditional|infinitive|inflection|vocative|genitive|dative|"
        "accusative|nominative|comparative|superlative|diminutive|augmentative|abbreviation|"
        "initialism|acronym|contraction|misspelling|spelling|synonym|clipping|ellipsis) of\\b"
        "|^used other than\\b"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return pattern.match(text.toString()).hasMatch();
}

std::optional<QString> Gloss::reversedHeadword(QStringView rendering, bool *isVerb)
{
    QString headword = withoutNotes(rendering);
    *isVerb = false;
    if (headword.startsWith(u"to "_s, Qt::CaseInsensitive)) {
        headword.remove(0, 3);
        *isVerb = true;
    } else if (headword.startsWith(u"a "_s, Qt::CaseInsensitive)) {
        headword.remove(0, 2);
    } else if (headword.startsWith(u"an "_s, Qt::CaseInsensitive)) {
        headword.remove(0, 3);
    }
    while (headword.endsWith(u'.') || headword.endsWith(u'!') || headword.endsWith(u':'))
        headword.chop(1);
    headword = headword.trimmed();
    // "get/become hoarse" is two headwords run together, not one.
    if (headword.isEmpty() || headword.contains(u'/') || wordCount(headword) > MaxReversedWords)
        return std::nullopt;
    return headword;
}

bool Gloss::isDefinitionLike(QStringView rendering, Language language)
{
    static const QStringList englishStarts{u"a "_s, u"an "_s, u"the "_s, u"one "_s, u"someone "_s,
                                           u"something "_s, u"somebody "_s, u"any "_s};
    static const QStringList romanianStarts{u"un "_s, u"o "_s, u"niște "_s, u"care "_s, u"cel "_s,
                                            u"cea "_s, u"cei "_s, u"cele "_s, u"ceva "_s, u"cineva "_s};
    static const QStringList particles{u"to "_s, u"a se "_s, u"a "_s};
    QString text = withoutNotes(rendering);
    const QStringList &starts = language == Language::English ? englishStarts : romanianStarts;
    const auto startsText = [&](const QString &start) { return text.startsWith(start, Qt::CaseInsensitive); };
    if (std::any_of(starts.begin(), starts.end(), startsText))
        return true;
    for (const QString &particle : particles) {
        if (text.startsWith(particle)) {
            text.remove(0, particle.size());
            break;
        }
    }
    return wordCount(text) > MaxRenderingWords;
}

QString Gloss::withoutMarkers(QStringView translation, QString *qualifiers, QStringList *tags)
{
    QString out;
    QString inBrackets;
    QString inBraces;
    QStringList braced;
    QChar closing;
    for (const QChar c : translation) {
        if (closing.isNull() && (c == u'{' || c == u'[')) {
            closing = c == u'{' ? u'}' : u']';
        } else if (!closing.isNull()) {
            if (c == closing) {
                if (closing == u'}')
                    braced.append(std::exchange(inBraces, QString()).trimmed());
                closing = QChar();
            } else {
                (closing == u']' ? inBrackets : inBraces) += c;
            }
        } else {
            out += c;
        }
    }
    if (qualifiers)
        *qualifiers = inBrackets;
    if (tags)
        *tags = braced;
    out = collapsed(out);
    while (out.startsWith(u':') || out.startsWith(u' '))
        out.remove(0, 1);
    return out;
}

QString Gloss::withoutStrayMarks(QStringView translation)
{
    QString text = translation.toString();
    if (const qsizetype colon = text.indexOf(u" :"_s); colon >= 0)
        text.truncate(colon);
    // "No smoking — Fumatul interzis": an example and its translation, no rendering.
    if (text.contains(u" \u2014 "_s))
        return {};
    static const QRegularExpression trailing(u"(?:\\s+&|(?:^|\\s+)(?:[mfn](?:,?\\s*(?:pl|sg))?|pl|sg))\\s*$"_s);
    text.remove(trailing);
    return text.trimmed();
}

bool Gloss::describesALetter(QStringView gloss)
{
    static const QRegularExpression pattern(
        u"\\bletter of the (?:[\\w-]+ )*alphabet\\b|^the (?:name of the )?(?:\\w+ )?letter\\b"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return pattern.match(gloss.toString()).hasMatch();
}

bool Gloss::isDefinition(QStringView gloss)
{
    static const QStringList articles{u"a "_s, u"an "_s, u"the "_s};
    const QString text = withoutNotes(gloss);
    if (text.startsWith(u"a native of "_s, Qt::CaseInsensitive))
        return true;
    const bool article = std::any_of(articles.begin(), articles.end(),
                                     [&](const QString &a) { return text.startsWith(a, Qt::CaseInsensitive); });
    return article && wordCount(text) > MaxRenderingWords;
}

QString Gloss::glossOfDefinition(const QString &definition, QStringView headword, Rewrite *rewrite)
{
    *rewrite = Rewrite::None;
    if (!isDefinition(definition))
        return definition;
    constexpr auto options =
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption;
    static const QRegularExpression inhabitant(u"^an? native or (?:resident|inhabitant) of (.+)$"_s, options);
    if (const QRegularExpressionMatch match = inhabitant.match(definition); match.hasMatch()) {
        *rewrite = Rewrite::Inhabitant;
        return u"inhabitant of "_s + match.captured(1);
    }
    static const QRegularExpression activity(
        u"^the (?:act|action|process)(?: or (?:act|action|process|result))? of (\\w+ing\\b.*)$"_s, options);
    if (const QRegularExpressionMatch match = activity.match(definition); match.hasMatch()) {
        if (wordCount(withoutNotes(match.captured(1))) > MaxRenderingWords)
            return definition;
        *rewrite = Rewrite::Activity;
        return match.captured(1);
    }
    // A phrase's definition may be a saying ("a lie has no legs"); only a word's is taken.
    const QStringList words = withoutNotes(definition).toLower().split(u' ');
    if (headword.contains(u' ') || words.size() != MaxRenderingWords + 1)
        return definition;
    static const QSet<QString> clauseWords{
        u"who"_s, u"whom"_s, u"whose"_s, u"which"_s, u"that"_s, u"where"_s, u"when"_s, u"is"_s,
        u"are"_s, u"was"_s,  u"were"_s,  u"has"_s,   u"have"_s, u"had"_s,   u"does"_s, u"do"_s,
        u"did"_s, u"can"_s,  u"cannot"_s, u"will"_s, u"would"_s, u"may"_s,  u"must"_s, u"should"_s};
    if (std::any_of(words.begin() + 1, words.end(), [](const QString &w) { return clauseWords.contains(w); }))
        return definition;
    // "the act doing chores" is no noun phrase; "the act of ..." is the activity rule's.
    static const QSet<QString> activities{u"act"_s, u"action"_s, u"process"_s};
    if (activities.contains(words[1]))
        return definition;
    *rewrite = Rewrite::Article;
    return definition.sliced(definition.indexOf(u' ') + 1);
}

QStringList Gloss::renderingsOfGloss(QStringView gloss, QStringView headword)
{
    QStringList pieces = renderings(gloss);
    if (pieces.size() < 2 || gloss.contains(u';'))
        return pieces;
    static const QStringList particles{u"to"_s, u"a"_s, u"an"_s, u"the"_s, u"of"_s, u"in"_s, u"on"_s, u"be"_s};
    const auto firstWord = [](const QString &piece) { return piece.section(u' ', 0, 0).toCaseFolded(); };
    const bool verbs = std::any_of(pieces.begin(), pieces.end(), [](const QString &p) { return p.startsWith(u"to "_s); });
    const bool saying = headword.contains(u',') || (wordCount(headword) >= 4 && !verbs);
    const bool halves = pieces.size() == 2 && wordCount(pieces[0]) > 1 && wordCount(pieces[1]) > 1
                     && firstWord(pieces[0]) == firstWord(pieces[1]) && !particles.contains(firstWord(pieces[0]));
    if (saying || halves)
        return {pieces.join(u", "_s)};
    return pieces;
}

} // namespace quillet::gendict
