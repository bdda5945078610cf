// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/RomanianVerb.h"

#include <array>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

RomanianVerb RomanianVerb::parse(QStringView text)
{
    static const std::array reflexiveMarks{u"(a se) "_s, u"(se) "_s, u"se "_s, u"s-"_s};
    RomanianVerb verb;
    QString rest = text.trimmed().toString();
    if (rest.startsWith(u"a "_s))
        rest.remove(0, 2);
    for (const QString &mark : reflexiveMarks) {
        if (rest.startsWith(mark) && rest.size() > mark.size()) {
            rest.remove(0, mark.size());
            verb.reflexive_ = true;
            break;
        }
    }
    verb.bare_ = rest.trimmed();
    // A lone particle is no verb: a table line "fight {v} :: a" lost its word.
    if (verb.bare_ == u"a"_s)
        verb.bare_.clear();
    return verb;
}

QString RomanianVerb::longInfinitive() const
{
    // "a-și da duhul" carries its particle joined to a pronoun already.
    if (bare_.isEmpty() || bare_.startsWith(u"a-"_s))
        return bare_;
    return (reflexive_ ? u"a se "_s : u"a "_s) + bare_;
}

} // namespace quillet::gendict
