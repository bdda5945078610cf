// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/ArchiveExtraction.h"

#include "core/dictionary/DictionaryFiles.h"
#include "core/dictionary/ProgramFolders.h"
#include "core/dictionary/ShellAndWait.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace quillet {

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

} // namespace

LoadResult ExtractMembers(const ExtractionRequest &request)
{
    const ProgramFolders folders = ProgramFolders::Locate(request.programDir);
    const QString extractor = QDir(folders.extractor).absoluteFilePath(files::Extractor);
    const QString archive = QDir(folders.data).absoluteFilePath(files::Database);
    if (!QFile::exists(archive))
        return Failed(files::Database, u"the archive is missing from %1"_s.arg(folders.data));

    const ChildCommand command{extractor,
                               QStringList{u"x"_s, u"-y"_s, u"-p"_s + files::ArchivePassword, archive}
                                   + request.members,
                               request.folder};
    ShellOptions options;
    options.timeLimit = request.timeLimit;
    options.stopWaiting = request.cancelled;
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

} // namespace quillet
