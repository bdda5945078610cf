#include "dictionary/SearchHistory.h"

#include "dictionary/TextLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace quillet {

namespace {

// After a failed read, only the lines that arrived whole are kept.
QByteArray WholeLines(QByteArray contents)
{
    contents.truncate(contents.lastIndexOf('\n') + 1);
    return contents;
}

QByteArray FileText(const QStringList &entries)
{
    QByteArray text;
    for (const QString &entry : entries) {
        text += entry.toUtf8();
        text += "\r\n";
    }
    return text;
}

} // namespace

void SearchHistory::AddToHistory(const QString &word)
{
    if (word.size() < MinimumWordLength)
        return;
    if (!entries_.isEmpty() && entries_.front() == QStringView(word).chopped(1))
        entries_.removeFirst();
    entries_.removeIf([&word](const QString &entry) {
        return entry.compare(word, Qt::CaseInsensitive) == 0;
    });
    entries_.prepend(word);
}

void SearchHistory::load(const QString &path)
{
    entries_.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        contents = WholeLines(std::move(contents));
    for (QString &line : SplitLines(contents)) {
        if (!line.trimmed().isEmpty())
            entries_.append(std::move(line));
    }
}

bool SearchHistory::save(const QString &path) const
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = FileText(entries_.first(std::min(entries_.size(), SavedEntryLimit)));
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
