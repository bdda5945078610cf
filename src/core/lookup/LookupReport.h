// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <QTextStream>

#include <optional>
#include <utility>

namespace quillet {

// The answer to a look-up from the command line, before it is written in one of the
// output formats. A direction holds named lists of entries; a new kind of list is one
// more ReportList, and every format writes it without further change.
struct ReportList {
    QString name;    // what scripts see: "starting-with", "containing", "base-forms" ...
    QString heading; // what people see: "Starting with:"
    QList<std::pair<QString, QString>> entries; // headword, translation
    bool limited = false; // the list stopped at its limit: more entries may match
    qsizetype personal = 0; // the first entries are the user's own pairs (My terms)
};

struct ReportDirection {
    QString code; // "er" or "re"
    QString name; // "English-Romanian"
    QList<ReportList> lists;
};

struct LookupReport {
    QString query;
    bool ignoreDiacritics = false;
    QList<ReportDirection> directions;
    // Whether each entry says where it comes from ("user" or "dictionary"): so when the
    // user has pairs of their own.
    bool withSource = false;

    // Whether any list holds an entry.
    bool found() const;
};

enum class ReportFormat {
    Text, // for people: headings, rows of headword TAB translation, a count under each list
          // ("1 word", "7 words", ">100 words" for a list that stopped at its limit)
    Tsv,  // one row per entry: list TAB headword TAB translation, nothing else; then TAB
          // source when the report is withSource
    Json, // one JSON document
};

// "text", "tsv" or "json"; nullopt for anything else.
std::optional<ReportFormat> ReportFormatNamed(QStringView name);

// Writes the report in the format. In the text format a report of more than one
// direction names each direction above its lists; blank lines part the lists. In the
// TSV format a row's list is the direction's code and the list's name, "er.containing";
// a tab or line break inside a headword or translation is written as a blank. A report
// withSource tells the user's own pairs: a third column "(my term)" in the text format,
// a source column in TSV, a "source" field in JSON.
void WriteReport(QTextStream &out, const LookupReport &report, ReportFormat format);

} // namespace quillet
