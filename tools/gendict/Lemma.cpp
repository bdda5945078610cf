// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/Lemma.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

std::optional<QString> Lemma::clean(QStringView raw)
{
    if (std::any_of(raw.begin(), raw.end(), breaksTheLine))
        return std::nullopt;

    QString lemma = raw.toString().normalized(QString::NormalizationForm_C);
    lemma.replace(u'_', u' ');
    // Invisible format characters (direction marks, soft hyphens) are no part of a word.
    lemma.removeIf([](QChar c) { return c.category() == QChar::Other_Format; });
    lemma = withoutAdjectiveMarker(lemma.trimmed()).trimmed();
    std::transform(lemma.begin(), lemma.end(), lemma.begin(), withRomanianLetters);
    if (lemma.isEmpty())
        return std::nullopt;
    return lemma;
}

bool Lemma::breaksTheLine(QChar c)
{
    switch (c.unicode()) {
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case 0x0085: // next line
    case 0x2028: // line separator
    case 0x2029: // paragraph separator
        return true;
    default:
        return false;
    }
}

// WordNet marks where an adjective may stand: "(a)" attributive, "(p)" predicative,
// "(ip)" immediately after the noun. The marker is glued to the lemma's end.
QString Lemma::withoutAdjectiveMarker(const QString &lemma)
{
    static const std::array markers{u"(a)"_s, u"(p)"_s, u"(ip)"_s};
    for (const QString &marker : markers) {
        if (lemma.endsWith(marker))
            return lemma.chopped(marker.size());
    }
    return lemma;
}

QChar Lemma::withRomanianLetters(QChar c)
{
    switch (c.unicode()) {
    case 0x01CE: return QChar(0x0103); // ǎ (a with caron) -> ă
    case 0x01CD: return QChar(0x0102); // Ǎ -> Ă
    case 0x015F: return QChar(0x0219); // ş -> ș
    case 0x0163: return QChar(0x021B); // ţ -> ț
    case 0x015E: return QChar(0x0218); // Ş -> Ș
    case 0x0162: return QChar(0x021A); // Ţ -> Ț
    default: return c;
    }
}

} // namespace quillet::gendict
