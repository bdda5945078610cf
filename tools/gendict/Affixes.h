// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/DictEntry.h"
#include "gendict/StopList.h"

#include <QStringView>

namespace quillet::gendict {

// Headwords that begin or end with a hyphen: the suffixes ("-ism") and prefixes ("anti-").
class Affixes {
public:
    static bool isAffix(QStringView headword);
    // An affix translated only by function words ("-a": "the, to") tells a reader nothing.
    static bool hasOnlyFunctionWords(const DictEntry &entry, Language renderings);
};

} // namespace quillet::gendict
