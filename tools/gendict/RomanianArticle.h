// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace quillet::gendict {

// One part of speech of a Romanian entry with its numbered English glosses.
struct ArticleSection {
    QString partOfSpeech; // "noun", "verb", "name", ...
    QStringList glosses;  // plain text, labels still in front: "(computing) stack"

    bool isVerb() const { return partOfSpeech == u"verb"; }
    bool isName() const { return partOfSpeech == u"name"; }
};

// Reads an article of the Romanian entries, HTML such as
//     <i>noun</i><br><ol><li>pile (of objects)</li><li>(computing) stack</li></ol>
// into its sections. Tags other than these are dropped; the basic entities decoded.
class RomanianArticle {
public:
    static QList<ArticleSection> parse(QStringView html);
};

} // namespace quillet::gendict
