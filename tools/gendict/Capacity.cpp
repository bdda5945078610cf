#include "gendict/Capacity.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace quillet::gendict {

namespace {

qsizetype wordCount(const QString &headword)
{
    return headword.split(u' ', Qt::SkipEmptyParts).size();
}

// Marks up to `excess` of the candidates for removal, the wordiest and longest first.
qsizetype mark(const QList<TableEntry> &entries, std::vector<bool> &removed, qsizetype excess,
               bool (*candidate)(const TableEntry &))
{
    std::vector<qsizetype> picks;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!removed[size_t(i)] && candidate(entries[i]))
            picks.push_back(i);
    }
    const auto key = [&](qsizetype i) {
        const QString &headword = entries[i].entry.headword;
        return std::make_tuple(wordCount(headword), headword.size(), headword);
    };
    std::stable_sort(picks.begin(), picks.end(), [&](qsizetype a, qsizetype b) { return key(a) > key(b); });
    const qsizetype taken = std::min<qsizetype>(excess, qsizetype(picks.size()));
    for (qsizetype i = 0; i < taken; ++i)
        removed[size_t(picks[size_t(i)])] = true;
    return taken;
}

} // namespace

CapacityCut Capacity::fit(QList<TableEntry> &entries, qsizetype capacity)
{
    CapacityCut cut;
    if (entries.size() <= capacity)
        return cut;
    std::vector<bool> removed(size_t(entries.size()), false);
    const qsizetype excess = entries.size() - capacity;
    cut.reversedOnly = mark(entries, removed, excess, [](const TableEntry &e) {
        return e.sources == SourceMask(Source::Reversed);
    });
    cut.longMultiWord = mark(entries, removed, excess - cut.reversedOnly, [](const TableEntry &e) {
        return wordCount(e.entry.headword) > 1;
    });
    QList<TableEntry> kept;
    kept.reserve(capacity);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!removed[size_t(i)])
            kept.append(std::move(entries[i]));
    }
    entries = std::move(kept);
    return cut;
}

} // namespace quillet::gendict
