// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/Affixes.h"

#include <QSet>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

namespace {

const QSet<QString> &functionWords(Language language)
{
    static const QSet<QString> english{u"the"_s, u"a"_s, u"an"_s, u"to"_s, u"of"_s, u"in"_s, u"on"_s,
                                       u"at"_s, u"by"_s, u"for"_s, u"with"_s, u"from"_s, u"and"_s,
                                       u"or"_s, u"as"_s, u"that"_s, u"this"_s, u"it"_s, u"be"_s};
    static const QSet<QString> romanian{u"a"_s, u"al"_s, u"ai"_s, u"ale"_s, u"de"_s, u"la"_s,
                                        u"în"_s, u"pe"_s, u"cu"_s, u"din"_s, u"și"_s, u"sau"_s,
                                        u"un"_s, u"o"_s, u"cel"_s, u"cea"_s, u"să"_s};
    return language == Language::English ? english : romanian;
}

} // namespace

bool Affixes::isAffix(QStringView headword)
{
    return headword.size() > 1 && (headword.startsWith(u'-') || headword.endsWith(u'-'));
}

bool Affixes::hasOnlyFunctionWords(const DictEntry &entry, Language renderings)
{
    if (!isAffix(entry.headword))
        return false;
    QString text = entry.translation;
    text.replace(u"; "_s, u", "_s);
    const QStringList words = text.split(u", "_s, Qt::SkipEmptyParts);
    return std::all_of(words.begin(), words.end(),
                       [&](const QString &word) { return functionWords(renderings).contains(word.toLower()); });
}

} // namespace quillet::gendict
