// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/DictTable.h"

#include <algorithm>

namespace quillet {

namespace {
const QString EmptySlot;
}

DictTable::DictTable()
{
    for (auto &c : columns_)
        c.resize(Capacity + 1);
}

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
    if (!holdsText(d, f, k))
        return EmptySlot;
    return column(d, f)[std::size_t(k)];
}

void DictTable::set(int d, int f, int k, const QString &text)
{
    if (!holdsText(d, f, k) || k == 0)
        return;
    column(d, f)[std::size_t(k)] = text;
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
