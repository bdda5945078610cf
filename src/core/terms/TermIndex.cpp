// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terms/TermIndex.h"

#include "core/dictionary/DictTable.h"
#include "core/dictionary/Diacritics.h"

#include <algorithm>

namespace quillet {

namespace {

constexpr std::size_t Pairs = 1 << 16;

std::string Utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

} // namespace

std::size_t BytePairs::pairOf(char first, char second)
{
    return (std::size_t(static_cast<unsigned char>(first)) << 8) | static_cast<unsigned char>(second);
}

BytePairs::BytePairs(std::string_view text) : bits_((Pairs + 256) / 64, 0)
{
    const auto set = [this](std::size_t bit) { bits_[bit / 64] |= std::uint64_t(1) << (bit % 64); };
    for (std::size_t i = 0; i < text.size(); ++i) {
        set(Pairs + static_cast<unsigned char>(text[i]));
        if (i + 1 < text.size())
            set(pairOf(text[i], text[i + 1]));
    }
}

bool BytePairs::mayHold(std::string_view needle) const
{
    const auto has = [this](std::size_t bit) { return (bits_[bit / 64] >> (bit % 64)) & 1; };
    if (needle.size() == 1)
        return has(Pairs + static_cast<unsigned char>(needle.front()));
    for (std::size_t i = 0; i + 1 < needle.size(); ++i)
        if (!has(pairOf(needle[i], needle[i + 1])))
            return false;
    return true;
}

TermIndex::TermIndex(const TermList &terms)
{
    for (const int d : {DictTable::EnglishRomanian, DictTable::RomanianEnglish}) {
        Direction &into = directions_[std::size_t(d - 1)];
        // Sorted as a case-insensitive comparison sorts, by keys folded once each.
        std::vector<std::pair<QString, std::size_t>> keyed;
        for (const PersonalTerm &term : terms.terms())
            if (term.readsIn(d)) {
                into.rows.emplace_back(term.headwordIn(d), term.translationIn(d));
                keyed.emplace_back(HeadwordIndex::fold(into.rows.back().first), keyed.size());
            }
        std::sort(keyed.begin(), keyed.end(), [&into](const auto &a, const auto &b) {
            if (a.first != b.first)
                return a.first < b.first;
            const QString &first = into.rows[a.second].first;
            const QString &second = into.rows[b.second].first;
            return first != second ? first < second : a.second < b.second;
        });
        std::vector<std::pair<QString, QString>> sorted;
        sorted.reserve(into.rows.size());
        for (const auto &key : keyed)
            sorted.push_back(std::move(into.rows[key.second]));
        into.rows = std::move(sorted);
        for (int k = 1; k <= int(into.rows.size()); ++k)
            into.index.set(k, into.rows[std::size_t(k - 1)].first);
        // The byte orders the Starting-with pass needs are made here, off the keystrokes.
        into.index.stored().byteOrder();
        into.index.storedWithoutMarks().byteOrder();
        into.folded = BytePairs(into.index.folded().bytes());
        into.foldedWithoutMarks = BytePairs(into.index.foldedWithoutMarks().bytes());
    }
}

int TermIndex::size(int d) const
{
    return DictTable::isDirection(d) ? int(direction(d).rows.size()) : 0;
}

PersonalFinds TermIndex::find(int d, QStringView query, Diacritics diacritics) const
{
    if (size(d) == 0 || query.isEmpty())
        return {};
    const Direction &in = direction(d);
    // A headword either pass finds holds the folded query, so the folded headwords hold
    // each pair of its bytes.
    const QString folded = HeadwordIndex::fold(query);
    const bool mayMatch = diacritics == Diacritics::Ignored
                              ? in.foldedWithoutMarks.mayHold(Utf8(FoldDiacritics(folded)))
                              : in.folded.mayHold(Utf8(folded));
    if (!mayMatch)
        return {};
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
