// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/ProgramFolders.h"

#include "core/dictionary/DataFolder.h"
#include "core/dictionary/DictionaryFiles.h"

namespace quillet {

ProgramFolders ProgramFolders::Locate(const QString &programDir)
{
    return ProgramFolders{QString::fromStdString(plain::DataFolderWith(
        programDir.toStdString(), QUILLET_DATA_FROM_PROGRAM, std::string_view(files::Database.data(), std::size_t(files::Database.size()))))};
}

} // namespace quillet
