// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/DictTable.h"

#include <algorithm>

namespace quillet {

namespace {
const QString EmptySlot;
}

DictTable::DictTable() = default;

bool DictTable::holdsText(int d, int f, int k)
{
    return isDirection(d) && (f == Headword || f == Translation) && k >= 0 && k <= Capacity;
}

std::vector<QString> &DictTable::column(int d, int f)
{
    return columns_[std::size_t((d - 1) * 2 + (f - 1))];
}

const std::vector<QString> &DictTable::column(int d, int f) const
{
    return columns_[std::size_t((d - 1) * 2 + (f - 1))];
}

const QString &DictTable::at(int d, int f, int k) const
{
    if (!holdsText(d, f, k) || std::size_t(k) >= column(d, f).size())
        return EmptySlot;
    return column(d, f)[std::size_t(k)];
}

void DictTable::set(int d, int f, int k, const QString &text)
{
    if (!holdsText(d, f, k) || k == 0)
        return;
    std::vector<QString> &cells = column(d, f);
    if (std::size_t(k) < cells.size())
        cells[std::size_t(k)] = text;
    else if (!text.isEmpty()) { // a slot past the column's end reads as empty already
        cells.resize(std::size_t(k) + 1);
        cells.back() = text;
    }
    if (f == Headword)
        headwords_[std::size_t(d - 1)].set(k, text);
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
