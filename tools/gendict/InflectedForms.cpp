// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/InflectedForms.h"

#include "gendict/Lemma.h"

namespace quillet::gendict {

InflectedForms InflectedForms::fromStarDict(const StarDictBook &book)
{
    InflectedForms forms;
    for (const StarDictForm &form : book.forms) {
        const std::optional<QString> written = Lemma::clean(form.form);
        const std::optional<QString> headword = Lemma::clean(book.articles[form.article].headword);
        if (written && headword)
            forms.add(*written, *headword);
    }
    return forms;
}

void InflectedForms::add(const QString &form, const QString &headword)
{
    if (form == headword)
        return;
    QStringList &headwords = headwords_[form];
    if (!headwords.contains(headword))
        headwords.append(headword);
}

} // namespace quillet::gendict
