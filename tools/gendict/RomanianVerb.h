// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace quillet::gendict {

// A Romanian verb as the sources write it, "a pompa", "(a se) certa", "se ridica" or
// plain "pompa", read into its bare infinitive and whether it is reflexive.
class RomanianVerb {
public:
    static RomanianVerb parse(QStringView text);

    // The headword form, as Romanian dictionaries list verbs: "pompa", "certa".
    const QString &bareInfinitive() const { return bare_; }
    // The form a translation of an English verb takes: "a pompa", "a se certa"; empty
    // when there is no verb.
    QString longInfinitive() const;

private:
    QString bare_;
    bool reflexive_ = false;
};

} // namespace quillet::gendict
