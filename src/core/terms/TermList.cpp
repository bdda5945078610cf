// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terms/TermList.h"

#include "core/dictionary/DictTable.h"
#include "core/terms/TermsTexts.h"
#include "core/terms/TsvText.h"

using namespace Qt::StringLiterals;

namespace quillet {

template <>
struct RowRules<PersonalTerm> {
    static constexpr qsizetype Bound = TermBounds::MaxTerms;

    static QStringList header() { return {u"headword"_s, u"translation"_s, u"direction"_s, u"note"_s}; }
    static QString keyOf(const PersonalTerm &term)
    {
        return term.headword + u'\t' + term.translation + u'\t' + TermDirectionCode(term.direction);
    }
    static void tidy(PersonalTerm &term)
    {
        term.headword = term.headword.trimmed();
        term.translation = term.translation.trimmed();
        term.note = term.note.trimmed();
    }
    static BilingualText problem(const PersonalTerm &term) { return TermProblem(term); }
    static BilingualText full() { return MessageOf(TermsText::TermsFull).arg(Bound); }
    static QStringList fields(const PersonalTerm &term)
    {
        return {term.headword, term.translation, TermDirectionCode(term.direction), term.note};
    }
    static std::optional<PersonalTerm> fromFields(const QStringList &fields)
    {
        const auto direction = TermDirectionNamed(fields[2]);
        if (!direction)
            return std::nullopt;
        return PersonalTerm{fields[0], fields[1], *direction, fields[3]};
    }
    static BilingualText unreadable(qsizetype row) { return MessageOf(TermsText::PairNoDirection).arg(row); }
    static BilingualText refused(qsizetype row, const BilingualText &why)
    {
        return MessageOf(TermsText::PairProblem).arg(row).arg(why);
    }
};

template <>
struct RowRules<KeptEntry> {
    static constexpr qsizetype Bound = TermBounds::MaxKept;

    static QStringList header() { return {u"direction"_s, u"headword"_s, u"translation"_s, u"added"_s}; }
    static QString keyOf(const KeptEntry &entry)
    {
        return QString::number(entry.direction) + u'\t' + entry.headword + u'\t' + entry.translation;
    }
    static void tidy(KeptEntry &entry)
    {
        if (!entry.added.isValid())
            entry.added = QDate::currentDate();
    }
    static BilingualText problem(const KeptEntry &entry)
    {
        if (!DictTable::isDirection(entry.direction) || entry.headword.trimmed().isEmpty())
            return MessageOf(TermsText::NoEntryToKeep);
        if (BilingualText why = FieldProblem(entry.headword, TermsText::TheHeadword); !why.isEmpty())
            return why;
        return FieldProblem(entry.translation, TermsText::TheTranslation);
    }
    static BilingualText full() { return MessageOf(TermsText::KeptFull).arg(Bound); }
    static QStringList fields(const KeptEntry &entry)
    {
        const TermDirection direction = entry.direction == DictTable::RomanianEnglish ? TermDirection::RomanianEnglish
                                                                                      : TermDirection::EnglishRomanian;
        return {TermDirectionCode(direction), entry.headword, entry.translation, entry.added.toString(Qt::ISODate)};
    }
    static std::optional<KeptEntry> fromFields(const QStringList &fields)
    {
        const auto direction = TermDirectionNamed(fields[0]);
        const QDate added = QDate::fromString(fields[3], Qt::ISODate);
        if (!direction || *direction == TermDirection::Both || !added.isValid())
            return std::nullopt;
        const int d = *direction == TermDirection::EnglishRomanian ? DictTable::EnglishRomanian
                                                                    : DictTable::RomanianEnglish;
        return KeptEntry{d, fields[1], fields[2], added};
    }
    static BilingualText unreadable(qsizetype row) { return MessageOf(TermsText::EntryNoDirection).arg(row); }
    static BilingualText refused(qsizetype row, const BilingualText &why)
    {
        return MessageOf(TermsText::EntryProblem).arg(row).arg(why);
    }
};

template <typename Row>
const QStringList &RowList<Row>::Header()
{
    static const QStringList header = RowRules<Row>::header();
    return header;
}

template <typename Row>
bool RowList<Row>::contains(const Row &row) const
{
    return keys_.contains(RowRules<Row>::keyOf(row));
}

template <typename Row>
AddOutcome RowList<Row>::add(Row row, BilingualText *why)
{
    using Rules = RowRules<Row>;
    Rules::tidy(row);
    BilingualText problem = Rules::problem(row);
    QString key = Rules::keyOf(row);
    if (problem.isEmpty() && keys_.contains(key))
        return AddOutcome::AlreadyThere;
    if (problem.isEmpty() && size() >= Rules::Bound)
        problem = Rules::full();
    if (!problem.isEmpty()) {
        if (why != nullptr)
            *why = std::move(problem);
        return AddOutcome::Refused;
    }
    keys_.insert(std::move(key));
    rows_.push_back(std::move(row));
    return AddOutcome::Added;
}

template <typename Row>
void RowList<Row>::remove(qsizetype i)
{
    if (i < 0 || i >= size())
        return;
    keys_.remove(RowRules<Row>::keyOf(rows_[std::size_t(i)]));
    rows_.erase(rows_.begin() + i);
}

template <typename Row>
void RowList<Row>::clear()
{
    rows_.clear();
    keys_.clear();
}

template <typename Row>
QByteArray RowList<Row>::fileText() const
{
    QList<QStringList> rows;
    rows.reserve(size());
    for (const Row &row : rows_)
        rows.append(RowRules<Row>::fields(row));
    return TsvText(Header(), rows);
}

template <typename Row>
BilingualText RowList<Row>::readFileText(QByteArrayView text)
{
    using Rules = RowRules<Row>;
    const TsvRows read = ReadTsvText(text, Header(), Rules::Bound);
    if (!read.ok())
        return read.problem;
    RowList loaded;
    loaded.rows_.reserve(std::size_t(read.rows.size()));
    loaded.keys_.reserve(read.rows.size());
    qsizetype number = 0;
    for (const QStringList &fields : read.rows) {
        ++number;
        std::optional<Row> row = Rules::fromFields(fields);
        if (!row)
            return Rules::unreadable(number);
        BilingualText why;
        // A row written twice by hand is kept once.
        if (loaded.add(std::move(*row), &why) == AddOutcome::Refused)
            return Rules::refused(number, why);
    }
    *this = std::move(loaded);
    return {};
}

template class RowList<PersonalTerm>;
template class RowList<KeptEntry>;

bool TermList::replace(qsizetype i, PersonalTerm term, BilingualText *why)
{
    using Rules = RowRules<PersonalTerm>;
    Rules::tidy(term);
    BilingualText problem = TermProblem(term);
    if (i < 0 || i >= size())
        problem = MessageOf(TermsText::NoSuchPair);
    else if (problem.isEmpty() && contains(term) && !rows_[std::size_t(i)].samePair(term))
        problem = MessageOf(TermsText::PairThere);
    if (!problem.isEmpty()) {
        if (why != nullptr)
            *why = std::move(problem);
        return false;
    }
    keys_.remove(Rules::keyOf(rows_[std::size_t(i)]));
    keys_.insert(Rules::keyOf(term));
    rows_[std::size_t(i)] = std::move(term);
    return true;
}

} // namespace quillet
