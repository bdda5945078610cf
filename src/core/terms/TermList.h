// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/terms/PersonalTerm.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

namespace quillet {

// What became of a row offered to a list.
enum class AddOutcome { Added, AlreadyThere, Refused };

// What a list of the user's rows knows of its row type: the file's header, the bound,
// the key that tells two rows apart, the checks, and a row's fields in the file. One for
// the pairs of My terms and one for the entries of My list, in TermList.cpp.
template <typename Row>
struct RowRules;

// The user's rows of one kind, kept in a TSV file of their own: in the order they were
// added, no two with the same key, none the rules refuse, at most the rules' bound.
template <typename Row>
class RowList {
public:
    static const QStringList &Header();

    const std::vector<Row> &rows() const { return rows_; }
    qsizetype size() const { return qsizetype(rows_.size()); }
    bool contains(const Row &row) const;

    // Adds the row (tidied as the rules say: fields trimmed, a date filled in) unless it is
    // there already or cannot be stored; `why` says why it was refused.
    AddOutcome add(Row row, BilingualText *why = nullptr);
    void remove(qsizetype i);
    void clear();

    // The file's text, and the rows back from it; the problem when the text is damaged,
    // the list unchanged then.
    QByteArray fileText() const;
    BilingualText readFileText(QByteArrayView text);

protected:
    std::vector<Row> rows_;
    QSet<QString> keys_; // the key of each row, for a quick look at what is there
};

// The user's own pairs (My terms): no two the same pair, none breaking TermProblem's
// rules, at most TermBounds::MaxTerms; header headword, translation, direction, note.
class TermList : public RowList<PersonalTerm> {
public:
    const std::vector<PersonalTerm> &terms() const { return rows_; }

    // Puts the pair in place of pair i; false, nothing changed, when it cannot be stored
    // or is another pair already there.
    bool replace(qsizetype i, PersonalTerm term, BilingualText *why = nullptr);
};

// The entries the user keeps (My list), newest last; one entry a direction, headword and
// translation, at most TermBounds::MaxKept; header direction, headword, translation, added.
class KeptList : public RowList<KeptEntry> {
public:
    const std::vector<KeptEntry> &entries() const { return rows_; }
};

} // namespace quillet
