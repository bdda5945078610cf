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
    assembly_.addWordNetLemma(match->key, *wordNet_.lemmas(match->key),
                              Lexicon::isOffensiveSynset(wordNet_, match->key, true), line.lemma);
}

} // namespace quillet::gendict
