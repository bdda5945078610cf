// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/ProgramFolders.h"

#include "core/dictionary/DictionaryFiles.h"

#include <QDir>
#include <QFileInfo>

namespace quillet {

namespace {

// The folder, of the program's own and the installed one, that holds the file.
QString FolderWith(const QString &programDir, QLatin1StringView installedFromProgram, QLatin1StringView file)
{
    const QDir program(programDir);
    if (QFileInfo::exists(program.filePath(file)))
        return program.absolutePath();
    const QString installed = QDir::cleanPath(program.absoluteFilePath(installedFromProgram));
    if (QFileInfo::exists(QDir(installed).filePath(file)))
        return installed;
    return program.absolutePath();
}

} // namespace

ProgramFolders ProgramFolders::Locate(const QString &programDir)
{
    return ProgramFolders{FolderWith(programDir, QLatin1StringView(QUILLET_DATA_FROM_PROGRAM), files::Database)};
}

} // namespace quillet
