// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/EnglishMorphology.h"

#include "core/lookup/BaseCandidates.h"

#include <QChar>

namespace quillet {

namespace {

bool IsSpace(char16_t unit)
{
    return QChar(unit).isSpace();
}

bool IsLetter(char16_t unit)
{
    return QChar(unit).isLetter();
}

} // namespace

QStringList EnglishBaseCandidates(QStringView word, EnglishEndings endings)
{
    const QString lower = word.toString().toLower();
    QStringList candidates;
    for (const std::u16string &candidate :
         plain::EnglishBases(std::u16string_view(reinterpret_cast<const char16_t *>(lower.utf16()), std::size_t(lower.size())),
                             endings == EnglishEndings::VerbsAndPlurals, plain::CharacterKinds{&IsSpace, &IsLetter}))
        candidates.append(QString::fromStdU16String(candidate));
    return candidates;
}

} // namespace quillet
