// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/Diacritics.h"

namespace quillet {

namespace {

// Latin letters whose mark is drawn through them and so has no Unicode decomposition.
char16_t StrokedLetter(char16_t c)
{
    switch (c) {
    case u'ł': return u'l';
    case u'Ł': return u'L';
    case u'ø': return u'o';
    case u'Ø': return u'O';
    case u'đ': return u'd';
    case u'Đ': return u'D';
    case u'ħ': return u'h';
    case u'Ħ': return u'H';
    default: return 0;
    }
}

bool IsCombiningMark(char16_t c)
{
    return c >= 0x0300 && c <= 0x036F;
}

// The plain letter under a marked Latin letter, or the character itself.
char16_t PlainLetter(char16_t c)
{
    if (const char16_t stroked = StrokedLetter(c))
        return stroked;
    QChar letter(c);
    // A canonical decomposition puts the base letter first; a letter with two marks
    // (ấ) decomposes to one with a single mark, hence the loop.
    while (letter.script() == QChar::Script_Latin && letter.decompositionTag() == QChar::Canonical) {
        const QString parts = letter.decomposition();
        if (parts.isEmpty() || parts.front().isSurrogate())
            break;
        letter = parts.front();
    }
    return letter.isLetter() ? letter.unicode() : c;
}

} // namespace

QString FoldDiacritics(QStringView text)
{
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x80) {
            plain.append(c);
        } else if (!IsCombiningMark(unit)) {
            plain.append(QChar(PlainLetter(unit)));
        }
    }
    return plain;
}

} // namespace quillet
