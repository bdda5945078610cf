// SPDX-License-Identifier: GPL-3.0-or-later
// The archive and its block indexes read without Qt: this program links quillet_plain
// alone, so a Qt symbol in it would not link. It reads the tests' own packed dictionary.
#include "core/archive/MemberReader.h"
#include "core/dictionary/FileNames.h"
#include "core/dictionary/LineBlocks.h"
#include "core/lookup/FormsBlocks.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>

using namespace quillet::plain;

namespace {

const std::string Fixture = std::string(QUILLET_FIXTURE_DIR) + "/" + std::string(files::Database);

std::string Index(std::string_view magic, std::initializer_list<std::uint32_t> words)
{
    std::string file(magic);
    for (const std::uint32_t word : words)
        for (int i = 0; i < 4; ++i)
            file += char((word >> (8 * i)) & 0xFF);
    return file;
}

TEST(PlainArchive, ReadsEveryBlockOfTheTranslationsAndFormsIntoOneBuffer)
{
    MemberReader archive(Fixture, files::ArchivePassword);
    ASSERT_TRUE(archive.ok()) << archive.message();
    std::string bytes;
    for (const files::DirectionNames &direction : {files::EnglishRomanian, files::RomanianEnglish}) {
        ASSERT_TRUE(archive.read(direction.translationBlocks, bytes)) << archive.message();
        const std::optional<LineBlocks> blocks = LineBlocks::decode(bytes);
        ASSERT_TRUE(blocks);
        std::int64_t lines = 0;
        for (int k = 1; k <= blocks->blocks(); ++k) {
            ASSERT_TRUE(archive.read(files::BlockName(direction.translationBlockPrefix, k), bytes));
            EXPECT_TRUE(blocks->describes(k, bytes));
            EXPECT_FALSE(blocks->describes(k, bytes + "x\n"));
            EXPECT_EQ(blocks->firstLine(k), lines + 1);
            lines += LineBlocks::linesOf(bytes);
        }
        // The translations pair with the headwords line for line.
        ASSERT_TRUE(archive.read(direction.headwords, bytes));
        EXPECT_EQ(LineBlocks::linesOf(bytes), lines);
        EXPECT_EQ(blocks->lines(), lines);
        // Streamed through a small chunk, the headwords come whole; a taker may stop.
        std::string streamed;
        std::array<char, 97> chunk{};
        EXPECT_TRUE(archive.stream(direction.headwords, chunk, [&](std::string_view piece) {
            streamed += piece;
            return true;
        }));
        EXPECT_EQ(streamed, bytes);
        int pieces = 0;
        EXPECT_TRUE(archive.stream(direction.headwords, chunk, [&](std::string_view) { return ++pieces < 2; }));
        EXPECT_EQ(pieces, 2);
    }
    for (const files::FormsNames &forms : {files::EnglishRomanianForms, files::RomanianEnglishForms}) {
        ASSERT_TRUE(archive.read(forms.blockIndex, bytes)) << archive.message();
        const std::optional<FormsBlocks> blocks = FormsBlocks::decode(bytes);
        ASSERT_TRUE(blocks);
        for (int k = 1; k <= blocks->blocks(); ++k) {
            ASSERT_TRUE(archive.read(files::BlockName(forms.blockPrefix, k), bytes));
            EXPECT_TRUE(blocks->describes(k, bytes, blocks->firstKey(k)));
            EXPECT_FALSE(blocks->describes(k, bytes, blocks->firstKey(k) + "x"));
            EXPECT_EQ(blocks->blockOf(blocks->firstKey(k)), k);
            EXPECT_EQ(blocks->blockOf(blocks->firstKey(k) + "\xF4"), k);
        }
    }
    // A member the archive lacks is no failure.
    EXPECT_FALSE(archive.has("ert_r0.txt"));
    EXPECT_FALSE(archive.read("ert_r0.txt", bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_TRUE(archive.ok());
}

TEST(PlainArchive, AFailureIsSaidOnOneLineAndSticks)
{
    const char *tmp = std::getenv("TMPDIR");
    const std::string folder = tmp != nullptr ? tmp : "/tmp";
    std::string bytes = "old";

    EXPECT_EQ(MemberReader(folder + "/none.db", "").message(), folder + "/none.db: no such archive");
    EXPECT_EQ(MemberReader(folder, "").status(), ArchiveStatus::Missing);
    const std::string text = folder + "/plain-reader-test.db";
    std::ofstream(text) << "not a zip\n";
    const MemberReader notZip(text, "");
    EXPECT_EQ(notZip.status(), ArchiveStatus::Corrupt);
    EXPECT_EQ(notZip.message(), text + ": not a ZIP archive, or a damaged one: no central directory");
    std::remove(text.c_str());

    MemberReader wrong(Fixture, "wrong");
    ASSERT_TRUE(wrong.ok());
    EXPECT_FALSE(wrong.read(files::EnglishRomanian.headwords, bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(wrong.status(), ArchiveStatus::WrongPassword);
    EXPECT_EQ(wrong.message(), Fixture + ": wrong password");

    MemberReader small(Fixture, files::ArchivePassword, {100, 1000, 100});
    EXPECT_FALSE(small.read(files::EnglishRomanian.headwords, bytes));
    EXPECT_EQ(small.status(), ArchiveStatus::TooLarge);
    EXPECT_EQ(small.message(), Fixture + ": member \"ert_e.txt\" unpacks to more than 100 bytes");
    EXPECT_FALSE(small.read(files::EnglishRomanian.translationBlocks, bytes)); // it stuck
}

TEST(PlainBlocks, DamagedIndexesAreRefusedAndLinesFoundAtTheEdges)
{
    const std::string two = Index("QLLB", {1, 2, 3, 6, 1, 2});
    const std::optional<LineBlocks> blocks = LineBlocks::decode(two);
    ASSERT_TRUE(blocks);
    EXPECT_EQ(blocks->lines(), 4);
    EXPECT_EQ(blocks->bytes(), 8);
    EXPECT_EQ(blocks->blockOf(0), std::nullopt);
    EXPECT_EQ(blocks->blockOf(1), 1);
    EXPECT_EQ(blocks->blockOf(3), 1);
    EXPECT_EQ(blocks->blockOf(4), 2);
    EXPECT_EQ(blocks->blockOf(5), std::nullopt);
    EXPECT_TRUE(blocks->describes(1, "a\nb\r\nc"));
    EXPECT_FALSE(blocks->describes(3, "x"));
    for (const std::string &damaged : {two.substr(0, two.size() - 1), two + "x", Index("QLLB", {2, 1, 1, 1}),
                                       Index("QLLB", {1, 0}), Index("QLLB", {1, 1, 0, 1}),
                                       Index("QLLB", {1, 0xFFFFFFFF, 1, 1}), Index("QLLB", {1, 1, 3, 1})})
        EXPECT_FALSE(LineBlocks::decode(damaged)) << damaged.size();
    EXPECT_EQ(LineBlocks::linesOf(""), 0);
    EXPECT_EQ(LineBlocks::linesOf("a\n\nb"), 3);

    const auto formsIndex = [](std::string_view first, std::string_view second) {
        const auto key = [](std::string_view k) { return std::string{char(k.size()), '\0'} + std::string(k); };
        return Index("QLFB", {1, 2, 10}) + key(first) + Index("", {20}) + key(second);
    };
    const std::string forms = formsIndex("ab", "ma");
    const std::optional<FormsBlocks> index = FormsBlocks::decode(forms);
    ASSERT_TRUE(index);
    EXPECT_EQ(index->blockOf("a"), std::nullopt);
    EXPECT_EQ(index->blockOf("ab"), 1);
    EXPECT_EQ(index->blockOf("l\xC3\xA2"), 1);
    EXPECT_EQ(index->blockOf("\xC3\xAE"), 2); // past "ma" byte by byte
    EXPECT_EQ(FormsBlocks::firstWord("ab\tx\ny\tz"), "ab");
    EXPECT_FALSE(FormsBlocks::decode(formsIndex("ma", "ab")));
    EXPECT_FALSE(FormsBlocks::decode(forms.substr(0, forms.size() - 1)));
}

} // namespace
