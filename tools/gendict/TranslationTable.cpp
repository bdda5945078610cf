// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/TranslationTable.h"

#include "gendict/Gloss.h"
#include "gendict/HeadwordOrder.h"

#include <QSet>

#include <algorithm>
#include <bit>
#include <tuple>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

const QString TranslationTable::EvidenceMove = u"first rendering changed by the evidence ranking"_s;
const QString TranslationTable::TechnicalMove = u"technical sense moved first"_s;
const QString TranslationTable::GlossaryMove = u"glossary pair moved first"_s;
const QString TranslationTable::LateMove = u"register-labelled or definition-like renderings moved last"_s;

namespace {

// The order of the sources when the evidence ties: the direction's own first.
int sourceOrder(Source source)
{
    switch (source) {
    case Source::Glossary: return 0;
    case Source::Entries: return 1;
    case Source::WordNet: return 2;
    case Source::Reversed: return 3;
    }
    return 4;
}

int attestations(SourceMask sources)
{
    return std::popcount(unsigned(sources));
}

} // namespace

void TranslationTable::add(const QString &headword, const SenseRef &ref, const QString &rendering,
                           const RenderingNote &note)
{
    auto found = rowOf_.constFind(headword);
    if (found == rowOf_.constEnd()) {
        found = rowOf_.insert(headword, rows_.size());
        rows_.append({headword, {}, 0, {}});
    }
    Row &row = rows_[*found];
    row.sources |= SourceMask(ref.source);
    // A headword has a handful of senses, so a linear look beats a hash here.
    auto sense = std::find_if(row.senses.begin(), row.senses.end(), [&](const Sense &s) {
        return s.ref.source == ref.source && s.ref.id == ref.id;
    });
    if (sense == row.senses.end()) {
        row.senses.append({ref, {}});
        sense = row.senses.end() - 1;
    }
    sense->ref.technical = sense->ref.technical || ref.technical;
    // "horseradish (plant)" and "horseradish" are one rendering.
    const QString key = Gloss::withoutNotes(rendering).toCaseFolded();
    Evidence &evidence = row.evidence[key];
    evidence.sources |= SourceMask(ref.source);
    evidence.technical = evidence.technical || ref.technical;
    evidence.plain = evidence.plain || !note.late;
    const bool listed = std::any_of(sense->renderings.cbegin(), sense->renderings.cend(),
                                    [&](const Rendering &r) { return r.text == rendering; });
    if (!listed)
        sense->renderings.append({rendering, key, note});
}

bool TranslationTable::isLate(const Row &row, const Rendering &rendering) const
{
    const Evidence evidence = row.evidence.value(rendering.key);
    if (evidence.sources & SourceMask(Source::Glossary))
        return false;
    return !evidence.plain || Gloss::isDefinitionLike(rendering.text, language_);
}

QList<const TranslationTable::Sense *> TranslationTable::rankedSenses(const Row &row, Ranking ranking,
                                                                      const Prominence &prominence) const
{
    struct Keyed {
        std::tuple<int, int, int, qint64, int, qsizetype> key;
        const Sense *sense;
    };
    QList<Keyed> keyed;
    for (qsizetype i = 0; i < row.senses.size(); ++i) {
        const Sense &sense = row.senses[i];
        int best = 0;
        int widest = 0;
        bool allTechnical = !sense.renderings.isEmpty();
        for (const Rendering &rendering : sense.renderings) {
            const Evidence evidence = row.evidence.value(rendering.key);
            best = std::max(best, attestations(evidence.sources));
            widest = std::max(widest, prominence.value(rendering.key));
            allTechnical = allTechnical && evidence.technical;
        }
        const bool glossary = sense.ref.source == Source::Glossary;
        const bool technical = glossary || sense.ref.technical || allTechnical;
        int tier = 0;
        if (ranking == Ranking::Full)
            tier = glossary ? 0 : technical ? 1 : 2;
        else if (ranking == Ranking::Technical)
            tier = technical ? 1 : 2;
        if (ranking == Ranking::Arrival)
            keyed.append({{0, 0, 0, 0, 0, i}, &sense});
        else
            keyed.append({{tier, -best, sourceOrder(sense.ref.source), sense.ref.rank, -widest, i}, &sense});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) { return a.key < b.key; });
    QList<const Sense *> senses;
    for (const Keyed &k : keyed)
        senses.append(k.sense);
    return senses;
}

QStringList TranslationTable::rankedRenderings(const Row &row, const QList<const Sense *> &senses,
                                               const Prominence &prominence, bool lateLast, QStringList *grouped) const
{
    QSet<QString> listed;
    // A Romanian rendering typed without its diacritics ("masina de cusut") goes when the
    // entry has it with them ("mașină de cusut").
    if (language_ == Language::Romanian) {
        QSet<QString> accented;
        for (auto it = row.evidence.cbegin(); it != row.evidence.cend(); ++it) {
            const QString base = HeadwordOrder::baseForm(it.key());
            if (base != it.key())
                accented.insert(base);
        }
        for (auto it = row.evidence.cbegin(); it != row.evidence.cend(); ++it) {
            if (accented.contains(it.key()))
                listed.insert(it.key());
        }
    }
    QStringList flat;
    QStringList normalGroups;
    QStringList lateGroups;
    QStringList lateFlat;
    // English definitions ("a seller of onions") come after every translation, labelled
    // ones too.
    QStringList definitionGroups;
    QStringList definitionFlat;
    for (const Sense *sense : senses) {
        QList<const Rendering *> renderings;
        for (const Rendering &rendering : sense->renderings)
            renderings.append(&rendering);
        // The glossary's own order is its preference.
        const bool glossary = sense->ref.source == Source::Glossary;
        const auto weight = [&](const Rendering *r) {
            return glossary ? 0 : -attestations(row.evidence.value(r->key).sources);
        };
        std::stable_sort(renderings.begin(), renderings.end(), [&](const Rendering *a, const Rendering *b) {
            return std::make_tuple(weight(a), a->note.order, -prominence.value(a->key))
                 < std::make_tuple(weight(b), b->note.order, -prominence.value(b->key));
        });
        QStringList normal;
        QStringList late;
        QStringList definitions;
        for (const Rendering *rendering : renderings) {
            if (listed.contains(rendering->key))
                continue;
            listed.insert(rendering->key);
            const bool definition = lateLast && language_ == Language::English && !glossary
                                 && Gloss::isDefinition(rendering->text);
            (definition ? definitions : lateLast && isLate(row, *rendering) ? late : normal).append(rendering->text);
        }
        flat += normal;
        lateFlat += late;
        definitionFlat += definitions;
        for (const auto &[group, groups] : {std::pair{&normal, &normalGroups}, {&late, &lateGroups},
                                            {&definitions, &definitionGroups}}) {
            if (!group->isEmpty())
                groups->append(group->join(u", "_s));
        }
    }
    if (grouped)
        *grouped = normalGroups + lateGroups + definitionGroups;
    return flat + lateFlat + definitionFlat;
}

QList<TableEntry> TranslationTable::entries(Tally *moves) const
{
    Prominence prominence;
    for (const Row &row : rows_) {
        for (auto it = row.evidence.cbegin(); it != row.evidence.cend(); ++it)
            ++prominence[it.key()];
    }
    QList<TableEntry> entries;
    entries.reserve(rows_.size());
    for (const Row &row : rows_) {
        QStringList groups;
        const QStringList final =
            rankedRenderings(row, rankedSenses(row, Ranking::Full, prominence), prominence, true, &groups);
        TableEntry entry{{row.headword, groups.join(u"; "_s)}, row.sources, false};
        for (auto it = row.evidence.cbegin(); it != row.evidence.cend(); ++it)
            entry.glossaryOnly = entry.glossaryOnly || it->sources == SourceMask(Source::Glossary);
        entries.append(entry);
        if (!moves || final.isEmpty())
            continue;
        const auto firstOf = [&](Ranking ranking) {
            return rankedRenderings(row, rankedSenses(row, ranking, prominence), prominence, false, nullptr).value(0);
        };
        const QString arrival = firstOf(Ranking::Arrival);
        const QString evidence = firstOf(Ranking::Evidence);
        const QString technical = firstOf(Ranking::Technical);
        const QString full = firstOf(Ranking::Full);
        moves->count(EvidenceMove, evidence != arrival ? 1 : 0);
        moves->count(TechnicalMove, technical != evidence ? 1 : 0);
        moves->count(GlossaryMove, full != technical ? 1 : 0);
        // Late renderings that had a rendering kept in front after them.
        const QStringList unmoved =
            rankedRenderings(row, rankedSenses(row, Ranking::Full, prominence), prominence, false, nullptr);
        moves->count(LateMove, unmoved != final ? 1 : 0);
    }
    return entries;
}

qsizetype TranslationTable::glossaryOnlyPairs() const
{
    qsizetype count = 0;
    for (const Row &row : rows_) {
        for (const Evidence &evidence : row.evidence)
            count += evidence.sources == SourceMask(Source::Glossary) ? 1 : 0;
    }
    return count;
}

SourceMask TranslationTable::sourcesOf(const QString &headword, const QString &rendering) const
{
    const auto row = rowOf_.constFind(headword);
    if (row == rowOf_.constEnd())
        return 0;
    return rows_[*row].evidence.value(Gloss::withoutNotes(rendering).toCaseFolded()).sources;
}

} // namespace quillet::gendict
