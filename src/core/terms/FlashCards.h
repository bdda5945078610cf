// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictTable.h"
#include "core/terms/TermList.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace quillet {

// One card: the word, its first translation (its first sense), and a note.
struct FlashCard {
    QString front;
    QString back;
    QString note;
};

// The first sense of a translation: what comes before its first semicolon or line break.
QString FirstTranslationLine(const QString &translation);

// My list as cards; the note names the direction and the day the entry was added.
QList<FlashCard> KeptCards(const KeptList &kept);
// The history's words as cards: each with the translation of the dictionary's entry of
// that headword (English-Romanian first, then Romanian-English); words the dictionary
// has no entry for are left out.
QList<FlashCard> HistoryCards(const DictTable &table, const QStringList &history);

// The cards as CSV for flash-card programs: a header "front,back,note", then a row a card.
QByteArray FlashCardsCsv(const QList<FlashCard> &cards);

} // namespace quillet
