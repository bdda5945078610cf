// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictTable.h"

#include <QList>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace quillet {

// What a start-up load reports to whoever shows its progress. The loader calls
// lineRead() after every headword of the first direction; returning false stops the
// load (the window was closed meanwhile). cancelled() is asked before the archive is
// read and after; true stops the load.
class LoadObserver {
public:
    virtual ~LoadObserver() = default;
    virtual void extracting() {}
    virtual bool cancelled() const { return false; }
    virtual bool lineRead(int percent) { (void)percent; return true; }
    virtual void progressDone() {}
};

// Why a load left no dictionary: the file concerned and what went wrong with it.
struct LoadFailure {
    QString file;
    QString cause;
    QString message() const;
};

struct LoadResult {
    bool loaded = false;
    bool cancelled = false;
    LoadFailure failure;
};

// One text file of a direction, read whole as UTF-8, and where its lines lie in it: in
// utf8, or in blocks when it was read in blocks (offsets counted as if they lay end to end).
struct TextLinesRead {
    QByteArray utf8;
    std::vector<LineSpan> lines;
    std::vector<QByteArray> blocks = {};
};

// What a load takes from the archive before it fills the table: the files of each
// direction asked for, split into lines and checked against their bounds, and the
// packer's index where it fits the headwords. It belongs to no window, so it can be read
// on another thread while the window is made.
struct DictionaryRead {
    struct Direction {
        int direction = 0;
        TextLinesRead headwords;
        TextLinesRead translations;
        std::optional<HeadwordIndex> index;
    };
    LoadResult result; // loaded when every direction asked for was read
    std::vector<Direction> directions;
};

// Fills the table from the archive the program ships with (found as ProgramFolders
// says, beside the program or where it is installed): the members of the directions
// asked for are decrypted and unpacked straight into memory, and each text file goes
// whole into its column; nothing is written to a file. A direction holds at most
// Capacity entries: a file with more lines, like one past any other bound, is refused
// with its name and the cause, never cut short. Each direction loaded ends with
// EntryCount = the number of its headwords.
class DictionaryLoader {
public:
    explicit DictionaryLoader(QString programDir);

    // The directions to load (1 English to Romanian, 2 Romanian to English); both unless
    // told otherwise. The others stay empty and are not read from the archive.
    void setDirections(QList<int> directions);
    // The directions whose packer-made search index is read (all by default); the others
    // make it from the headwords. One look-up makes it in less time than unpacking it
    // (with its byte orders, sorted for many searches) takes.
    void setPackedIndex(QList<int> directions);
    // For one look-up, which prints a few entries: LoadDictionary leaves the translations
    // out (they read "") for LoadTranslations to read those of the entries printed, and
    // the headwords' index it makes is never sorted, as one search scans for less.
    void setForOneLookUp(bool oneLookUp);
    LoadResult LoadDictionary(DictTable &table, LoadObserver &observer) const;
    // The same, from what read() gave: the archive was read ahead, on another thread.
    LoadResult LoadDictionary(DictTable &table, LoadObserver &observer, DictionaryRead read) const;
    // Reads and checks what the directions need, filling no table and telling no one:
    // safe on any thread.
    DictionaryRead read() const;
    // Reads the translations of the entries (by direction) of a table loaded with the
    // translations on demand: of the archive, only the blocks that hold them (all of
    // them, in an older archive that keeps them whole), within the same bounds as a
    // whole load.
    LoadResult LoadTranslations(DictTable &table, const std::map<int, std::vector<int>> &entries) const;

private:
    DictionaryRead readSideBySide() const;

    QString programDir_;
    bool oneLookUp_ = false;
    QList<int> directions_{DictTable::EnglishRomanian, DictTable::RomanianEnglish};
    QList<int> packedIndex_{DictTable::EnglishRomanian, DictTable::RomanianEnglish};
};

// Why a file with a line longer than files::MaxLineBytes is refused; `line` counts from 1.
QString LongLineProblem(qsizetype line);

// The percentage shown after line k of `lines`: Int(k / (lines + 1) x 100), so a full
// file ends at 99.
int LoadPercent(int k, int lines);

} // namespace quillet
