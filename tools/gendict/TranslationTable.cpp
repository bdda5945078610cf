#include "gendict/TranslationTable.h"

#include "gendict/Gloss.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

void TranslationTable::add(const QString &headword, const SenseRef &ref, const QString &rendering)
{
    auto found = rowOf_.constFind(headword);
    if (found == rowOf_.constEnd()) {
        found = rowOf_.insert(headword, rows_.size());
        rows_.append({headword, {}, 0});
    }
    Row &row = rows_[*found];
    row.sources |= SourceMask(ref.source);
    // A headword has a handful of senses, so a linear look beats a hash here.
    auto sense = std::find_if(row.senses.begin(), row.senses.end(), [&](const Sense &s) {
        return s.ref.source == ref.source && s.ref.id == ref.id && s.ref.technical == ref.technical;
    });
    if (sense == row.senses.end()) {
        row.senses.append({ref, {}});
        sense = row.senses.end() - 1;
    }
    if (!sense->renderings.contains(rendering))
        sense->renderings.append(rendering);
}

QString TranslationTable::translationOf(const Row &row)
{
    QSet<QString> listed;
    QStringList senses;
    for (const bool technical : {true, false}) {
        for (const Sense &sense : row.senses) {
            if (sense.ref.technical != technical)
                continue;
            QStringList renderings;
            for (const QString &rendering : sense.renderings) {
                // "horseradish (plant)" after "horseradish" tells nothing new.
                const QString bare = Gloss::withoutNotes(rendering).toCaseFolded();
                if (!listed.contains(bare)) {
                    listed.insert(bare);
                    renderings.append(rendering);
                }
            }
            if (!renderings.isEmpty())
                senses.append(renderings.join(u", "_s));
        }
    }
    return senses.join(u"; "_s);
}

QList<TableEntry> TranslationTable::entries() const
{
    QList<TableEntry> entries;
    entries.reserve(rows_.size());
    for (const Row &row : rows_)
        entries.append({{row.headword, translationOf(row)}, row.sources});
    return entries;
}

} // namespace quillet::gendict
