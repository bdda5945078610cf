// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terms/FlashCards.h"

#include "core/terms/TermExchange.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillet {

QString FirstTranslationLine(const QString &translation)
{
    static const QRegularExpression senseBreak(u"[;\\r\\n\\x{2028}\\x{2029}]"_s);
    return translation.section(senseBreak, 0, 0, QString::SectionSkipEmpty).trimmed();
}

QList<FlashCard> KeptCards(const KeptList &kept)
{
    QList<FlashCard> cards;
    for (const KeptEntry &entry : kept.entries()) {
        const QString direction = entry.direction == DictTable::RomanianEnglish ? u"ro-en"_s : u"en-ro"_s;
        cards.append({entry.headword, FirstTranslationLine(entry.translation),
                      direction + u", "_s + entry.added.toString(Qt::ISODate)});
    }
    return cards;
}

QList<FlashCard> HistoryCards(const DictTable &table, const QStringList &history)
{
    QList<FlashCard> cards;
    for (const QString &word : history)
        for (const int d : {DictTable::EnglishRomanian, DictTable::RomanianEnglish}) {
            const HeadwordIndex &index = table.headwords(d);
            const std::vector<int> found =
                index.stored().findEqual(word.trimmed().toUtf8().toStdString(), std::min(index.size(), table.EntryCount(d)));
            if (found.empty())
                continue;
            cards.append({table(d, DictTable::Headword, found.front()),
                          FirstTranslationLine(table(d, DictTable::Translation, found.front())),
                          d == DictTable::EnglishRomanian ? u"en-ro"_s : u"ro-en"_s});
            break;
        }
    return cards;
}

QByteArray FlashCardsCsv(const QList<FlashCard> &cards)
{
    QByteArray bytes = CsvRecord({u"front"_s, u"back"_s, u"note"_s});
    for (const FlashCard &card : cards)
        bytes += CsvRecord({card.front, card.back, card.note});
    return bytes;
}

} // namespace quillet
