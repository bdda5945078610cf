// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace quillet::gendict {

// What the usage and domain labels of a sense say about it.
enum class SenseKind {
    General,   // no label that matters here
    Technical, // a technical domain: engineering, computing, physics, ...
    Excluded,  // vulgar, obscene, offensive, derogatory or slang: left out
};

// A gloss with the labels in front of it split off: "(vulgar, slang) to fuck" is the
// labels "vulgar, slang" and the text "to fuck".
struct LabelledText {
    QString labels;
    QString text;
};

class SenseLabel {
public:
    // Splits off every leading parenthesised group ("(computing) (dated) stack").
    static LabelledText splitLeading(QStringView gloss);
    // The labels of a translation table's sense gloss: its leading groups and a domain
    // or usage before a colon ("geometry: part of a curve").
    static QString labelsOfTableGloss(QStringView gloss);
    // Excluded wins over technical: "(computing, slang)" is left out. The excluding
    // labels: vulgar, obscene, offensive, derogatory, depreciative, disparaging,
    // pejorative, slang, slur.
    static SenseKind classify(QStringView labels);
    // Excluded for a label other than slang: vulgar, obscene, offensive, derogatory.
    static bool isOffensive(QStringView labels);
    // True when a label names a register or region: regional, dated, archaic, rare,
    // popular, colloquial and their kin, or a Romanian region ("Moldavia").
    static bool isRegister(QStringView labels);
};

} // namespace quillet::gendict
