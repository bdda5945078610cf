// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/SynsetKey.h"
#include "gendict/WordNet.h"
#include "gendict/WordNetIndex.h"

#include <QHash>
#include <QSet>
#include <QStringView>

namespace quillet::gendict {

// What marks a sense as technical beyond a domain label.
class TechnicalEvidence {
public:
    // True when a gloss names a technical thing: a device, machine, tool, part, material,
    // circuit, program or process of engineering ("metal fastener", "electrical actuator",
    // "machine part", "building material", "computer program", "chemical process").
    static bool glossNamesTechnicalThing(QStringView gloss);
};

// WordNet's technical synsets: those whose topic domain is a technical field (physics,
// computer science, electricity, chemistry, ...), those below a technical kind of thing
// (device, machine, mechanism, fastener, tool, circuit, machine part, computer program,
// chemical compound or element, metal, building material, physical force, electrical
// phenomenon; musical instruments and weapons aside), and those whose gloss names a
// technical thing. Nouns naming people are never technical.
class TechnicalSynsets {
public:
    TechnicalSynsets(const WordNet &wordNet, const WordNetIndex &index);

    bool isTechnical(const SynsetKey &key) const;

private:
    bool judge(const SynsetKey &key, int depth) const;

    const WordNet &wordNet_;
    QSet<SynsetKey> kinds_;
    QSet<SynsetKey> excluded_;
    mutable QHash<SynsetKey, bool> known_;
};

} // namespace quillet::gendict
