// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/ReportWords.h"

namespace quillet::plain::report {

std::array<ListKind, 5> ListOrder(bool besideHeadword)
{
    if (besideHeadword)
        return {ListKind::OtherCase, ListKind::NearMisses, ListKind::StartingWith, ListKind::BaseForms,
                ListKind::Containing};
    return {ListKind::OtherCase, ListKind::BaseForms, ListKind::NearMisses, ListKind::StartingWith,
            ListKind::Containing};
}

std::string EnglishWordCount(std::int64_t count, bool limited)
{
    return (limited ? ">" : "") + std::to_string(count) + (count == 1 && !limited ? " word" : " words");
}

std::string Ascii(std::u16string_view text)
{
    std::string ascii(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        ascii[i] = char(text[i]);
    return ascii;
}

} // namespace quillet::plain::report
