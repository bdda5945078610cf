// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/FileNames.h"

#include <QLatin1StringView>
#include <QtGlobal>

#include <array>

// The fixed file names of the shipped dictionary, as Qt's types; the values are those of
// FileNames.h, which the programs without Qt read. The program finds the archive as
// ProgramFolders says; its text files are members of the archive, read straight into
// memory and never written out.
namespace quillet::files {

constexpr QLatin1StringView Latin1(std::string_view name)
{
    return QLatin1StringView{name.data(), qsizetype(name.size())};
}

inline constexpr QLatin1StringView Database = Latin1(plain::files::Database);
inline constexpr QLatin1StringView Background = Latin1(plain::files::Background);

// The archive's password.
inline constexpr QLatin1StringView ArchivePassword = Latin1(plain::files::ArchivePassword);

// The two parallel files of each direction: line k of the translations file
// translates line k of the headwords file. Beside them the packer stores the headwords'
// search index (HeadwordIndexFile); an archive without it still loads. The packer stores
// the translations in blocks, members of their own ("ert_r1.txt", "ert_r2.txt", ...), with
// an index of the blocks (LineBlockIndex), so a look-up unpacks only the blocks of the
// lines it prints; an older archive holds them as one member, `translations`.
struct DirectionFiles {
    int direction; // 1 English to Romanian, 2 Romanian to English
    QLatin1StringView headwords;
    QLatin1StringView translations;
    QLatin1StringView index;
    QLatin1StringView translationBlocks;      // the index of the blocks
    QLatin1StringView translationBlockPrefix; // the block numbered k (from 1) is "<prefix>k.txt"
};

constexpr DirectionFiles Latin1Names(const plain::files::DirectionNames &names)
{
    return {names.direction,           Latin1(names.headwords),         Latin1(names.translations),
            Latin1(names.index),       Latin1(names.translationBlocks), Latin1(names.translationBlockPrefix)};
}
inline constexpr DirectionFiles EnglishRomanian = Latin1Names(plain::files::EnglishRomanian);
inline constexpr DirectionFiles RomanianEnglish = Latin1Names(plain::files::RomanianEnglish);
inline constexpr std::array<DirectionFiles, 2> Directions{EnglishRomanian, RomanianEnglish};

// The inflected forms of each direction's headwords, one "form<TAB>base" line per pair
// (see FormsTable). They are read after the dictionary, and an archive may lack them.
// The packer stores them in blocks, members of their own ("rte_f1.txt", "rte_f2.txt",
// ...), with an index of the blocks (FormsBlockIndex), so a look-up unpacks only the
// block that can hold its word; an older archive holds them as one member, `name`.
struct FormsFile {
    int direction;
    QLatin1StringView name;
    QLatin1StringView blockIndex;
    QLatin1StringView blockPrefix; // the block numbered k (from 1) is "<prefix>k.txt"
};
constexpr FormsFile Latin1Names(const plain::files::FormsNames &names)
{
    return {names.direction, Latin1(names.name), Latin1(names.blockIndex), Latin1(names.blockPrefix)};
}
inline constexpr std::array<FormsFile, 2> Forms{Latin1Names(plain::files::EnglishRomanianForms),
                                                Latin1Names(plain::files::RomanianEnglishForms)};

// The most each member is allowed to hold. The shipped files are a fraction of these
// (about 0.6, 1.2 and 10 MB); the bounds keep the table built from the largest archive
// the reader accepts within a stated memory bound (MaxLoadedMemory), and the reader
// refuses any member or archive past them as soon as it unpacks that far.
inline constexpr qint64 MaxHeadwordsBytes = plain::files::MaxHeadwordsBytes;
inline constexpr qint64 MaxTranslationsBytes = plain::files::MaxTranslationsBytes;
inline constexpr qint64 MaxFormsBytes = plain::files::MaxFormsBytes;
// The longest line any text member may have; real entries and forms are far shorter.
inline constexpr qsizetype MaxLineBytes = plain::files::MaxLineBytes;
// The index holds three more texts of the headwords' size and four numbers an entry.
inline constexpr qint64 MaxIndexBytes = plain::files::MaxIndexBytes;
inline constexpr qint64 MaxMemberBytes = plain::files::MaxMemberBytes;
inline constexpr qint64 MaxArchiveBytes = plain::files::MaxArchiveBytes;
static_assert(MaxArchiveBytes
              == qint64(Directions.size()) * (MaxHeadwordsBytes + MaxTranslationsBytes + MaxIndexBytes)
                     + qint64(Forms.size()) * MaxFormsBytes);
// What the dictionary and its forms may take in memory once loaded from the largest
// acceptable archive (measured by the memory benchmark, `make bench`).
inline constexpr qint64 MaxLoadedMemory = 256 * 1024 * 1024;

} // namespace quillet::files
