// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/DictionaryLoader.h"

#include "core/dictionary/ArchiveExtraction.h"
#include "core/dictionary/DictionaryFiles.h"
#include "core/dictionary/ExtractionFolder.h"
#include "core/dictionary/RegularFile.h"
#include "core/dictionary/ShellAndWait.h"
#include "core/dictionary/TextLines.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillet {

QString LoadFailure::message() const
{
    return u"%1: %2"_s.arg(file, cause);
}

int LoadPercent(int k, int lines)
{
    return int(double(k) / double(lines + 1) * 100.0);
}

namespace {

LoadResult Failed(QString file, QString cause)
{
    return LoadResult{false, false, LoadFailure{std::move(file), std::move(cause)}};
}

// The longest line a dictionary file may have; real entries are far shorter.
constexpr qsizetype MaxLineBytes = 64 * 1024;

// The first lines of one extracted text file, decoded. A missing or empty file, one
// larger than its bound, or one with a line past the limit leaves no dictionary.
struct TextFile {
    QStringList lines;
    QString problem;
};

// Splits the file's bytes, read whole, into at most maxLines decoded lines; a UTF-8 byte
// order mark at the start is skipped. One read of a file of known size, split in place,
// costs a few milliseconds where reading line by line cost a buffer per line.
TextFile SplitTextFile(QByteArrayView contents, qsizetype maxLines)
{
    constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF");
    if (contents.startsWith(ByteOrderMark))
        contents = contents.sliced(ByteOrderMark.size());
    TextFile text;
    text.lines.reserve(std::min<qsizetype>(maxLines, contents.count('\n') + 1));
    LineDecoder decoder;
    // A file that is UTF-8 throughout, as the shipped ones are, needs no check line by line.
    const bool utf8 = contents.isValidUtf8();
    ForEachLine(contents, [&](QByteArrayView line) {
        if (text.lines.size() >= maxLines || !text.problem.isEmpty())
            return;
        if (line.size() > MaxLineBytes)
            text.problem = u"line %1 is longer than %2 bytes"_s.arg(text.lines.size() + 1).arg(MaxLineBytes);
        else
            text.lines.append(utf8 ? QString::fromUtf8(line) : decoder.decode(line));
    });
    if (!text.problem.isEmpty())
        text.lines.clear();
    else if (text.lines.isEmpty())
        text.problem = u"the file is empty"_s;
    return text;
}

TextFile ReadTextFile(const QString &path, qint64 maxBytes, qsizetype maxLines)
{
    QFile file;
    switch (OpenRegularFile(file, path)) {
    case OpenOutcome::Missing: return {{}, u"the file is missing from the archive"_s};
    case OpenOutcome::Refused: return {{}, u"the file cannot be read"_s};
    case OpenOutcome::Opened: break;
    }
    if (file.size() > maxBytes)
        return {{}, u"the file is larger than %1 bytes"_s.arg(maxBytes)};
    // At most maxBytes + 1 bytes are read, whatever the file grew to meanwhile.
    const QByteArray contents = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, u"the file cannot be read: %1"_s.arg(file.errorString())};
    if (contents.size() > maxBytes)
        return {{}, u"the file is larger than %1 bytes"_s.arg(maxBytes)};
    return SplitTextFile(contents, maxLines);
}

} // namespace

DictionaryLoader::DictionaryLoader(QString programDir) : programDir_(std::move(programDir)) {}

LoadResult DictionaryLoader::extractInto(const QString &folder, const LoadObserver &observer) const
{
    QStringList members;
    for (const files::DirectionFiles &set : files::Directions)
        members << set.headwords << set.translations;
    return ExtractMembers({programDir_, folder, members, timeLimit_, [&observer] { return observer.cancelled(); }});
}

LoadResult DictionaryLoader::LoadDictionary(DictTable &table, LoadObserver &observer) const
{
    observer.extracting();
    if (observer.cancelled())
        return LoadResult{false, true, {}};
    extraction::RemoveStaleFolders(QDir::tempPath());
    const QTemporaryDir folder(extraction::FolderTemplate()); // private (0700), removed with everything in it
    if (!folder.isValid())
        return Failed(files::Database, u"no temporary folder: %1"_s.arg(folder.errorString()));

    if (LoadResult extracted = extractInto(folder.path(), observer); !extracted.loaded)
        return extracted;

    const QDir dir(folder.path());
    for (const files::DirectionFiles &set : files::Directions) {
        const int d = set.direction;
        const int bound = d == DictTable::EnglishRomanian && table.EntryCount(d) > 0
                              ? table.EntryCount(d) - 1
                              : DictTable::Capacity - 1;
        const TextFile headwords = ReadTextFile(dir.filePath(set.headwords), files::MaxHeadwordsBytes, bound);
        if (!headwords.problem.isEmpty())
            return Failed(set.headwords, headwords.problem);

        const int count = std::min<int>(bound, int(headwords.lines.size()));
        const bool showProgress = d == DictTable::EnglishRomanian;
        for (int k = 1; k <= count; ++k) {
            table.set(d, DictTable::Headword, k, headwords.lines[k - 1]);
            if (showProgress && !observer.lineRead(LoadPercent(k, count)))
                return LoadResult{false, true, {}};
        }
        if (showProgress)
            observer.progressDone();

        const TextFile translations =
            ReadTextFile(dir.filePath(set.translations), files::MaxTranslationsBytes, count);
        if (!translations.problem.isEmpty())
            return Failed(set.translations, translations.problem);
        const int translated = std::min<int>(count, int(translations.lines.size()));
        for (int k = 1; k <= translated; ++k)
            table.set(d, DictTable::Translation, k, translations.lines[k - 1]);
        table.setEntryCount(d, count);

        RemoveFile(dir.filePath(set.headwords));
        RemoveFile(dir.filePath(set.translations));
    }
    return LoadResult{true, false, {}};
}

} // namespace quillet
