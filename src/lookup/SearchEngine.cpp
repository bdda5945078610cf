#include "lookup/SearchEngine.h"

#include <algorithm>

using namespace Qt::StringLiterals;


namespace quillet {

namespace {

std::string Utf8(QStringView text)
{
    return text.toUtf8().toStdString();
}

} // namespace

SearchResult SearchDictionary(const DictTable &table, int d, QStringView query)
{
    // A headword never holds a line break, so neither does anything that matches.
    if (query.isEmpty() || query.contains(QLatin1Char(HeadwordText::Separator)) || !DictTable::isDirection(d))
        return {};
    const HeadwordIndex &index = table.headwords(d);
    const int entries = std::min(table.EntryCount(d), index.size());
    if (entries <= 0)
        return {};
    return SearchResult{index.stored().find(HeadwordText::Separator + Utf8(query), entries, MaxListedMatches),
                        index.folded().find(Utf8(HeadwordIndex::fold(query)), entries, MaxListedMatches)};
}

QString CountCaption(qsizetype listed, const QString &suffix)
{
    const QString full = listed >= MaxListedMatches ? u">"_s : QString();
    return full + QString::number(listed) + suffix;
}

} // namespace quillet
