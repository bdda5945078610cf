// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terms/TermIndex.h"

#include "core/dictionary/DictTable.h"

#include <algorithm>

namespace quillet {

TermIndex::TermIndex(const TermList &terms)
{
    for (const int d : {DictTable::EnglishRomanian, DictTable::RomanianEnglish}) {
        Direction &into = directions_[std::size_t(d - 1)];
        for (const PersonalTerm &term : terms.terms())
            if (term.readsIn(d))
                into.rows.emplace_back(term.headwordIn(d), term.translationIn(d));
        std::stable_sort(into.rows.begin(), into.rows.end(), [](const auto &a, const auto &b) {
            const int byFold = QString::compare(a.first, b.first, Qt::CaseInsensitive);
            return byFold != 0 ? byFold < 0 : a.first < b.first;
        });
        for (const auto &row : into.rows)
            into.index.appendUtf8(row.first.toUtf8());
    }
}

int TermIndex::size(int d) const
{
    return DictTable::isDirection(d) ? int(direction(d).rows.size()) : 0;
}

PersonalFinds TermIndex::find(int d, QStringView query, Diacritics diacritics) const
{
    if (size(d) == 0)
        return {};
    const Direction &in = direction(d);
    const SearchResult found = SearchHeadwords(in.index, in.index.size(), query, diacritics);
    const auto rows = [&in](const std::vector<int> &entries) {
        QList<std::pair<QString, QString>> list;
        list.reserve(qsizetype(entries.size()));
        for (const int k : entries)
            list.append(in.rows[std::size_t(k - 1)]);
        return list;
    };
    return {rows(found.startingWith), rows(found.containing)};
}

} // namespace quillet
