// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/DictEntry.h"
#include "gendict/StopList.h"
#include "gendict/Tally.h"

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
    Glossary = 8, // the project's own glossary of technical terms
};
using SourceMask = quint8;

// The sense a rendering belongs to: senses with the same source and id gather their
// renderings.
struct SenseRef {
    Source source;
    qint64 id = 0;
    bool technical = false; // the sense's own evidence names a technical domain or thing
    qint64 rank = 0;        // its place among the senses of the same source, lower first
};

// What one source says of one rendering besides its sense.
struct RenderingNote {
    bool late = false; // labelled regional, dated, archaic, rare, popular or colloquial
    qint64 order = 0;  // its place among the sense's renderings, lower first; ties keep arrival
};

// A finished entry with the sources that gave it something.
struct TableEntry {
    DictEntry entry;
    SourceMask sources = 0;
    bool glossaryOnly = false; // some glossary pair of it no other source gives
};

// Gathers the pairs of one direction: one row per distinct headword (exact string), its
// renderings grouped by sense, and ranks them when the entries are taken.
class TranslationTable {
public:
    // What the ranking moved, as it is named in the counts.
    static const QString EvidenceMove;
    static const QString TechnicalMove;
    static const QString GlossaryMove;
    static const QString LateMove;

    // renderingLanguage tells how a definition-like rendering looks.
    explicit TranslationTable(Language renderingLanguage) : language_(renderingLanguage) {}

    void add(const QString &headword, const SenseRef &sense, const QString &rendering,
             const RenderingNote &note = {});

    qsizetype size() const { return rows_.size(); }
    // The rows in the order their headwords first came, each translation ranked:
    // - senses: the glossary's first, then technical ones, then the rest; within each,
    //   the sense with the most attested rendering (the most sources giving that same
    //   pair) first, then the direction's own source, the Wordnet join and reversed
    //   pairs, then each source's own rank, then the rendering that renders the most
    //   headwords of the direction (the commoner word), then arrival;
    // - a sense is technical by its own evidence, or when every rendering of it is
    //   given by some technical sense;
    // - within a sense the most attested rendering first, then the source's order, then
    //   the commoner word;
    // - renderings every source labels by register, and definition-like ones, go to the
    //   end in their senses' order; the glossary's never do; English definitions ("a
    //   seller of onions") come after them;
    // - a rendering already listed, alike but for case and notes in parentheses, is not
    //   repeated, nor a Romanian one written without the diacritics of another;
    //   renderings of a sense are joined by ", ", senses by "; ".
    // moves, when given, counts the entries each ranking step changed.
    QList<TableEntry> entries(Tally *moves = nullptr) const;

    // Glossary pairs that no other source gives.
    qsizetype glossaryOnlyPairs() const;
    // The sources that give a headword this rendering (notes and case aside); none when
    // no source does.
    SourceMask sourcesOf(const QString &headword, const QString &rendering) const;

private:
    struct Rendering {
        QString text;
        QString key; // the text without notes, case-folded: what tells renderings apart
        RenderingNote note;
    };
    struct Sense {
        SenseRef ref;
        QList<Rendering> renderings;
    };
    // What every source together says of one rendering of a headword.
    struct Evidence {
        SourceMask sources = 0;
        bool technical = false; // given by some technical sense
        bool plain = false;     // given once without a register label
    };
    struct Row {
        QString headword;
        QList<Sense> senses;
        SourceMask sources = 0;
        QHash<QString, Evidence> evidence;
    };
    enum class Ranking { Arrival, Evidence, Technical, Full };
    // How many headwords each rendering renders: the more, the more common a word.
    using Prominence = QHash<QString, int>;

    QList<const Sense *> rankedSenses(const Row &row, Ranking ranking, const Prominence &prominence) const;
    QStringList rankedRenderings(const Row &row, const QList<const Sense *> &senses, const Prominence &prominence,
                                 bool lateLast, QStringList *grouped) const;
    bool isLate(const Row &row, const Rendering &rendering) const;

    Language language_;
    QHash<QString, qsizetype> rowOf_;
    QList<Row> rows_;
};

} // namespace quillet::gendict
