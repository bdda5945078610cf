#include "gendict/DictionaryJoin.h"

#include "gendict/Lemma.h"

namespace quillet::gendict {

void DictionaryJoin::add(const OmwLemma &line)
{
    const QStringList *english = wordNet_.lemmas(line.synset);
    if (!english) {
        ++unresolved_;
        return;
    }
    const std::optional<QString> romanian = Lemma::clean(line.lemma);
    if (!romanian)
        return;
    for (const QString &lemma : *english) {
        englishRomanian_.add(lemma, *romanian);
        romanianEnglish_.add(*romanian, lemma);
    }
}

} // namespace quillet::gendict
