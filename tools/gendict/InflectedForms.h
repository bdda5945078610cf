// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/StarDict.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace quillet::gendict {

// Inflected forms and the headwords they are forms of, as a dictionary lists them: the
// Romanian entries' StarDict list points "directorului", "directori" and "un director"
// at "director". Forms and headwords are cleaned as lemmas are (composed, comma-below
// letters); a headword listed as a form of itself is not kept.
class InflectedForms {
public:
    static InflectedForms fromStarDict(const StarDictBook &book);

    void add(const QString &form, const QString &headword);

    // The headwords the form belongs to, in the order first listed; empty when the word
    // is no listed form.
    QStringList headwordsOf(const QString &form) const { return headwords_.value(form); }
    qsizetype size() const { return headwords_.size(); }

private:
    QHash<QString, QStringList> headwords_;
};

} // namespace quillet::gendict
