// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/terms/TermList.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <limits>
#include <optional>
#include <vector>

namespace quillet {

// The files My terms are exchanged in with other programs.
enum class ExchangeFormat {
    Tbx, // TermBase eXchange, the TBX-Basic dialect
    Csv, // comma-separated, quoted as RFC 4180 says
    Tsv, // tab-separated
};

// "tbx", "csv" or "tsv"; nullopt for anything else.
std::optional<ExchangeFormat> ExchangeFormatNamed(QStringView name);
// The format a file's extension names (.tbx, .xml, .csv, .tsv, .txt), if any.
std::optional<ExchangeFormat> ExchangeFormatOfPath(const QString &path);

// A pair read from a file, and where in it (a line, or an element).
struct ReadPair {
    PersonalTerm term;
    BilingualText where;
};

// What a reader took from a file: the pairs, and the records it refused and why. A file
// that cannot be read as a whole (invalid UTF-8, a DOCTYPE, a quote left open, more
// than the bounds allow) gives a failure and no pairs at all.
struct ExchangeRead {
    std::vector<ReadPair> pairs;
    QList<BilingualText> refused; // "line 7: the translation is empty"
    BilingualText failure;
};

// TBX: every termEntry (or conceptEntry) with terms in English and Romanian (xml:lang
// "en" and "ro", region tags such as "en-US" included) gives a pair for each English
// term with each Romanian term; other languages are skipped. The entry's notes become
// the pair's note. A file with a DOCTYPE, and so any entity of its own, is refused:
// nothing is expanded or fetched.
ExchangeRead ReadTbx(QByteArrayView bytes);
// CSV or TSV (the separator says which), UTF-8, fields quoted as RFC 4180 says. A first
// row that names its columns (headword or term, translation, direction, note ...) is a
// header and places the columns; else they are headword, translation, direction, note.
ExchangeRead ReadDelimited(QByteArrayView bytes, QChar separator);

// The pairs as a file of the format, in their order. TBX: a martif of type TBX-Basic,
// one termEntry a pair, its English and Romanian term each in a langSet's tig, the note
// as the entry's note, a direction other than both as a note "quillet-direction: en-ro".
// CSV and TSV: a header "headword,translation,direction,note", then one row a pair.
QByteArray WriteTbx(const TermList &terms);
QByteArray WriteDelimited(const TermList &terms, QChar separator);
QByteArray WriteTerms(const TermList &terms, ExchangeFormat format);

// One CSV record, fields quoted only when they need it (separator, quote, line break).
QByteArray CsvRecord(const QStringList &fields, QChar separator = u',');

// What an import did.
struct ImportReport {
    int added = 0;
    int alreadyThere = 0;
    QList<BilingualText> refused; // each with its line or element and why
    BilingualText failure;        // the file could not be read: nothing was added

    bool failed() const { return !failure.isEmpty(); }
    // "12 added, 3 already there, 1 refused" in the language, then the first `listed`
    // refused ones, one a line ("..." under them when there are more); the failure
    // alone when the import failed.
    QString summary(bool english = true, qsizetype listed = std::numeric_limits<qsizetype>::max()) const;
};

// Reads the file (its format from `format`, else its extension) into a copy of `into`:
// the pairs are added to it, or take its place when `replace` is set. Nothing is
// changed unless the whole file was read and the result stays within the bounds.
ImportReport ImportTerms(const QString &path, std::optional<ExchangeFormat> format, TermList &into, bool replace);
// Writes My terms to the file, in `format` or the one its extension names; the problem or nothing.
BilingualText ExportTerms(const QString &path, std::optional<ExchangeFormat> format, const TermList &terms);

} // namespace quillet
