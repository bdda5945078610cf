// SPDX-License-Identifier: GPL-3.0-or-later
// The look-up without Qt tells the keys and foldings of letters from tables of its own:
// over every character, they say what the toolkit's folding says, or nothing at all.
#include "core/dictionary/Diacritics.h"
#include "core/dictionary/HeadwordIndex.h"
#include "core/lookup/LetterKeys.h"
#include "core/lookup/WordKey.h"

#include <QString>

#include <gtest/gtest.h>

using namespace quillet;

namespace {

QString Text(char32_t c)
{
    // (fromUcs4 would take U+FEFF for a byte order mark and drop it)
    return c < 0x10000 ? QString(QChar(char16_t(c))) : QString::fromUcs4(&c, 1);
}

TEST(LetterKeys, AgreeWithTheToolkitOverEveryCharacter)
{
    int asciiKeys = 0;
    for (char32_t c = 1; c < 0x110000; ++c) {
        if (c >= 0xD800 && c < 0xE000)
            continue;
        const QString text = Text(c);
        // The key as words and forms are keyed, and as the search index keys headwords.
        const QString key = WordKey(text);
        ASSERT_EQ(key, FoldDiacritics(HeadwordIndex::fold(text))) << std::hex << unsigned(c);
        const std::optional<char> ascii = plain::AsciiKeyOf(c);
        if (key.isEmpty()) {
            ASSERT_EQ(ascii, std::optional<char>(0)) << std::hex << unsigned(c);
        } else if (key.size() == 1 && key[0].unicode() < 0x80) {
            ASSERT_EQ(ascii, std::optional<char>(char(key[0].unicode()))) << std::hex << unsigned(c);
            asciiKeys += c >= 0x80;
        } else {
            ASSERT_EQ(ascii, std::nullopt) << std::hex << unsigned(c);
        }
        std::string utf8;
        plain::AppendUtf8(utf8, c);
        ASSERT_EQ(utf8, text.toStdString()) << std::hex << unsigned(c);
        const QString folded = HeadwordIndex::fold(text);
        if (const std::optional<char32_t> fold = plain::KnownFoldOf(c))
            ASSERT_EQ(folded, Text(*fold)) << std::hex << unsigned(c);
        else
            ASSERT_FALSE(folded.size() == 1 && folded[0].unicode() < 0x80) << std::hex << unsigned(c);
    }
    EXPECT_GT(asciiKeys, 400);
}

TEST(LetterKeys, TextsCompareAsTheToolkitComparesThem)
{
    const auto equal = [](const char *a, const char *b) { return plain::EqualButForCase(a, b); };
    EXPECT_EQ(equal("Pump", "pUMP"), true);
    EXPECT_EQ(equal("ȘURUB", "șurub"), true);
    EXPECT_EQ(equal("surub", "șurub"), false);
    EXPECT_EQ(equal("pump", "pumps"), false);
    EXPECT_EQ(equal("\xE2\x84\xAA" "ey", "key"), true); // the Kelvin sign
    EXPECT_EQ(equal("Éa", "éa"), std::nullopt);         // not told here
    EXPECT_EQ(plain::AsciiKey("Roată"), std::optional<std::string>("roata"));
    EXPECT_EQ(plain::AsciiKey("\xFF"), std::nullopt);
    for (const char *notClean : {"\xED\xA0\x80", "\xC0\xAF", "\xEF\xBF\xBE", "\xF4\x90\x80\x80", "ab\xC3"})
        EXPECT_FALSE(plain::IsCleanUtf8(notClean)) << notClean;
    EXPECT_TRUE(plain::IsCleanUtf8("plain ASCII text, then ăîșț and \xF0\x9F\x94\xA7"));
}

} // namespace
