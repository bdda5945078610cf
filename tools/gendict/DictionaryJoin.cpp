// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/DictionaryJoin.h"

namespace quillet::gendict {

void DictionaryJoin::add(const OmwLemma &line)
{
    const std::optional<SynsetMatch> match = wordNet_.find(line.synset);
    if (!match) {
        ++unresolved_;
        return;
    }
    if (match->shift != 0)
        ++shifted_[match->shift];
    // A person's name ("Sir Leslie Stephen") is no word of the dictionary.
    const SynsetLinks *links = wordNet_.links(match->key);
    if (links->instance && links->namesPeople()) {
        assembly_.countPersonName(wordNet_.lemmas(match->key)->size());
        return;
    }
    if (isNamePiece(line.lemma, *wordNet_.lemmas(match->key))) {
        ++namePieces_;
        return;
    }
    assembly_.addWordNetLemma(match->key, *wordNet_.lemmas(match->key),
                              Lexicon::isOffensiveSynset(wordNet_, match->key, true), line.lemma);
}

bool DictionaryJoin::isNamePiece(const QString &lemma, const QStringList &english) const
{
    if (lemma.contains(u' ') || lemma.isEmpty() || !lemma.front().isUpper() || english.contains(lemma))
        return false;
    bool allLong = true;
    for (const QString &name : english) {
        const QStringList words = name.split(u' ', Qt::SkipEmptyParts);
        // "El", "San", "La": the article or title of a name, no name alone.
        if (words.size() > 1 && lemma.size() <= 3 && words.contains(lemma))
            return true;
        allLong = allLong && words.size() > 1;
    }
    // "Republica" of "Republica Moldova" is "republica", the republic, capitalised.
    return nameHeads_.contains(lemma) && (allLong || assembly_.isFormOfAWord(lemma.toLower()));
}

} // namespace quillet::gendict
