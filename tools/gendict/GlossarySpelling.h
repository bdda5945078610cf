// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/Glossary.h"
#include "gendict/SpellChecker.h"
#include "gendict/StopList.h"

#include <QList>
#include <QSet>
#include <QString>

namespace quillet::gendict {

// The words of one glossary file that the spelling dictionaries do not know and that are
// right all the same, each with its reason: "spelling/<file name>" beside the glossary,
// lines of "language<TAB>word<TAB>reason", the language "en" or "ro"; '#' starts a comment.
class SpellingAllowList {
public:
    // An empty list when the file is not there; throws GenError on a malformed line.
    static SpellingAllowList read(const QString &path);

    bool allows(Language language, const QString &word) const;
    qsizetype size() const { return english_.size() + romanian_.size(); }

private:
    QSet<QString> english_;
    QSet<QString> romanian_;
};

// Checks every word of the glossary with the two spelling dictionaries.
class GlossarySpelling {
public:
    // The folder of the allow lists, inside the glossary's folder.
    static const QString AllowListFolder;

    // Returns, per field in the glossary's order, the words on its allow list. Throws
    // GenError naming the file, the line and the word of every word that neither the
    // dictionary of its language knows nor the field's list allows.
    static QList<qsizetype> check(const Glossary &glossary, const QString &glossaryDir, const SpellChecker &english,
                                  const SpellChecker &romanian);
};

} // namespace quillet::gendict
