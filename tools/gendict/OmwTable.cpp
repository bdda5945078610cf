// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/OmwTable.h"

#include <QHash>
#include <QSet>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

OmwTable OmwTable::read(const QString &path)
{
    return parse(SourceFile::read(path));
}

OmwTable OmwTable::parse(const SourceFile &file)
{
    OmwTable table;
    const QStringList &lines = file.lines();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line(lines[i]);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype firstTab = line.indexOf(u'\t');
        const qsizetype secondTab = firstTab < 0 ? -1 : line.indexOf(u'\t', firstTab + 1);
        if (secondTab < 0)
            throw file.errorAt(i + 1, u"expected three tab-separated columns: synset, kind, lemma"_s);
        const std::optional<SynsetKey> key = SynsetKey::parse(line.first(firstTab));
        if (!key)
            throw file.errorAt(i + 1, u"expected a synset key such as 13493399-n"_s);
        if (line.sliced(firstTab + 1, secondTab - firstTab - 1) != u"ron:lemma")
            continue;
        // Whatever follows the second tab is the lemma, further tabs and all: a lemma
        // with a tab in it is dropped later, as any unusable lemma is.
        table.lemmas_.append({*key, line.sliced(secondTab + 1).toString()});
    }
    return table;
}

qsizetype OmwTable::dropNamePieces(const QList<OmwTable> &tables)
{
    QHash<SynsetKey, QSet<QString>> wordsOfLongerLemmas;
    for (const OmwTable &table : tables) {
        for (const OmwLemma &line : table.lemmas_) {
            const QStringList words = line.lemma.split(u' ', Qt::SkipEmptyParts);
            if (words.size() > 1)
                wordsOfLongerLemmas[line.synset].unite(QSet<QString>(words.begin(), words.end()));
        }
    }
    return lemmas_.removeIf([&](const OmwLemma &line) {
        const QString lemma = line.lemma.trimmed();
        return !lemma.contains(u' ') && wordsOfLongerLemmas.value(line.synset).contains(lemma);
    });
}

} // namespace quillet::gendict
