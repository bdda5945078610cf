// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillet {

// Where the program finds the files it ships with. They lie beside the program in a
// build tree or an unpacked copy; an installed tree keeps the programs (quillet-app and
// quillet-cli, which the starter in bin/ runs) under libexec/quillet and the
// architecture-independent files (the archive, the background picture) under
// share/quillet. Beside the program comes first.
struct ProgramFolders {
    QString data; // "Database.db" and "Background.jpg"

    // The folders for a program in `programDir`. A file found in neither place is looked
    // for beside the program, so a message about it names that folder.
    static ProgramFolders Locate(const QString &programDir);
};

} // namespace quillet
