#include "dictionary/SearchHistory.h"

#include "dictionary/TextLines.h"

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
