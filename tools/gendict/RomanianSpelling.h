// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/DictEntry.h"
#include "gendict/SpellChecker.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace quillet::gendict {

// Romanian in today's spelling. Inside a word "â" stands where older texts wrote "î"
// ("cîine" is "câine", "a mîngîia" is "a mângâia") and "sunt" where they wrote "sînt";
// "î" stays at a word's start and end and after a prefix ("reîncepe", "neînțeles").
class RomanianSpelling {
public:
    // Learns the words of the texts written the old way. With a checker, a word is
    // rewritten when the checker knows the new spelling or knows neither; without one,
    // by the rule alone.
    void learn(const QStringList &texts, const SpellChecker *checker);
    // The text with every learnt word in its new spelling.
    QString modern(const QString &text) const;
    // The new spelling of one word by the rule alone.
    static QString modernWord(const QString &word);

    // Drops the headwords written without the diacritics a headword beside them has
    // ("reteta" beside "rețetă", "subtire" beside "subțire") when the checker does not
    // know them as words of their own ("tara", the tare, stays beside "țară"). Returns
    // how many went; none without a checker.
    static qsizetype dropUnmarkedDuplicates(QList<DictEntry> &entries, const SpellChecker *checker);

private:
    QHash<QString, QString> modern_;
};

} // namespace quillet::gendict
