// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/Gloss.h"

#include <QRegularExpression>

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
    static const QRegularExpression trailing(u"(?:\\s+&|(?:^|\\s+)(?:[mfn](?:,?\\s*pl)?|pl))\\s*$"_s);
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
