// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/SenseLabel.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

namespace {

const QSet<QString> &excludingWords()
{
    static const QSet<QString> words{u"vulgar"_s, u"obscene"_s, u"offensive"_s, u"derogatory"_s,
                                     u"slang"_s, u"slur"_s, u"pejorative"_s, u"vulgarism"_s,
                                     u"depreciative"_s, u"disparaging"_s};
    return words;
}

const QSet<QString> &technicalWords()
{
    static const QSet<QString> words{
        u"engineering"_s, u"mechanics"_s, u"mechanical"_s, u"machinery"_s, u"electricity"_s,
        u"electrical"_s, u"electronics"_s, u"electrotechnics"_s, u"computing"_s, u"computer"_s,
        u"computers"_s, u"programming"_s, u"software"_s, u"internet"_s, u"networking"_s,
        u"physics"_s, u"chemistry"_s, u"biochemistry"_s, u"mathematics"_s, u"math"_s,
        u"maths"_s, u"geometry"_s, u"algebra"_s, u"arithmetic"_s, u"statistics"_s,
        u"construction"_s, u"architecture"_s, u"building"_s, u"automotive"_s,
        u"automobile"_s, u"automobiles"_s, u"aviation"_s, u"aeronautics"_s, u"nautical"_s,
        u"navigation"_s, u"shipbuilding"_s, u"metallurgy"_s, u"metalworking"_s, u"welding"_s,
        u"geology"_s, u"mineralogy"_s, u"mining"_s, u"telecommunications"_s,
        u"telecommunication"_s, u"telephony"_s, u"technology"_s, u"technical"_s, u"optics"_s,
        u"acoustics"_s, u"thermodynamics"_s, u"hydraulics"_s, u"crystallography"_s,
        u"topography"_s, u"surveying"_s, u"cartography"_s, u"railways"_s, u"rail"_s,
        u"electromagnetism"_s, u"materials"_s, u"manufacturing"_s, u"petroleum"_s,
        u"carpentry"_s, u"plumbing"_s, u"masonry"_s, u"machining"_s, u"informatics"_s,
        // the glossary's fields, as the sources label them
        u"fasteners"_s, u"tools"_s, u"metrology"_s, u"drafting"_s, u"vehicles"_s,
        u"motoring"_s, u"soldering"_s, u"brazing"_s, u"pneumatics"_s, u"heating"_s,
        u"ventilation"_s, u"refrigeration"_s, u"hvac"_s, u"sanitation"_s, u"electrotechnology"_s,
        u"automation"_s, u"robotics"_s, u"woodworking"_s, u"joinery"_s, u"metalwork"_s,
        u"metallurgical"_s, u"laboratory"_s, u"networks"_s, u"hardware"_s,
    };
    return words;
}

// Labels of a word's register or region: such renderings go after the others.
const QSet<QString> &registerWords()
{
    static const QSet<QString> words{
        u"regional"_s, u"regionalism"_s, u"dialectal"_s, u"dialect"_s, u"dated"_s, u"archaic"_s,
        u"archaism"_s, u"obsolete"_s, u"rare"_s, u"uncommon"_s, u"popular"_s, u"pop"_s,
        u"colloquial"_s, u"informal"_s, u"familiar"_s, u"childish"_s, u"nonstandard"_s, u"poetic"_s,
        u"moldavia"_s, u"moldova"_s, u"transylvania"_s, u"banat"_s, u"oltenia"_s, u"muntenia"_s,
        u"wallachia"_s, u"bukovina"_s, u"maramureș"_s, u"crișana"_s, u"dobruja"_s, u"bessarabia"_s,
    };
    return words;
}

// The words of the labels: runs of letters, in lower case.
QStringList wordsOf(QStringView labels)
{
    QStringList words;
    QString word;
    for (const QChar c : labels.toString() + u' ') {
        if (c.isLetter()) {
            word += c.toLower();
        } else if (!word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    return words;
}

} // namespace

LabelledText SenseLabel::splitLeading(QStringView gloss)
{
    QStringList labels;
    QStringView rest = gloss.trimmed();
    while (rest.startsWith(u'(')) {
        int depth = 0;
        qsizetype close = -1;
        for (qsizetype i = 0; i < rest.size() && close < 0; ++i) {
            if (rest[i] == u'(')
                ++depth;
            else if (rest[i] == u')' && --depth == 0)
                close = i;
        }
        if (close < 0)
            break;
        labels.append(rest.sliced(1, close - 1).toString());
        rest = rest.sliced(close + 1).trimmed();
    }
    return {labels.join(u", "_s), rest.toString()};
}

QString SenseLabel::labelsOfTableGloss(QStringView gloss)
{
    const LabelledText split = splitLeading(gloss);
    QString labels = split.labels;
    const qsizetype colon = split.text.indexOf(u':');
    if (colon > 0)
        labels += u", "_s + split.text.first(colon);
    return labels;
}

SenseKind SenseLabel::classify(QStringView labels)
{
    const QStringList words = wordsOf(labels);
    if (std::any_of(words.begin(), words.end(), [](const QString &w) { return excludingWords().contains(w); }))
        return SenseKind::Excluded;
    if (std::any_of(words.begin(), words.end(), [](const QString &w) { return technicalWords().contains(w); }))
        return SenseKind::Technical;
    return SenseKind::General;
}

bool SenseLabel::isOffensive(QStringView labels)
{
    const QStringList words = wordsOf(labels);
    return std::any_of(words.begin(), words.end(),
                       [](const QString &w) { return w != u"slang"_s && excludingWords().contains(w); });
}

bool SenseLabel::isRegister(QStringView labels)
{
    const QStringList words = wordsOf(labels);
    return std::any_of(words.begin(), words.end(), [](const QString &w) { return registerWords().contains(w); });
}

} // namespace quillet::gendict
