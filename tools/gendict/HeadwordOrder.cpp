// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/HeadwordOrder.h"

#include "gendict/Affixes.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace quillet::gendict {

QString HeadwordOrder::baseForm(const QString &headword)
{
    QString base = headword.toCaseFolded().normalized(QString::NormalizationForm_D);
    base.removeIf([](QChar c) { return c.isMark(); });
    return base;
}

void HeadwordOrder::sort(QList<DictEntry> &entries)
{
    struct Keyed {
        bool afterWords; // an affix, or a headword starting with a digit
        QString base;
        QString folded;
        DictEntry entry;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(entries.size());
    for (DictEntry &entry : entries) {
        const QString folded = entry.headword.toCaseFolded();
        const bool afterWords = Affixes::isAffix(entry.headword) || entry.headword.front().isDigit();
        keyed.push_back({afterWords, baseForm(entry.headword), folded, std::move(entry)});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        return std::tie(a.afterWords, a.base, a.folded, a.entry.headword)
             < std::tie(b.afterWords, b.base, b.folded, b.entry.headword);
    });
    entries.clear();
    for (Keyed &k : keyed)
        entries.append(std::move(k.entry));
}

} // namespace quillet::gendict
