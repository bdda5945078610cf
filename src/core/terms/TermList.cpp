// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terms/TermList.h"

#include "core/dictionary/DictTable.h"
#include "core/terms/TsvText.h"

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

void Trim(PersonalTerm &term)
{
    term.headword = term.headword.trimmed();
    term.translation = term.translation.trimmed();
    term.note = term.note.trimmed();
}

QString DirectionCode(int d)
{
    return TermDirectionCode(d == DictTable::RomanianEnglish ? TermDirection::RomanianEnglish
                                                             : TermDirection::EnglishRomanian);
}

} // namespace

const QStringList &TermList::Header()
{
    static const QStringList header{u"headword"_s, u"translation"_s, u"direction"_s, u"note"_s};
    return header;
}

QString TermList::keyOf(const PersonalTerm &term)
{
    return term.headword + u'\t' + term.translation + u'\t' + TermDirectionCode(term.direction);
}

bool TermList::contains(const PersonalTerm &term) const
{
    return keys_.contains(keyOf(term));
}

void TermList::clear()
{
    terms_.clear();
    keys_.clear();
}

AddOutcome TermList::add(PersonalTerm term, QString *why)
{
    Trim(term);
    QString problem = TermProblem(term);
    if (problem.isEmpty() && contains(term))
        return AddOutcome::AlreadyThere;
    if (problem.isEmpty() && size() >= TermBounds::MaxTerms)
        problem = u"My terms hold %1 pairs, as many as they can"_s.arg(TermBounds::MaxTerms);
    if (!problem.isEmpty()) {
        if (why != nullptr)
            *why = problem;
        return AddOutcome::Refused;
    }
    keys_.insert(keyOf(term));
    terms_.push_back(std::move(term));
    return AddOutcome::Added;
}

bool TermList::replace(qsizetype i, PersonalTerm term, QString *why)
{
    Trim(term);
    QString problem = TermProblem(term);
    if (i < 0 || i >= size())
        problem = u"there is no such pair"_s;
    else if (problem.isEmpty() && contains(term) && !terms_[std::size_t(i)].samePair(term))
        problem = u"the pair is in My terms already"_s;
    if (!problem.isEmpty()) {
        if (why != nullptr)
            *why = problem;
        return false;
    }
    keys_.remove(keyOf(terms_[std::size_t(i)]));
    keys_.insert(keyOf(term));
    terms_[std::size_t(i)] = std::move(term);
    return true;
}

void TermList::remove(qsizetype i)
{
    if (i < 0 || i >= size())
        return;
    keys_.remove(keyOf(terms_[std::size_t(i)]));
    terms_.erase(terms_.begin() + i);
}

QByteArray TermList::fileText() const
{
    QList<QStringList> rows;
    rows.reserve(size());
    for (const PersonalTerm &term : terms_)
        rows.append({term.headword, term.translation, TermDirectionCode(term.direction), term.note});
    return TsvText(Header(), rows);
}

QString TermList::readFileText(QByteArrayView text)
{
    const TsvRows read = ReadTsvText(text, Header(), TermBounds::MaxTerms);
    if (!read.ok())
        return read.problem;
    TermList loaded;
    qsizetype row = 0;
    for (const QStringList &fields : read.rows) {
        ++row;
        const auto direction = TermDirectionNamed(fields[2]);
        if (!direction)
            return u"pair %1 has no direction en-ro, ro-en or both"_s.arg(row);
        QString why;
        // A pair written twice by hand is kept once.
        if (loaded.add({fields[0], fields[1], *direction, fields[3]}, &why) == AddOutcome::Refused)
            return u"pair %1: %2"_s.arg(row).arg(why);
    }
    *this = std::move(loaded);
    return {};
}

const QStringList &KeptList::Header()
{
    static const QStringList header{u"direction"_s, u"headword"_s, u"translation"_s, u"added"_s};
    return header;
}

QString KeptList::keyOf(const KeptEntry &entry)
{
    return QString::number(entry.direction) + u'\t' + entry.headword + u'\t' + entry.translation;
}

bool KeptList::contains(const KeptEntry &entry) const
{
    return keys_.contains(keyOf(entry));
}

AddOutcome KeptList::add(KeptEntry entry, QString *why)
{
    QString problem;
    if (!DictTable::isDirection(entry.direction) || entry.headword.trimmed().isEmpty())
        problem = u"there is no entry to keep"_s;
    for (const auto &[text, what] : {std::pair{&entry.headword, u"headword"_s},
                                     std::pair{&entry.translation, u"translation"_s}})
        if (problem.isEmpty())
            problem = FieldProblem(*text, what);
    if (problem.isEmpty() && contains(entry))
        return AddOutcome::AlreadyThere;
    if (problem.isEmpty() && size() >= TermBounds::MaxKept)
        problem = u"My list holds %1 entries, as many as it can"_s.arg(TermBounds::MaxKept);
    if (!problem.isEmpty()) {
        if (why != nullptr)
            *why = problem;
        return AddOutcome::Refused;
    }
    if (!entry.added.isValid())
        entry.added = QDate::currentDate();
    keys_.insert(keyOf(entry));
    entries_.push_back(std::move(entry));
    return AddOutcome::Added;
}

void KeptList::remove(qsizetype i)
{
    if (i < 0 || i >= size())
        return;
    keys_.remove(keyOf(entries_[std::size_t(i)]));
    entries_.erase(entries_.begin() + i);
}

QByteArray KeptList::fileText() const
{
    QList<QStringList> rows;
    rows.reserve(size());
    for (const KeptEntry &entry : entries_)
        rows.append({DirectionCode(entry.direction), entry.headword, entry.translation,
                     entry.added.toString(Qt::ISODate)});
    return TsvText(Header(), rows);
}

QString KeptList::readFileText(QByteArrayView text)
{
    const TsvRows read = ReadTsvText(text, Header(), TermBounds::MaxKept);
    if (!read.ok())
        return read.problem;
    KeptList loaded;
    qsizetype row = 0;
    for (const QStringList &fields : read.rows) {
        ++row;
        const auto direction = TermDirectionNamed(fields[0]);
        const QDate added = QDate::fromString(fields[3], Qt::ISODate);
        if (!direction || *direction == TermDirection::Both || !added.isValid())
            return u"entry %1 has no direction en-ro or ro-en and date"_s.arg(row);
        const int d = *direction == TermDirection::EnglishRomanian ? DictTable::EnglishRomanian
                                                                    : DictTable::RomanianEnglish;
        QString why;
        if (loaded.add({d, fields[1], fields[2], added}, &why) == AddOutcome::Refused)
            return u"entry %1: %2"_s.arg(row).arg(why);
    }
    *this = std::move(loaded);
    return {};
}

} // namespace quillet
