// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayList>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <utility>

namespace quillet {

// The words the user has searched, newest first (position 0). The main window's history
// list box mirrors entries(); only AddToHistory changes the list while the program runs,
// which keeps any two entries different even when letter case is ignored.
class SearchHistory {
public:
    // Words shorter than this are never recorded.
    static constexpr qsizetype MinimumWordLength = 2;
    // The file keeps only this many of the newest entries.
    static constexpr qsizetype SavedEntryLimit = 100;

    const QStringList &entries() const { return entries_; }
    void setEntries(QStringList entries)
    {
        entries_ = std::move(entries);
        fileBytes_ = QByteArrayList(entries_.size());
    }

    // Puts a searched word at the top, each of its line breaks stored as one blank. While
    // searching as the user types, the entry just searched one letter shorter gives way,
    // so typing a word leaves only its full form. A word the file could not give back (a
    // blank one, or one longer than ReadLineBytes as UTF-8) is not recorded.
    void AddToHistory(const QString &searched);

    // The file's first ReadLineLimit lines, each at most ReadLineBytes long, are the
    // entries: as many as a save writes. Lines that do not fit (longer ones, and all those
    // after the first ReadLineLimit) are kept as they are, up to KeptBytesLimit in all, and
    // written back after the entries in their order, so that no word the file holds is lost.
    static constexpr qsizetype ReadLineLimit = SavedEntryLimit;
    static constexpr qsizetype ReadLineBytes = 4096;
    static constexpr qsizetype KeptBytesLimit = 2 * 1024 * 1024;

    enum class LoadOutcome { Loaded, Missing, Unreadable, ReadInPart };

    // Replaces the list with the file's lines, blank lines skipped. No file gives an empty
    // list (Missing). A file that is there but cannot be read, or is no regular file (a
    // FIFO, a device), gives an empty list too (Unreadable). A read that fails midway, or
    // meets more lines that do not fit than can be kept, keeps the entries before it
    // (ReadInPart).
    LoadOutcome load(const QString &path);
    // The file the last load found but could not read whole, empty when there was none.
    // Saving over it would lose the words it holds.
    const QString &unreadableFile() const { return unreadableFile_; }
    // The lines of the last file read that are no entries but are kept for the next save.
    const QByteArrayList &keptLines() const { return kept_; }

    // Writes the newest SavedEntryLimit entries, one per line ended by CR LF, in UTF-8 (an
    // entry read from a line that was not UTF-8 as the bytes it was read from), then the
    // kept lines as they were read, creating the file's folder when needed. The
    // file is replaced only when the whole text is written, so a failed save leaves the
    // previous file as it was.
    bool save(const QString &path) const;

private:
    QStringList entries_;
    // Beside each entry, the bytes of the line it was read from when that line was not
    // UTF-8 (a file from an older Windows machine); empty for the others.
    QByteArrayList fileBytes_;
    QByteArrayList kept_;
    QString unreadableFile_;
};

// Where the history file lives. It belongs to the user, in the user's own data folder:
// the program's folder is shared by every user and, once installed, not writable.
class HistoryFile {
public:
    static constexpr QLatin1StringView FileName{"Dic.ini"};

    // The user's file; saving always goes here.
    static QString writePath();
    // The user's file when there is one; otherwise a "Dic.ini" left in the program's
    // folder by an older installation, when there is one; otherwise the user's file.
    static QString readPath(const QString &programDir);
};

} // namespace quillet
