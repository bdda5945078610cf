// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/DictTable.h"

#include <algorithm>

namespace quillet {

namespace {
const QString EmptySlot;
}

bool DictTable::holdsText(int d, int f, int k)
{
    return isDirection(d) && (f == Headword || f == Translation) && k >= 0 && k <= Capacity;
}

TextColumn &DictTable::column(int d, int f)
{
    return columns_[std::size_t((d - 1) * 2 + (f - 1))];
}

const TextColumn &DictTable::column(int d, int f) const
{
    return columns_[std::size_t((d - 1) * 2 + (f - 1))];
}

const QString &DictTable::at(int d, int f, int k) const
{
    if (!holdsText(d, f, k))
        return EmptySlot;
    return column(d, f).at(std::size_t(k));
}

void DictTable::set(int d, int f, int k, const QString &text)
{
    if (!holdsText(d, f, k) || k == 0)
        return;
    column(d, f).set(std::size_t(k), text);
    if (f == Headword)
        headwords_[std::size_t(d - 1)].set(k, text);
}

void DictTable::setLines(int d, int f, QByteArray utf8, std::vector<LineSpan> lines, std::optional<HeadwordIndex> index)
{
    std::vector<QByteArray> one;
    one.push_back(std::move(utf8));
    setLines(d, f, std::move(one), std::move(lines), std::move(index));
}

void DictTable::setLines(int d, int f, std::vector<QByteArray> blocks, std::vector<LineSpan> lines,
                         std::optional<HeadwordIndex> index)
{
    if (!holdsText(d, f, 0))
        return;
    if (lines.size() > std::size_t(Capacity))
        lines.resize(std::size_t(Capacity));
    const int count = int(lines.size());
    TextColumn &target = column(d, f);
    target.takeLines(std::move(blocks), std::move(lines));
    if (f != Headword)
        return;
    HeadwordIndex &headwords = headwords_[std::size_t(d - 1)];
    if (index && index->size() == count) {
        headwords = std::move(*index);
        return;
    }
    headwords.clear();
    for (std::size_t k = 1; target.hasLine(k); ++k)
        headwords.appendUtf8(target.line(k));
}

int DictTable::EntryCount(int d) const
{
    return d >= 0 && d <= 2 ? entryCount_[std::size_t(d)] : 0;
}

void DictTable::setEntryCount(int d, int count)
{
    if (isDirection(d))
        entryCount_[std::size_t(d)] = std::clamp(count, 0, Capacity);
}

const HeadwordIndex &DictTable::headwords(int d) const
{
    return headwords_[std::size_t(std::clamp(d, 1, 2) - 1)];
}

} // namespace quillet
