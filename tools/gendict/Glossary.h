// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/SourceFile.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quillet::gendict {

// One pair of the project's glossary of technical terms.
struct GlossaryPair {
    qsizetype field = 0; // which file it came from, in file-name order
    QString english;     // "nut", "to weld"
    QString romanian;    // "piuliță", "a suda"
    qsizetype line = 0;  // its line, counted from 1
    bool englishRomanian = true; // the pair serves the English-Romanian direction
    bool romanianEnglish = true; // and the Romanian-English one

    bool isVerb() const { return english.startsWith(u"to "); }
};

// The glossary: a folder of UTF-8 files named after their field ("mechanics.txt"), each
// line an English term, a tab and its Romanian equivalent; a verb reads "to weld<TAB>a
// suda". A third column "en-ro" or "ro-en" keeps the pair to that one direction. Lines
// starting with '#' are comments, blank lines are skipped. An English term with several
// equivalents has a line for each, the preferred first.
class Glossary {
public:
    // Reads every ".txt" file of the folder in file-name order; throws GenError on a
    // missing folder or a malformed line.
    static Glossary read(const QString &dir);

    const QList<GlossaryPair> &pairs() const { return pairs_; }
    // The file name of each field, in field order.
    const QStringList &files() const { return files_; }

private:
    // Adds the pairs of one file.
    void addFile(const SourceFile &file, qsizetype field);

    QList<GlossaryPair> pairs_;
    QStringList files_;
};

} // namespace quillet::gendict
