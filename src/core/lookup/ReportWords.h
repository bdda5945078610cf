// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The English words of a look-up's report that the command line prints, and the order of
// its lists, with no toolkit type: the interface's language table and the command line's
// report take them from here, and so does the look-up without Qt.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillet::plain::report {

inline constexpr std::u16string_view EnglishRomanian = u"English-Romanian";
inline constexpr std::u16string_view RomanianEnglish = u"Romanian-English";
inline constexpr std::u16string_view StartingWith = u"Starting with:";
inline constexpr std::u16string_view Containing = u"Containing:";
inline constexpr std::u16string_view BaseForms = u"Base forms:";
inline constexpr std::u16string_view OtherCase = u"Same word, other case:";

// The lists of one direction's report.
enum class ListKind { OtherCase, BaseForms, NearMisses, StartingWith, Containing };

// The lists in the order they are written: the offers besides the search's own lists
// first, but that the base forms of a query that is itself a headword come after its own
// rows. The Starting-with and Containing lists are written even when empty, the others
// only when they hold a row.
std::array<ListKind, 5> ListOrder(bool besideHeadword);
constexpr bool WrittenWhenEmpty(ListKind kind)
{
    return kind == ListKind::StartingWith || kind == ListKind::Containing;
}

// The count under a result list in English: "1 word", "7 words", ">100 words" for a list
// that stopped at its limit.
std::string EnglishWordCount(std::int64_t count, bool limited);

// ASCII text as UTF-8 (the words above are ASCII).
std::string Ascii(std::u16string_view text);

} // namespace quillet::plain::report
