// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/SynsetKey.h"

using namespace Qt::StringLiterals;

namespace quillet::gendict {

QString wordClassFileName(PartOfSpeech pos)
{
    switch (pos) {
    case PartOfSpeech::Noun: return u"noun"_s;
    case PartOfSpeech::Verb: return u"verb"_s;
    case PartOfSpeech::Adjective: return u"adj"_s;
    case PartOfSpeech::Adverb: return u"adv"_s;
    }
    return {};
}

std::optional<SynsetKey> SynsetKey::parse(QStringView text)
{
    if (text.size() != 10 || text[8] != u'-')
        return std::nullopt;
    const std::optional<quint32> offset = parseOffset(text.first(8));
    const std::optional<PartOfSpeech> pos = partOfSpeech(text.sliced(9));
    if (!offset || !pos)
        return std::nullopt;
    return SynsetKey(*pos, *offset);
}

std::optional<PartOfSpeech> SynsetKey::partOfSpeech(QStringView letter)
{
    if (letter.size() != 1)
        return std::nullopt;
    switch (letter[0].unicode()) {
    case u'n': return PartOfSpeech::Noun;
    case u'v': return PartOfSpeech::Verb;
    case u'a':
    case u's': return PartOfSpeech::Adjective;
    case u'r': return PartOfSpeech::Adverb;
    default: return std::nullopt;
    }
}

std::optional<quint32> SynsetKey::parseOffset(QStringView digits)
{
    if (digits.size() != 8)
        return std::nullopt;
    quint32 offset = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        offset = offset * 10 + (c.unicode() - u'0');
    }
    return offset;
}

} // namespace quillet::gendict
