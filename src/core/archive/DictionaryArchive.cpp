// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/archive/DictionaryArchive.h"

#include "core/dictionary/DictionaryFiles.h"
#include "core/dictionary/ProgramFolders.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace quillet {

DictionaryMembers ReadDictionaryMembers(const QString &programDir, const QStringList &members)
{
    DictionaryMembers read;
    const QString folder = ProgramFolders::Locate(programDir).data;
    const QString archive = QDir(folder).absoluteFilePath(files::Database);
    if (!QFileInfo::exists(archive)) {
        read.result = {false, false, {files::Database, u"the archive is missing from %1"_s.arg(folder)}};
        return read;
    }
    read.archive = ArchiveReader(archive, QByteArray(files::ArchivePassword.data(), files::ArchivePassword.size()))
                       .read(members);
    if (read.archive.ok())
        read.result.loaded = true;
    else
        read.result = {false, false, {files::Database, read.archive.message}};
    return read;
}

} // namespace quillet
