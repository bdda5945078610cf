// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillet::gendict {

// One line of a dictionary file: the headword and its translation text.
struct DictEntry {
    QString headword;
    QString translation;

    friend bool operator==(const DictEntry &, const DictEntry &) = default;
};

} // namespace quillet::gendict
