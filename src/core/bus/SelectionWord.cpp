// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bus/SelectionWord.h"

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

bool IsWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.category() == QChar::Mark_NonSpacing || c.isSurrogate();
}

bool EndsPhrase(const QString &text, qsizetype i)
{
    const QChar c = text[i];
    if (c == u'\n' || c == u'\r' || c == u'\t' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
        return true;
    if (c == u'.')
        return i + 1 == text.size() || text[i + 1].isSpace();
    static const QString marks = u",;:!?()[]{}<>\"\u201c\u201d\u201e\u00ab\u00bb\u2018\u2019\u2026|/\\"_s;
    if (c == u'\u2019' && i > 0 && i + 1 < text.size() && IsWordCharacter(text[i - 1]) && IsWordCharacter(text[i + 1]))
        return false; // an apostrophe typeset as a closing quote: "driver’s"
    return marks.contains(c);
}

} // namespace

QString SelectionWord(const QString &selection, qsizetype maxLength)
{
    qsizetype start = 0;
    // Blank lines, blanks and marks before the first word are passed over.
    while (start < selection.size() && !IsWordCharacter(selection[start]))
        ++start;
    QString phrase;
    for (qsizetype i = start; i < selection.size() && !EndsPhrase(selection, i); ++i)
        phrase += selection[i];
    phrase = phrase.simplified();
    // Marks left at the end (a hyphen or an apostrophe that ended a selection) go too.
    while (!phrase.isEmpty() && !IsWordCharacter(phrase.back()))
        phrase.chop(1);
    if (phrase.size() <= maxLength)
        return phrase;
    const qsizetype blank = phrase.lastIndexOf(u' ', maxLength);
    qsizetype cut = blank > 0 ? blank : maxLength;
    if (cut > 0 && phrase[cut - 1].isHighSurrogate())
        --cut;
    return phrase.first(cut);
}

} // namespace quillet
