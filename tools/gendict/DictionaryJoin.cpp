#include "gendict/DictionaryJoin.h"

#include "gendict/Lemma.h"

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
    const QStringList *english = wordNet_.lemmas(match->key);
    const std::optional<QString> romanian = Lemma::clean(line.lemma);
    if (!romanian)
        return;
    for (const QString &lemma : *english) {
        englishRomanian_.add(lemma, *romanian);
        romanianEnglish_.add(*romanian, lemma);
    }
}

} // namespace quillet::gendict
