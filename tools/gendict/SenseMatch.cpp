// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/SenseMatch.h"

using namespace Qt::StringLiterals;

namespace quillet::gendict {

namespace {

constexpr qsizetype StemLength = 5;
constexpr qsizetype ShortestWord = 3;

const QSet<QString> &commonWords()
{
    static const QSet<QString> words{
        u"the"_s, u"and"_s, u"for"_s, u"with"_s, u"that"_s, u"which"_s, u"from"_s, u"into"_s,
        u"onto"_s, u"used"_s, u"use"_s, u"usually"_s, u"especially"_s, u"something"_s,
        u"someone"_s, u"one"_s, u"other"_s, u"any"_s, u"its"_s, u"his"_s, u"her"_s, u"their"_s,
        u"being"_s, u"having"_s, u"make"_s, u"made"_s, u"kind"_s, u"type"_s, u"sort"_s,
        u"form"_s, u"act"_s, u"person"_s, u"thing"_s, u"very"_s, u"not"_s, u"are"_s, u"was"_s,
        u"can"_s, u"may"_s, u"such"_s, u"some"_s, u"more"_s, u"most"_s, u"than"_s, u"this"_s,
    };
    return words;
}

} // namespace

QSet<QString> SenseMatch::stems(QStringView text)
{
    QSet<QString> stems;
    QString word;
    for (const QChar c : text.toString().toCaseFolded() + u' ') {
        if (c.isLetter()) {
            word += c;
            continue;
        }
        if (word.size() >= ShortestWord && !commonWords().contains(word))
            stems.insert(word.first(std::min(word.size(), StemLength)));
        word.clear();
    }
    return stems;
}

std::optional<SynsetKey> SenseMatch::synsetOf(const QString &headword, PartOfSpeech pos, QStringView gloss) const
{
    QSet<QString> wanted = stems(gloss);
    wanted.subtract(stems(headword));
    if (wanted.isEmpty())
        return std::nullopt;
    std::optional<SynsetKey> best;
    qsizetype bestScore = 0;
    bool tie = false;
    for (const SynsetKey &key : index_.senses(headword, pos)) {
        const SynsetLinks *links = wordNet_.links(key);
        if (!links)
            continue;
        QString bag = wordNet_.lemmas(key)->join(u' ') + u' ' + links->gloss;
        for (const SynsetKey &hypernym : links->hypernyms) {
            if (const QStringList *lemmas = wordNet_.lemmas(hypernym))
                bag += u' ' + lemmas->join(u' ');
        }
        const qsizetype score = stems(bag).intersect(wanted).size();
        if (score > bestScore) {
            best = key;
            bestScore = score;
            tie = false;
        } else if (score == bestScore && score > 0) {
            tie = true;
        }
    }
    if (tie)
        return std::nullopt;
    return best;
}

} // namespace quillet::gendict
