// SPDX-License-Identifier: GPL-3.0-or-later
// The pass over a headwords member finds the same lines however the member comes in
// pieces, and tells a member the command line would read otherwise wherever in it the
// cause lies.
#include "core/dictionary/FileNames.h"
#include "lookup/HeadwordLines.h"

#include <gtest/gtest.h>

using namespace quillet;
using namespace quillet::lookup;

namespace {

// Entries from 1; a byte order mark before the first, lines across blocks of 16 bytes.
const std::string Table = "\xEF\xBB\xBF"
                          "Pump\n"                                         // 1
                          "pump\n"                                         // 2
                          "pump shaft\n"                                   // 3
                          "centrifugal pump housing of cast iron, bolted\n" // 4
                          "PUMP\n"                                         // 5
                          "p\xC3\xA2mp\n"                                  // 6 pâmp
                          "pu\xCC\x81mp\n"                                 // 7 a loose mark
                          "\xC8\x99urub\n"                                 // 8 șurub
                          "Pumps\n"                                        // 9
                          "\n"                                             // 10
                          "pump\xC4\x83\n"                                 // 11 pumpă
                          "the pump\n"                                     // 12
                          "\xC5\xA3" "eav\xC4\x83\n"                       // 13 ţeavă
                          "Pu";                                            // 14, no line feed

struct Finds {
    std::vector<int> startingWith;
    std::vector<int> containing;
    std::vector<std::vector<int>> withKey;
    bool operator==(const Finds &) const = default;
};

void PrintTo(const Finds &finds, std::ostream *out)
{
    const auto list = [out](const std::vector<int> &entries) {
        *out << '{';
        for (const int k : entries)
            *out << k << ' ';
        *out << '}';
    };
    list(finds.startingWith);
    list(finds.containing);
    for (const std::vector<int> &entries : finds.withKey)
        list(entries);
}

std::vector<int> Entries(const std::vector<Line> &lines)
{
    std::vector<int> entries;
    for (const Line &line : lines)
        entries.push_back(line.entry);
    return entries;
}

// The member given in pieces of `piece` bytes (all at once for 0).
std::optional<Finds> Pass(std::string_view member, std::size_t piece, std::string_view word, std::size_t limit,
                          const std::vector<std::string> &keys)
{
    HeadwordLines lines(word, limit, keys);
    const std::size_t step = piece == 0 ? std::max<std::size_t>(member.size(), 1) : piece;
    for (std::size_t at = 0; at < member.size(); at += step)
        lines.add(member.substr(at, step));
    if (!lines.finish())
        return std::nullopt;
    Finds finds{lines.startingWith(), lines.containing(), {}};
    for (const std::string &key : keys) {
        finds.withKey.push_back(Entries(lines.withKey(key)));
        for (const Line &line : lines.withKey(key))
            EXPECT_EQ(lines.headword(line.entry), line.text);
    }
    return finds;
}

bool Fit(std::string_view member)
{
    const bool fit = Pass(member, 0, "pump", 100, {"pump"}).has_value();
    for (const std::size_t piece : {1, 5, 16, 17})
        EXPECT_EQ(Pass(member, piece, "pump", 100, {"pump"}).has_value(), fit) << "pieces of " << piece;
    return fit;
}

TEST(HeadwordLines, FindsTheSameLinesInPiecesOfAnySize)
{
    struct Case {
        std::string word;
        std::size_t limit;
        std::vector<std::string> keys;
        Finds expected;
    };
    const std::vector<Case> cases{
        // Containing full at 3: Starting-with goes on alone, at line starts.
        {"pump", 3, {"pump", "pumps", "pamp"}, {{2, 3, 11}, {1, 2, 3}, {{1, 2, 5, 7}, {9}, {6}}}},
        {"Pum", 100, {"pum", "pu"}, {{1, 9}, {1, 2, 3, 4, 5, 9, 11, 12}, {{}, {14}}}},
        // Keys of many first letters: every line is looked at.
        {"ing", 100, {"surub", "teava", "pump", "the pump", "xyz"},
         {{}, {4}, {{8}, {13}, {1, 2, 5, 7}, {12}, {}}}},
        {"", 100, {"pump"}, {{}, {}, {{1, 2, 5, 7}}}},
    };
    for (const Case &c : cases)
        for (std::size_t piece = 0; piece <= Table.size(); ++piece)
            EXPECT_EQ(Pass(Table, piece, c.word, c.limit, c.keys), c.expected) << c.word << " in pieces of " << piece;
    HeadwordLines lines("pump", 100, {"pump"});
    lines.add(Table);
    ASSERT_TRUE(lines.finish());
    EXPECT_EQ(lines.headword(1), "Pump"); // without the byte order mark
    EXPECT_EQ(lines.headword(7), "pu\xCC\x81mp");
    EXPECT_EQ(lines.headword(8), std::nullopt); // not found, not kept
}

TEST(HeadwordLines, AnythingReadOtherwiseMakesTheMemberUnfit)
{
    const std::string before = "a first line of some length\nanother line\n";
    const std::string after = "\nyet another line, longer than a block\nlast";
    const std::string longest(std::size_t(plain::files::MaxLineBytes), 'x');
    EXPECT_TRUE(Fit(before + "fine \xC8\x9B\xE2\x82\xAC\xF0\x9F\x94\xA7" + after));
    EXPECT_TRUE(Fit("\xEF\xBB\xBF\n"));
    EXPECT_TRUE(Fit(before + longest + after));
    EXPECT_TRUE(Fit(std::string(std::size_t(plain::files::MaxEntries), '\n')));
    for (const std::string bad : {"\r", "\x80", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                  "\xEF\xB7\x90", "\xEF\xBF\xBE", "\xC5\xBF", "\xE2\x84\xAA"}) {
        EXPECT_FALSE(Fit(before + "x" + bad + "y" + after)) << bad;
        EXPECT_FALSE(Fit(bad + after)) << bad;
        EXPECT_FALSE(Fit(before + bad)) << bad;
    }
    EXPECT_FALSE(Fit(""));
    EXPECT_FALSE(Fit("\xEF\xBB\xBF"));
    EXPECT_FALSE(Fit(before + longest + "x" + after));
    EXPECT_FALSE(Fit(longest + "x"));
    EXPECT_FALSE(Fit(std::string(std::size_t(plain::files::MaxEntries) + 1, '\n')));
}

} // namespace
