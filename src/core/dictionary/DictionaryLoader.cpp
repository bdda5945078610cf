// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/DictionaryLoader.h"

#include "core/dictionary/DictionaryFiles.h"
#include "core/dictionary/ExtractionFolder.h"
#include "core/dictionary/ProgramFolders.h"
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

QString ExtractorCause(std::int32_t code, const QByteArray &errorOutput)
{
    if (code == StartFailureCode(ErrorFileNotFound))
        return u"the extractor is missing"_s;
    if (code == StartFailureCode(ErrorPermissionDenied))
        return u"the extractor cannot be started (not executable)"_s;
    if (code == StartFailureCode(ErrorTimedOut))
        return u"the extractor did not finish within its time limit"_s;
    if (code == StartFailureCode(ErrorCrashed))
        return u"the extractor crashed"_s;
    const QString said = QString::fromLocal8Bit(errorOutput).trimmed();
    if (!said.isEmpty())
        return said;
    return u"the extractor failed with exit code %1"_s.arg(code);
}

// The longest line a dictionary file may have; real entries are far shorter.
constexpr qsizetype MaxLineBytes = 64 * 1024;

// Reads the first lines of one extracted text file; a missing or empty file, or one with
// a line past the limit, leaves no dictionary.
struct TextFile {
    QStringList lines;
    QString problem;
};

TextFile ReadTextFile(const QString &path, qsizetype maxLines)
{
    QFile file;
    switch (OpenRegularFile(file, path)) {
    case OpenOutcome::Missing: return {{}, u"the file is missing from the archive"_s};
    case OpenOutcome::Refused: return {{}, u"the file cannot be read"_s};
    case OpenOutcome::Opened: break;
    }
    ReadLinesResult read = ReadLines(file, {maxLines, MaxLineBytes});
    switch (read.end) {
    case ReadLinesResult::End::LineTooLong:
        return {{}, u"line %1 is longer than %2 bytes"_s.arg(read.lines.size() + 1).arg(MaxLineBytes)};
    case ReadLinesResult::End::ReadFailed:
        return {{}, u"the file cannot be read: %1"_s.arg(file.errorString())};
    case ReadLinesResult::End::Complete: break;
    }
    if (read.lines.isEmpty())
        return {{}, u"the file is empty"_s};
    return {std::move(read.lines), {}};
}

} // namespace

DictionaryLoader::DictionaryLoader(QString programDir) : programDir_(std::move(programDir)) {}

LoadResult DictionaryLoader::extractInto(const QString &folder, const LoadObserver &observer) const
{
    const ProgramFolders folders = ProgramFolders::Locate(programDir_);
    const QString extractor = QDir(folders.extractor).absoluteFilePath(files::Extractor);
    const QString archive = QDir(folders.data).absoluteFilePath(files::Database);
    if (!QFile::exists(archive))
        return Failed(files::Database, u"the archive is missing from %1"_s.arg(folders.data));

    const ChildCommand command{extractor,
                               {u"x"_s, u"-y"_s, u"-p"_s + files::ArchivePassword, archive},
                               folder};
    ShellOptions options;
    options.timeLimit = timeLimit_;
    options.stopWaiting = [&observer] { return observer.cancelled(); };
    QByteArray errorOutput;
    const std::int32_t code = ShellAndWait(command, options, &errorOutput);
    if (code == StartFailureCode(ErrorCancelled))
        return LoadResult{false, true, {}};
    if (code != 0) {
        const bool extractorFault = code < 0 || errorOutput.isEmpty();
        return Failed(extractorFault ? QString(files::Extractor) : QString(files::Database),
                      ExtractorCause(code, errorOutput));
    }
    return LoadResult{true, false, {}};
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
        const TextFile headwords = ReadTextFile(dir.filePath(set.headwords), bound);
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

        const TextFile translations = ReadTextFile(dir.filePath(set.translations), count);
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
