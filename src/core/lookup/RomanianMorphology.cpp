// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/RomanianMorphology.h"

#include "core/lookup/BaseCandidates.h"

namespace quillet {

QStringList RomanianArticleCandidates(QStringView word)
{
    const QString lower = word.toString().toLower();
    QStringList candidates;
    for (const std::u16string &candidate :
         plain::RomanianBases(std::u16string_view(reinterpret_cast<const char16_t *>(lower.utf16()), std::size_t(lower.size()))))
        candidates.append(QString::fromStdU16String(candidate));
    return candidates;
}

} // namespace quillet
