// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The fixed names and bounds of the shipped dictionary's files, with no toolkit type, for
// the programs that read the archive without Qt. DictionaryFiles.h gives the same facts
// to the rest of the program, taking its values from here.
namespace quillet::plain::files {

inline constexpr std::string_view Database = "Database.db";
inline constexpr std::string_view Background = "Background.jpg";
inline constexpr std::string_view ArchivePassword = "k7w3m9t2r5x8";

// The members of one direction (see DictionaryFiles.h for what each holds).
struct DirectionNames {
    int direction; // 1 English to Romanian, 2 Romanian to English
    std::string_view headwords;
    std::string_view translations;
    std::string_view index;
    std::string_view translationBlocks;      // the index of the translations' blocks
    std::string_view translationBlockPrefix; // the block numbered k (from 1) is "<prefix>k.txt"
};
inline constexpr DirectionNames EnglishRomanian{1, "ert_e.txt", "ert_r.txt", "ert_i.bin", "ert_ri.bin", "ert_r"};
inline constexpr DirectionNames RomanianEnglish{2, "rte_r.txt", "rte_e.txt", "rte_i.bin", "rte_ei.bin", "rte_e"};

// The inflected forms of each direction's headwords.
struct FormsNames {
    int direction;
    std::string_view name;
    std::string_view blockIndex;
    std::string_view blockPrefix; // the block numbered k (from 1) is "<prefix>k.txt"
};
inline constexpr FormsNames EnglishRomanianForms{1, "ert_f.txt", "ert_fi.bin", "ert_f"};
inline constexpr FormsNames RomanianEnglishForms{2, "rte_f.txt", "rte_fi.bin", "rte_f"};

// The most entries a direction holds.
inline constexpr int MaxEntries = 200'000;

// The most each member may hold, and the longest line of a text member.
inline constexpr std::int64_t MaxHeadwordsBytes = 4 * 1024 * 1024;
inline constexpr std::int64_t MaxTranslationsBytes = 8 * 1024 * 1024;
inline constexpr std::int64_t MaxFormsBytes = 16 * 1024 * 1024;
inline constexpr std::int64_t MaxLineBytes = 64 * 1024;
inline constexpr std::int64_t MaxIndexBytes = 3 * MaxHeadwordsBytes + 4 * 4 * std::int64_t(MaxEntries) + 1024;
inline constexpr std::int64_t MaxMemberBytes = MaxFormsBytes;
inline constexpr std::int64_t MaxArchiveBytes =
    2 * (MaxHeadwordsBytes + MaxTranslationsBytes + MaxIndexBytes) + 2 * MaxFormsBytes;

// The member of block k (from 1) of a member stored in blocks: "<prefix>k.txt".
std::string BlockName(std::string_view prefix, int block);

} // namespace quillet::plain::files
