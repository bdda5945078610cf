// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/archive/ArchiveReader.h"
#include "core/dictionary/DictionaryLoader.h"

#include <QString>
#include <QStringList>

namespace quillet {

// Members of the archive the program ships with, read into memory.
struct DictionaryMembers {
    LoadResult result;       // loaded when they were read; else names the archive and the cause
    ArchiveContents archive; // the members read
};

// Reads the members named from "Database.db", found as ProgramFolders says: beside the
// program or where it is installed. A member the archive lacks is not there; anything
// else that goes wrong leaves no member.
DictionaryMembers ReadDictionaryMembers(const QString &programDir, const QStringList &members);

} // namespace quillet
