// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/Generator.h"
#include "gendict/SpellChecker.h"
#include "gendict/StarDict.h"
#include "gendict/StopList.h"
#include "gendict/Tally.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace quillet::gendict {

// An inflected form and the word it is a form of, its base form.
struct FormPair {
    QString form;
    QString base;
    bool operator==(const FormPair &other) const = default;
};

// What became of one language's forms.
struct FormsSummary {
    qsizetype forms = 0; // pairs written
    qsizetype bases = 0; // lines written, one per base form
    Tally removed;       // pairs each rule left out
};

// The inflected forms of both languages' words, for the program to find the word behind
// an inflected query: for Romanian the forms the Romanian entries list in their ".syn"
// file, for English the irregular forms of WordNet's exception lists (the program finds
// the regular ones by rule). They are written whatever the dictionary's headwords are:
// the program keeps the base forms that are headwords of what it has loaded.
class WordForms {
public:
    static const QString EnglishFile;  // "en-forms.txt"
    static const QString RomanianFile; // "ro-forms.txt"
    // WordNet's exception lists, in its folder.
    static const QStringList ExceptionFiles;

    // The rules of forms alone, as they are named in the counts; forms holding a tab or
    // line break, not in Latin script or holding a stop-list word are counted under the
    // rules of the dictionary's entries (Assembly).
    static const QString SameRule;
    static const QString NotAWordRule;
    static const QString ParticleRule;
    static const QString GlossRule;

    // The Romanian pairs of the inflected forms a StarDict dictionary lists, cleaned like
    // headwords and in today's spelling as they are ("cîinii" of "cîine" is "câinii" of
    // "câine", checked with checker when there is one); a form with a particle in front
    // ("unei pompe", "să pompeze") goes, the program takes the particle off itself.
    static QList<FormPair> romanian(const StarDictBook &book, const StopList &stopList, const SpellChecker *checker,
                                    Tally &removed);
    // The English pairs of the lines of WordNet's exception lists, "form base base...",
    // '_' for a blank.
    static QList<FormPair> english(const QStringList &exceptionLines, const StopList &stopList, Tally &removed);

    // A forms file: UTF-8, one line per base form, "base<TAB>form<TAB>form...", each
    // ended by LF; base forms in the dictionary's headword order, and each base form's
    // forms in that order too, each once.
    static QByteArray encode(const QList<FormPair> &pairs);
    // Writes the file atomically; throws GenError when it cannot.
    static FormsSummary write(const QString &path, const QList<FormPair> &pairs, const Tally &removed);

    // Reads the ".syn" file of the Romanian entries, WordNet's exception lists and the
    // stop list, and writes both forms files into the output folder. Throws GenError on
    // a missing or malformed input or an unwritable output.
    struct Summary {
        FormsSummary english;
        FormsSummary romanian;
    };
    static Summary run(const GeneratorPaths &paths);
};

} // namespace quillet::gendict
