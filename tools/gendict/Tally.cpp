// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/Tally.h"

namespace quillet::gendict {

void Tally::count(const QString &name, qsizetype n)
{
    for (auto &item : items_) {
        if (item.first == name) {
            item.second += n;
            return;
        }
    }
    items_.append({name, n});
}

qsizetype Tally::value(const QString &name) const
{
    for (const auto &item : items_) {
        if (item.first == name)
            return item.second;
    }
    return 0;
}

} // namespace quillet::gendict
