// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/terms/PersonalTerm.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

namespace quillet {

// What became of a pair offered to a list.
enum class AddOutcome { Added, AlreadyThere, Refused };

// The user's own pairs (My terms), in the order they were added. No two are the same
// pair, none breaks TermProblem's rules, and there are at most TermBounds::MaxTerms.
class TermList {
public:
    static const QStringList &Header(); // headword, translation, direction, note

    const std::vector<PersonalTerm> &terms() const { return terms_; }
    qsizetype size() const { return qsizetype(terms_.size()); }

    // Adds the pair (its fields trimmed) unless it is there already or cannot be stored;
    // `why` says why it was refused.
    AddOutcome add(PersonalTerm term, QString *why = nullptr);
    // Puts the pair in place of pair i; false, nothing changed, when it cannot be stored
    // or is another pair already there.
    bool replace(qsizetype i, PersonalTerm term, QString *why = nullptr);
    void remove(qsizetype i);
    void clear();
    bool contains(const PersonalTerm &term) const;

    // The file's text, and the pairs back from it; the problem when the text is damaged,
    // the list unchanged then.
    QByteArray fileText() const;
    QString readFileText(QByteArrayView text);

private:
    static QString keyOf(const PersonalTerm &term);

    std::vector<PersonalTerm> terms_;
    QSet<QString> keys_; // keyOf each pair, for a quick look at what is there
};

// The entries the user keeps (My list), newest last; one entry a direction, headword and
// translation, at most TermBounds::MaxKept of them.
class KeptList {
public:
    static const QStringList &Header(); // direction, headword, translation, added

    const std::vector<KeptEntry> &entries() const { return entries_; }
    qsizetype size() const { return qsizetype(entries_.size()); }

    AddOutcome add(KeptEntry entry, QString *why = nullptr);
    void remove(qsizetype i);
    bool contains(const KeptEntry &entry) const;

    QByteArray fileText() const;
    QString readFileText(QByteArrayView text);

private:
    static QString keyOf(const KeptEntry &entry);

    std::vector<KeptEntry> entries_;
    QSet<QString> keys_;
};

} // namespace quillet
