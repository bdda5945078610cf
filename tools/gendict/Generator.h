// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/Tally.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace quillet::gendict {

// Where the generator reads and writes.
struct GeneratorPaths {
    QString sourceDir;   // holds omw-wiktionary/, omw-cldr/, wiktionary-en-ro/, wiktionary-ro-en/
    QString wordNetDir;  // holds WordNet's data.*, index.*, *.exc and cntlist.rev files
    QString stopList;    // the stop list file
    QString outDir;      // receives en-ro.txt and ro-en.txt
    QString glossaryDir; // the glossary's folder; none when empty
    QString spellingDir; // holds hunspell's en_US and ro_RO dictionaries; no spelling check when empty
};

// What the glossary gives in one field.
struct GlossaryField {
    QString file;
    qsizetype pairs = 0;
    qsizetype attested = 0;     // pairs another source gives too, in either direction
    qsizetype allowedWords = 0; // words on the field's spelling allow list
};

// What became of one direction.
struct DirectionSummary {
    qsizetype entries = 0;          // entries written
    Tally sources;                  // entries each source gave something to
    Tally removed;                  // pairs each rule left out or changed
    Tally moved;                    // entries each ranking step changed
    qsizetype glossaryOnlyPairs = 0; // glossary pairs no other source gives
};

struct GeneratorSummary {
    DirectionSummary englishRomanian;
    DirectionSummary romanianEnglish;
    qsizetype unresolvedLines = 0; // lemma lines whose synset WordNet lacks
    qsizetype namePieceLines = 0;  // lemma lines that are only a piece of a longer name
    QMap<quint32, qsizetype> shiftedLines; // lemma lines matched to a moved synset, per shift
    QList<GlossaryField> glossaryFields;
};

// The whole run: reads the English-to-Romanian translation tables, the Romanian
// entries, the Romanian lemma files (the Wiktionary set first, then the CLDR set) with
// WordNet, the glossary and the stop list, and writes both directions, sorted.
class Generator {
public:
    static const QString EnglishRomanianFile;
    static const QString RomanianEnglishFile;
    static const QString TranslationTablesFile; // under the source folder
    static const QString RomanianEntriesFile;   // under the source folder
    static const QString AffixRule;
    static const QString UnmarkedRule;

    // The .tab files under the source folder, in the order they are joined; the last is
    // the CLDR set of names.
    static QStringList omwFiles(const QString &sourceDir);

    // Throws GenError on a missing or malformed input, a glossary word misspelt, or an
    // unwritable output.
    static GeneratorSummary run(const GeneratorPaths &paths);
};

} // namespace quillet::gendict
