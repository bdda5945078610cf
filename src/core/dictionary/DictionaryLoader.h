// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictTable.h"

#include <QString>

#include <chrono>

namespace quillet {

// What a start-up load reports to whoever shows its progress. The loader calls
// lineRead() after every headword of the first direction; returning false stops the
// load (the window was closed meanwhile). While the extractor runs, cancelled() is asked
// a few times a second; true stops the extractor and the load.
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

// Fills the table from the archive the program ships with (found as ProgramFolders
// says, beside the program or where it is installed): the extractor unpacks it
// into a fresh private temporary folder, each text file is read whole (within its
// bound) into its column, then deleted with its folder. EntryCount(1) is the bound given
// by the caller (at most Capacity); each direction ends with EntryCount = the number
// of entries actually read, at most Capacity - 1.
class DictionaryLoader {
public:
    explicit DictionaryLoader(QString programDir);

    void setTimeLimit(std::chrono::milliseconds limit) { timeLimit_ = limit; }
    LoadResult LoadDictionary(DictTable &table, LoadObserver &observer) const;

private:
    LoadResult extractInto(const QString &folder, const LoadObserver &observer) const;

    QString programDir_;
    std::chrono::milliseconds timeLimit_ = std::chrono::seconds(60);
};

// The percentage shown after line k of `lines`: Int(k / (lines + 1) x 100), so a full
// file ends at 99.
int LoadPercent(int k, int lines);

} // namespace quillet
