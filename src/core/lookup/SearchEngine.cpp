// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/SearchEngine.h"

#include "core/dictionary/Diacritics.h"

#include <algorithm>
#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

std::string Utf8(QStringView text)
{
    return text.toUtf8().toStdString();
}

} // namespace

SearchResult SearchDictionary(const DictTable &table, int d, QStringView query, Diacritics diacritics)
{
    // A headword never holds a line break, so neither does anything that matches.
    if (query.isEmpty() || query.contains(QLatin1Char(HeadwordText::Separator)) || !DictTable::isDirection(d))
        return {};
    const HeadwordIndex &index = table.headwords(d);
    return SearchHeadwords(index, std::min(table.EntryCount(d), index.size()), query, diacritics);
}

SearchResult SearchHeadwords(const HeadwordIndex &index, int entries, QStringView query, Diacritics diacritics)
{
    if (entries <= 0 || query.isEmpty() || query.contains(QLatin1Char(HeadwordText::Separator)))
        return {};
    const QString folded = HeadwordIndex::fold(query);
    if (diacritics == Diacritics::Ignored) {
        const std::string start = Utf8(FoldDiacritics(query));
        const std::string inside = Utf8(FoldDiacritics(folded));
        if (inside.empty()) // a query of loose marks alone: nothing to look for
            return {};
        return SearchResult{index.storedWithoutMarks().findStartingWith(start, entries, MaxListedMatches),
                            index.foldedWithoutMarks().find(inside, entries, MaxListedMatches)};
    }
    return SearchResult{index.stored().findStartingWith(Utf8(query), entries, MaxListedMatches),
                        index.folded().find(Utf8(folded), entries, MaxListedMatches)};
}

QString CommaBelowLetters(QString query)
{
    static constexpr std::array<std::pair<char16_t, char16_t>, 4> Cedillas{{
        {u'\u015E', u'\u0218'}, // Ş → Ș
        {u'\u015F', u'\u0219'}, // ş → ș
        {u'\u0162', u'\u021A'}, // Ţ → Ț
        {u'\u0163', u'\u021B'}, // ţ → ț
    }};
    for (const auto &[cedilla, commaBelow] : Cedillas)
        query.replace(QChar(cedilla), QChar(commaBelow));
    return query;
}

} // namespace quillet
