#include "gendict/TranslationTable.h"

using namespace Qt::StringLiterals;

namespace quillet::gendict {

void TranslationTable::add(const QString &headword, const QString &translation)
{
    auto found = rowOf_.constFind(headword);
    if (found == rowOf_.constEnd()) {
        found = rowOf_.insert(headword, rows_.size());
        rows_.append({headword, {}});
    }
    QStringList &translations = rows_[*found].translations;
    // A headword has a handful of translations, so a linear look beats a set here.
    if (!translations.contains(translation))
        translations.append(translation);
}

QList<DictEntry> TranslationTable::entries() const
{
    QList<DictEntry> entries;
    entries.reserve(rows_.size());
    for (const Row &row : rows_)
        entries.append({row.headword, row.translations.join(u", "_s)});
    return entries;
}

} // namespace quillet::gendict
