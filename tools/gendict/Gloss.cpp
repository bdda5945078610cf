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
        "initialism|acronym|contraction|misspelling|spelling|synonym|clipping|ellipsis) of\\b"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return pattern.match(text.toString()).hasMatch();
}

std::optional<QString> Gloss::reversedHeadword(QStringView rendering, bool *isVerb)
{
    QString headword = withoutNotes(rendering);
    *isVerb = false;
    if (headword.startsWith(u"to "_s)) {
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

QString Gloss::withoutMarkers(QStringView translation, QString *qualifiers)
{
    QString out;
    QString inBrackets;
    QChar closing;
    for (const QChar c : translation) {
        if (closing.isNull() && (c == u'{' || c == u'[')) {
            closing = c == u'{' ? u'}' : u']';
        } else if (!closing.isNull()) {
            if (c == closing)
                closing = QChar();
            else if (closing == u']')
                inBrackets += c;
        } else {
            out += c;
        }
    }
    if (qualifiers)
        *qualifiers = inBrackets;
    out = collapsed(out);
    while (out.startsWith(u':') || out.startsWith(u' '))
        out.remove(0, 1);
    return out;
}

} // namespace quillet::gendict
