// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace quillet::gendict {

// A lemma as the sources spell it, made fit to be a headword or a translation: it is
// composed (NFC), invisible format characters go, WordNet's '_' becomes a blank, an adjective marker such as "(a)", "(p)" or "(ip)" at
// the end goes, the cedilla letters ş ţ Ş Ţ become the comma-below ș ț Ș Ț, the a with caron ǎ that some
// sources type for ă becomes ă, and the
// surrounding blanks are trimmed. The same rules serve both languages.
class Lemma {
public:
    // The cleaned lemma, or nothing when it is unusable: empty after the clean-up, or
    // holding a tab or a line break, which the one-entry-per-line files cannot carry.
    static std::optional<QString> clean(QStringView raw);

private:
    static bool breaksTheLine(QChar c);
    static QString withoutAdjectiveMarker(const QString &lemma);
    static QChar withRomanianLetters(QChar c);
};

} // namespace quillet::gendict
