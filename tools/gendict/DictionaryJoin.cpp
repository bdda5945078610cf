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
    assembly_.addWordNetLemma(match->key, *wordNet_.lemmas(match->key),
                              Lexicon::isOffensiveSynset(wordNet_, match->key, true), line.lemma);
}

} // namespace quillet::gendict
