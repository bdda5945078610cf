#include "lookup/SearchEngine.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// The part of the index text that holds entries 1 to `entries`.
QStringView Covered(const HeadwordIndex &index, QStringView text, int entries)
{
    return text.first(index.startOf(entries + 1));
}

std::vector<int> StartingWith(const HeadwordIndex &index, int entries, QStringView query)
{
    std::vector<int> found;
    const QString needle = HeadwordIndex::Separator + query.toString();
    const QStringView text = Covered(index, index.text(), entries);
    for (qsizetype at = text.indexOf(needle); at >= 0 && found.size() < MaxListedMatches;
         at = text.indexOf(needle, at + 1)) {
        found.push_back(index.entryAt(at + 1));
    }
    return found;
}

std::vector<int> Containing(const HeadwordIndex &index, int entries, QStringView query)
{
    std::vector<int> found;
    const QString needle = HeadwordIndex::fold(query);
    const QStringView text = Covered(index, index.foldedText(), entries);
    for (qsizetype at = text.indexOf(needle); at >= 0 && found.size() < MaxListedMatches;) {
        const int k = index.entryAt(at);
        found.push_back(k);
        at = k < entries ? text.indexOf(needle, index.startOf(k + 1)) : -1;
    }
    return found;
}

} // namespace

SearchResult SearchDictionary(const DictTable &table, int d, QStringView query)
{
    // A headword never holds a line break, so neither does anything that matches.
    if (query.isEmpty() || query.contains(HeadwordIndex::Separator) || !DictTable::isDirection(d))
        return {};
    const HeadwordIndex &index = table.headwords(d);
    const int entries = std::min(table.EntryCount(d), index.size());
    if (entries <= 0)
        return {};
    return SearchResult{StartingWith(index, entries, query), Containing(index, entries, query)};
}

QString CountCaption(qsizetype listed, const QString &suffix)
{
    const QString full = listed >= MaxListedMatches ? u">"_s : QString();
    return full + QString::number(listed) + suffix;
}

} // namespace quillet
