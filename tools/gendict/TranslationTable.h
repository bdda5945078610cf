#pragma once

#include "gendict/DictEntry.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace quillet::gendict {

// Where a pair of one direction came from.
enum class Source : quint8 {
    Entries = 1,  // the direction's own Wiktionary source, read forwards
    Reversed = 2, // the other direction's Wiktionary source, turned round
    WordNet = 4,  // the Open Multilingual Wordnet joined with WordNet 3.0
};
using SourceMask = quint8;

// The sense a rendering belongs to: senses with the same source and id gather their
// renderings; a technical sense is listed before the others.
struct SenseRef {
    Source source;
    qint64 id = 0;
    bool technical = false;
};

// A finished entry with the sources that gave it something.
struct TableEntry {
    DictEntry entry;
    SourceMask sources = 0;
};

// Gathers the pairs of one direction: one row per distinct headword (exact string),
// its renderings grouped by sense in the order they came.
class TranslationTable {
public:
    void add(const QString &headword, const SenseRef &sense, const QString &rendering);

    qsizetype size() const { return rows_.size(); }
    // The rows in the order their headwords first came. A translation is the senses'
    // renderings joined by ", ", the senses by "; ", technical senses first; a rendering
    // already listed, alike but for case and notes in parentheses, is not repeated.
    QList<TableEntry> entries() const;

private:
    struct Sense {
        SenseRef ref;
        QStringList renderings;
    };
    struct Row {
        QString headword;
        QList<Sense> senses;
        SourceMask sources = 0;
    };

    static QString translationOf(const Row &row);

    QHash<QString, qsizetype> rowOf_;
    QList<Row> rows_;
};

} // namespace quillet::gendict
