// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/SearchHistory.h"

#include "core/dictionary/RegularFile.h"
#include "core/dictionary/TextLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

QByteArray FileText(const QStringList &entries, const QByteArrayList &fileBytes, const QByteArrayList &kept)
{
    QByteArray text;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        text += fileBytes[i].isEmpty() ? entries[i].toUtf8() : fileBytes[i];
        text += "\r\n";
    }
    for (const QByteArray &line : kept) {
        text += line;
        text += "\r\n";
    }
    // A reader takes a mark at the very start for the file's own: a first line that
    // begins with one keeps it behind a mark of the file's.
    if (text.startsWith(ByteOrderMark))
        text.prepend(ByteOrderMark);
    return text;
}

// The word with each line break (CR LF, LF, CR, or a Unicode line or paragraph
// separator) replaced by one blank.
QString OneLine(QString word)
{
    static const QRegularExpression lineBreak(u"\\r\\n|[\\n\\r\\x{85}\\x{2028}\\x{2029}]"_s);
    return word.replace(lineBreak, u" "_s);
}

} // namespace

void SearchHistory::AddToHistory(const QString &searched)
{
    // The file holds one entry per line: a word pasted with a line break stays one entry.
    const QString word = OneLine(searched);
    if (word.size() < MinimumWordLength || word.trimmed().isEmpty() || word.toUtf8().size() > ReadLineBytes)
        return;
    if (!entries_.isEmpty() && entries_.front() == QStringView(word).chopped(1)) {
        entries_.removeFirst();
        fileBytes_.removeFirst();
    }
    for (qsizetype i = entries_.size() - 1; i >= 0; --i) {
        if (entries_[i].compare(word, Qt::CaseInsensitive) == 0) {
            entries_.removeAt(i);
            fileBytes_.removeAt(i);
        }
    }
    entries_.prepend(word);
    fileBytes_.prepend(QByteArray());
}

SearchHistory::LoadOutcome SearchHistory::load(const QString &path)
{
    entries_.clear();
    fileBytes_.clear();
    kept_.clear();
    unreadableFile_.clear();
    QFile file;
    switch (OpenRegularFile(file, path)) {
    case OpenOutcome::Missing: return LoadOutcome::Missing;
    case OpenOutcome::Refused: unreadableFile_ = path; return LoadOutcome::Unreadable;
    case OpenOutcome::Opened: break;
    }
    ReadLinesResult read = ReadLines(file, {ReadLineLimit, ReadLineBytes, KeptBytesLimit});
    for (qsizetype i = 0; i < read.lines.size(); ++i) {
        if (read.lines[i].trimmed().isEmpty())
            continue;
        entries_.append(std::move(read.lines[i]));
        fileBytes_.append(read.notUtf8.value(i));
    }
    kept_ = std::move(read.kept);
    if (read.complete())
        return LoadOutcome::Loaded;
    unreadableFile_ = path;
    return LoadOutcome::ReadInPart;
}

bool SearchHistory::save(const QString &path) const
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const qsizetype saved = std::min(entries_.size(), SavedEntryLimit);
    const QByteArray text = FileText(entries_.first(saved), fileBytes_.first(saved), kept_);
    // commit() does not notice a write that fails while its buffer is flushed and would
    // put a cut-off file in place, so the text goes out before the commit.
    if (file.write(text) != text.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString HistoryFile::writePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(folder).filePath(FileName);
}

QString HistoryFile::readPath(const QString &programDir)
{
    const QString userFile = writePath();
    if (QFileInfo::exists(userFile))
        return userFile;
    const QString programFile = QDir(programDir).filePath(FileName);
    return QFileInfo::exists(programFile) ? programFile : userFile;
}

} // namespace quillet
