// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quiz/QuizSources.h"

#include "core/terms/FlashCards.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// Fills the next entry of direction d.
void Append(DictTable &table, int d, const QString &headword, const QString &translation)
{
    const int k = table.EntryCount(d) + 1;
    if (k > DictTable::Capacity)
        return;
    table.set(d, DictTable::Headword, k, headword);
    table.set(d, DictTable::Translation, k, translation);
    table.setEntryCount(d, k);
}

} // namespace

QString QuizSourceName(QuizSource source, bool english)
{
    switch (source) {
    case QuizSource::Dictionary: return english ? u"Whole dictionary"_s : u"Tot dicționarul"_s;
    case QuizSource::MyList: return english ? u"My list"_s : u"Lista mea"_s;
    case QuizSource::MyTerms: return english ? u"My terms"_s : u"Termenii mei"_s;
    case QuizSource::History: return english ? u"History"_s : u"Istoric"_s;
    }
    return {};
}

std::unique_ptr<DictTable> QuizTableOf(const KeptList &kept)
{
    auto table = std::make_unique<DictTable>();
    for (const KeptEntry &entry : kept.entries())
        Append(*table, entry.direction, entry.headword, entry.translation);
    return table;
}

std::unique_ptr<DictTable> QuizTableOf(const TermList &terms)
{
    auto table = std::make_unique<DictTable>();
    for (const int d : {DictTable::EnglishRomanian, DictTable::RomanianEnglish})
        for (const PersonalTerm &term : terms.terms())
            if (term.readsIn(d))
                Append(*table, d, term.headwordIn(d), term.translationIn(d));
    return table;
}

std::unique_ptr<DictTable> QuizTableOf(const DictTable &dictionary, const QStringList &history)
{
    auto table = std::make_unique<DictTable>();
    for (const FlashCard &card : HistoryCards(dictionary, history))
        Append(*table, card.note == u"ro-en" ? DictTable::RomanianEnglish : DictTable::EnglishRomanian, card.front,
               card.back);
    return table;
}

int QuizCandidatesIn(const DictTable &table, int d)
{
    QSet<QString> translations;
    for (int k = 1; k <= table.EntryCount(d); ++k)
        if (!table(d, DictTable::Headword, k).isEmpty() && !table(d, DictTable::Translation, k).isEmpty())
            translations.insert(table(d, DictTable::Translation, k));
    return int(translations.size());
}

QString QuizSourceCaption(bool english)
{
    return english ? u"Words from:"_s : u"Cuvinte din:"_s;
}

QString TooFewWordsMessage(QuizSource source, int available, int needed, bool english)
{
    const QString name = QuizSourceName(source, english);
    if (english)
        return u"%1 has %2 different words in this direction; this level needs %3. "
               u"Add words, or choose a lower level or another source."_s.arg(name).arg(available).arg(needed);
    return u"%1 are %2 cuvinte diferite în această direcție; nivelul acesta cere %3. "
           u"Adăugați cuvinte sau alegeți un nivel mai mic ori altă sursă."_s.arg(name).arg(available).arg(needed);
}

} // namespace quillet
