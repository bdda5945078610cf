// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <chrono>

namespace quillet {

// A save that was killed can leave, beside the file it was replacing, its temporary file
// ("<name>.XXXXXX", written by QSaveFile) and a settings lock ("<name>.lock"). Removes
// those: temporary files of that pattern that belong to this user and have not changed
// for `minimumAge` (a save in progress takes far less), and the lock when its holder no
// longer runs; a lock held by a live process stays. Returns how many files went.
int RemoveStaleSaveLeftovers(const QString &path,
                             std::chrono::seconds minimumAge = std::chrono::seconds(60));

// The program's private temporary folders are named after the process that owns them,
// "quillet-<pid>-XXXXXX" in the system's temporary folder, so that a start can tell those
// of processes killed meanwhile. The template for such a folder of this process, for
// QTemporaryDir.
QString PrivateFolderTemplate(const QString &tempDir);

// Removes, from `tempDir`, every private temporary folder that belongs to this user and
// whose process no longer runs (earlier versions extracted the dictionary into one; the
// settings save tries its file out in one); a folder whose process is alive, or whose owner
// cannot be told, stays. Also removes the unnamed trial folders of earlier versions'
// settings saves ("Quillet-XXXXXX" holding "trial.ini" or its lock and temporary file)
// once they are `minimumAge` old. Returns how many folders went.
int RemoveStaleFolders(const QString &tempDir, std::chrono::seconds minimumAge = std::chrono::seconds(60));

// Whether a process of that id exists (one of another user's counts as existing).
bool IsProcessAlive(qint64 pid);

} // namespace quillet
