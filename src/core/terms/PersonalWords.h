// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/terms/TermList.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

#include <functional>

namespace quillet {

// Where the user's own words live: beside the search history, in the user's data folder.
struct PersonalWordFiles {
    static constexpr QLatin1StringView TermsFileName{"terms.tsv"};
    static constexpr QLatin1StringView KeptFileName{"mylist.tsv"};

    QString terms;
    QString kept;

    // The files in the user's data folder.
    static PersonalWordFiles InDataFolder();
    // The files in the given folder.
    static PersonalWordFiles In(const QString &folder);
};

// Reads the file whole, at most TermBounds::MaxFileBytes of it; a missing file gives
// an empty text. The problem (empty when read) says why a file could not be read.
BilingualText ReadUserFile(const QString &path, QByteArray &text, bool *missing = nullptr);

// Writes the text in place of the file at once (QSaveFile), making its folder when
// needed: a save cut short leaves the previous file whole. The problem, or nothing.
BilingualText WriteUserFile(const QString &path, const QByteArray &text);

// My terms and My list as the program keeps them: read from their files at start, and
// every change written back at once. A file that is there but cannot be read is left as
// it is and its list takes no changes (the problem says why), so an empty list never
// takes the place of the user's words. A change that cannot be written is undone.
class PersonalWords {
public:
    explicit PersonalWords(PersonalWordFiles files = PersonalWordFiles::InDataFolder());

    // Reads both files; the problems, one line each, of those that could not be read.
    QList<BilingualText> load();
    const PersonalWordFiles &files() const { return files_; }

    const TermList &terms() const { return terms_; }
    const KeptList &kept() const { return kept_; }
    // Why a list takes no changes: its file could not be read at start ("" when it can).
    const BilingualText &termsDamage() const { return termsDamage_; }
    const BilingualText &keptDamage() const { return keptDamage_; }

    // Each change is written to its file before it returns; nothing when done, else what
    // went wrong, and the list is as it was. When another program (an import from the
    // command line) changed the file meanwhile, the list is read again from it instead
    // and the change is not made: the problem says so. Adding a pair already there is done.
    BilingualText addTerm(const PersonalTerm &term);
    BilingualText replaceTerm(qsizetype i, const PersonalTerm &term);
    BilingualText removeTerm(qsizetype i);
    // Puts the whole list in place of My terms (an import that replaces them).
    BilingualText setTerms(const TermList &terms);
    BilingualText keep(const KeptEntry &entry);
    BilingualText removeKept(qsizetype i);

    // Reads My terms again when another program (an import from the command line) changed
    // their file since it was last read or written here: true when the list changed. The
    // file's size and times are looked at first, its bytes only when they differ. A file
    // that cannot be read now, or could not be at start, leaves the list as it is.
    bool readTermsAgainIfChanged();

    // Bumped at every change of My terms: a search index made for one generation is
    // out of date at the next.
    int termsGeneration() const { return termsGeneration_; }

private:
    BilingualText changeTerms(const std::function<BilingualText(TermList &)> &change);
    BilingualText changeKept(const std::function<BilingualText(KeptList &)> &change);

    PersonalWordFiles files_;
    TermList terms_;
    KeptList kept_;
    BilingualText termsDamage_;
    BilingualText keptDamage_;
    // The files' bytes as last read or written here, to notice another program's change.
    QByteArray termsOnDisk_;
    QByteArray keptOnDisk_;
    // The terms file's size and times when termsOnDisk_ was taken: looked at before every
    // search, so one stat() and no text or time conversion.
    struct FileStamp {
        qint64 size = -1; // -1: no file
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        bool operator==(const FileStamp &) const = default;
    };
    static FileStamp StampOf(const QString &path);
    FileStamp termsStamp_;
    int termsGeneration_ = 0;
};

} // namespace quillet
