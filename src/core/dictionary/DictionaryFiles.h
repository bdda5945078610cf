// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1StringView>
#include <QtGlobal>

#include <array>

// The fixed file names of the shipped dictionary, in one place. The program finds the
// archive and the extractor as ProgramFolders says; the text files exist only for a
// moment, in a private temporary folder, while the dictionary loads.
namespace quillet::files {

inline constexpr QLatin1StringView Database{"Database.db"};
inline constexpr QLatin1StringView Extractor{"quillet-extract"};
inline constexpr QLatin1StringView Background{"Background.jpg"};

// The archive's password; the extractor gets it as "-p<password>".
inline constexpr QLatin1StringView ArchivePassword{"k7w3m9t2r5x8"};

// The two parallel files of each direction: line k of the translations file
// translates line k of the headwords file.
struct DirectionFiles {
    int direction; // 1 English to Romanian, 2 Romanian to English
    QLatin1StringView headwords;
    QLatin1StringView translations;
};

inline constexpr DirectionFiles EnglishRomanian{1, QLatin1StringView{"ert_e.txt"},
                                                QLatin1StringView{"ert_r.txt"}};
inline constexpr DirectionFiles RomanianEnglish{2, QLatin1StringView{"rte_r.txt"},
                                                QLatin1StringView{"rte_e.txt"}};
inline constexpr std::array<DirectionFiles, 2> Directions{EnglishRomanian, RomanianEnglish};

// The inflected forms of each direction's headwords, one "form<TAB>base" line per pair
// (see FormsTable). They are read after the dictionary, and an archive may lack them.
struct FormsFile {
    int direction;
    QLatin1StringView name;
};
inline constexpr std::array<FormsFile, 2> Forms{{{1, QLatin1StringView{"ert_f.txt"}},
                                                  {2, QLatin1StringView{"rte_f.txt"}}}};

// The most each member is allowed to hold. The shipped files are a fraction of these
// (about 0.6, 1.2 and 10 MB); the bounds keep the table built from the largest archive
// the extractor accepts within a stated memory bound (MaxLoadedMemory), and the
// extractor refuses any member or archive past them before it reaches the disk.
inline constexpr qint64 MaxHeadwordsBytes = 4 * 1024 * 1024;
inline constexpr qint64 MaxTranslationsBytes = 8 * 1024 * 1024;
inline constexpr qint64 MaxFormsBytes = 16 * 1024 * 1024;
inline constexpr qint64 MaxMemberBytes = MaxFormsBytes;
inline constexpr qint64 MaxArchiveBytes =
    qint64(Directions.size()) * (MaxHeadwordsBytes + MaxTranslationsBytes) + qint64(Forms.size()) * MaxFormsBytes;
// What the dictionary and its forms may take in memory once loaded from the largest
// acceptable archive (measured by the memory benchmark, `make bench`).
inline constexpr qint64 MaxLoadedMemory = 256 * 1024 * 1024;

} // namespace quillet::files

namespace quillet {

// Exit codes of the extractor; anything but Ok also leaves a one-line message on stderr.
enum class ExtractorStatus : int {
    Ok = 0,
    Usage = 1,          // the command line is not "x -y -p<password> <archive>"
    ArchiveMissing = 2, // the archive does not exist or cannot be opened
    WrongPassword = 3,
    CorruptArchive = 4, // damaged, truncated or not an archive at all
    WriteFailed = 5,    // a file could not be written whole (disk full, no permission)
    TooLarge = 6,       // a member, or all of them together, unpack past the extractor's limits
};

} // namespace quillet
