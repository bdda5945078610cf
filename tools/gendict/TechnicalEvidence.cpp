// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/TechnicalEvidence.h"

#include "gendict/SenseLabel.h"

#include <array>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

namespace {

// Words that make a gloss name a technical thing on their own.
const QSet<QString> &technicalThings()
{
    static const QSet<QString> words{
        u"device"_s, u"devices"_s, u"machine"_s, u"machines"_s, u"machinery"_s, u"tool"_s, u"tools"_s,
        u"apparatus"_s, u"mechanism"_s, u"mechanisms"_s, u"mechanical"_s, u"circuit"_s, u"circuits"_s,
        u"electric"_s, u"electrical"_s, u"electricity"_s, u"electronic"_s, u"electronics"_s,
        u"electrode"_s, u"voltage"_s, u"computer"_s, u"computers"_s, u"computing"_s, u"software"_s,
        u"programming"_s, u"engine"_s, u"engines"_s, u"motor"_s, u"fastener"_s, u"fasteners"_s,
        u"metal"_s, u"metallic"_s, u"alloy"_s, u"chemical"_s, u"chemistry"_s, u"semiconductor"_s,
        u"transistor"_s, u"physics"_s, u"engineering"_s, u"technical"_s,
        // the things of the glossary's fields
        u"vehicle"_s, u"vehicles"_s, u"automobile"_s, u"valve"_s, u"valves"_s, u"pipe"_s, u"pipes"_s,
        u"piping"_s, u"screw"_s, u"screws"_s, u"bolt"_s, u"bolts"_s, u"welding"_s, u"soldering"_s,
        u"solder"_s, u"compressor"_s, u"boiler"_s, u"piston"_s, u"lathe"_s, u"wrench"_s,
        u"plumbing"_s, u"hydraulic"_s, u"pneumatic"_s, u"sensor"_s, u"wiring"_s, u"lubricant"_s,
        u"coolant"_s, u"refrigeration"_s, u"ventilation"_s, u"carpentry"_s, u"workshop"_s,
        u"forging"_s, u"machining"_s, u"gearbox"_s, u"shaft"_s, u"axle"_s,
    };
    return words;
}

// Part, material, program and process name a technical thing only so qualified; the
// qualifiers that stand on their own above need no pair here.
const std::array<QStringView, 8> &technicalPhrases()
{
    static const std::array<QStringView, 8> phrases{
        u"machine part", u"spare part", u"building material", u"construction material",
        u"raw material", u"industrial process", u"manufacturing process", u"computer program",
    };
    return phrases;
}

// The kinds of thing whose every kind is technical, as lemma and WordNet 3.0 sense number.
struct Kind {
    const char16_t *lemma;
    int sense;
};
constexpr std::array<Kind, 19> TechnicalKinds{{
    {u"device", 1}, {u"machine", 1}, {u"machine", 4}, {u"mechanism", 5}, {u"fastener", 2},
    {u"tool", 1}, {u"circuit", 1}, {u"element", 2}, {u"program", 7}, {u"software", 1},
    {u"computer", 1}, {u"compound", 2}, {u"element", 3}, {u"metal", 1}, {u"alloy", 1},
    {u"building_material", 1}, {u"force", 2}, {u"chemical", 1}, {u"electrical_phenomenon", 1},
}};
// Devices that are no engineering: instruments of music, weapons, contraceptives.
constexpr std::array<Kind, 3> ExcludedKinds{{{u"musical_instrument", 1}, {u"weapon", 1}, {u"contraceptive", 1}}};

// Deep enough for any chain of WordNet's hypernyms.
constexpr int MaxDepth = 32;

} // namespace

bool TechnicalEvidence::glossNamesTechnicalThing(QStringView gloss)
{
    const QString folded = gloss.toString().toCaseFolded();
    QString word;
    for (const QChar c : folded + u' ') {
        if (c.isLetter()) {
            word += c;
            continue;
        }
        if (technicalThings().contains(word))
            return true;
        word.clear();
    }
    const QString collapsed = folded.simplified();
    return std::any_of(technicalPhrases().begin(), technicalPhrases().end(),
                       [&](QStringView phrase) { return collapsed.contains(phrase); });
}

TechnicalSynsets::TechnicalSynsets(const WordNet &wordNet, const WordNetIndex &index) : wordNet_(wordNet)
{
    const auto synsetOf = [&](const Kind &kind) {
        return index.sense(QString::fromUtf16(kind.lemma), PartOfSpeech::Noun, kind.sense);
    };
    for (const Kind &kind : TechnicalKinds) {
        if (const std::optional<SynsetKey> key = synsetOf(kind))
            kinds_.insert(*key);
    }
    for (const Kind &kind : ExcludedKinds) {
        if (const std::optional<SynsetKey> key = synsetOf(kind))
            excluded_.insert(*key);
    }
}

bool TechnicalSynsets::isTechnical(const SynsetKey &key) const
{
    const SynsetLinks *links = wordNet_.links(key);
    if (!links || (key.pos() == PartOfSpeech::Noun && links->namesPeople()))
        return false;
    return TechnicalEvidence::glossNamesTechnicalThing(links->gloss) || judge(key, 0);
}

// By topic domain or kind, inherited from the hypernyms.
bool TechnicalSynsets::judge(const SynsetKey &key, int depth) const
{
    if (const auto found = known_.constFind(key); found != known_.cend())
        return *found;
    const SynsetLinks *links = wordNet_.links(key);
    bool technical = false;
    if (links && !excluded_.contains(key) && depth < MaxDepth) {
        technical = kinds_.contains(key);
        const QStringList domains = wordNet_.topicDomainLemmas(key);
        technical = technical || std::any_of(domains.begin(), domains.end(), [](const QString &domain) {
            return SenseLabel::classify(domain) == SenseKind::Technical;
        });
        for (qsizetype i = 0; !technical && i < links->hypernyms.size(); ++i)
            technical = judge(links->hypernyms[i], depth + 1);
    }
    known_.insert(key, technical);
    return technical;
}

} // namespace quillet::gendict
