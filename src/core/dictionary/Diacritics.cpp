// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/Diacritics.h"

#include "core/lookup/LetterKeys.h"

#include <array>

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

// PlainLetter for the letters of the Latin blocks that Romanian and its neighbours use,
// worked out once: a decomposition is too slow to ask for every letter of a dictionary.
char16_t CachedPlainLetter(char16_t c)
{
    static constexpr char16_t CachedEnd = 0x0250; // Latin-1 Supplement and Latin Extended-A and -B
    static const std::array<char16_t, CachedEnd> cache = [] {
        std::array<char16_t, CachedEnd> letters{};
        for (char16_t i = 0; i < CachedEnd; ++i)
            letters[i] = PlainLetter(i);
        return letters;
    }();
    return c < CachedEnd ? cache[c] : PlainLetter(c);
}

} // namespace

std::optional<char16_t> WithoutMarks(char16_t unit)
{
    if (unit < 0x80)
        return unit;
    if (plain::IsCombiningMark(unit))
        return std::nullopt;
    return CachedPlainLetter(unit);
}

QString FoldDiacritics(QStringView text)
{
    QString plain(text.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(plain.data());
    qsizetype length = 0;
    for (const QChar c : text)
        if (const std::optional<char16_t> unit = WithoutMarks(c.unicode()))
            out[length++] = *unit;
    plain.truncate(length);
    return plain;
}

} // namespace quillet
