// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules that guess the base form of an inflected word, on UTF-16 text already in
// lower case, with no toolkit type: the look-up without Qt and the toolkit's wrappers
// (EnglishMorphology.h, RomanianMorphology.h) share them. What a character is (a blank, a
// letter) the caller tells, so the rules stay exact for any text.
#include <string>
#include <string_view>
#include <vector>

namespace quillet::plain {

struct CharacterKinds {
    bool (*isSpace)(char16_t unit);
    bool (*isLetter)(char16_t unit);
};

// What ASCII text needs: blanks are space and the controls \t to \r, letters A-Z and a-z.
CharacterKinds AsciiKinds();

// See EnglishBaseCandidates (EnglishMorphology.h): `verbsAndPlurals` keeps only the
// endings of verbs and plurals.
std::vector<std::u16string> EnglishBases(std::u16string_view lower, bool verbsAndPlurals, const CharacterKinds &kinds);

// See RomanianArticleCandidates (RomanianMorphology.h).
std::vector<std::u16string> RomanianBases(std::u16string_view lower);

// The words that stand before a word without being part of it (see RomanianMorphology.h).
inline constexpr std::u16string_view RomanianParticleList[] = {
    u"a", u"să", u"nu", u"o", u"un", u"unui", u"unei", u"unor",
    u"niște", u"al", u"ale", u"lui", u"cel", u"cea", u"cei", u"cele"};
inline constexpr std::u16string_view EnglishParticleList[] = {u"to", u"the", u"a", u"an"};

} // namespace quillet::plain
