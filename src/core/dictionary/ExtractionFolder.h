// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillet::extraction {

// Earlier versions of the program extracted the dictionary into a private temporary
// folder named after the process that owned it: "quillet-<pid>-XXXXXX" in the system's
// temporary folder. A process killed while loading could not remove its folder, and the
// decrypted dictionary stayed there; the window removes such folders when it starts.

// Removes, from `tempDir`, every folder of that pattern that belongs to this user and whose
// process no longer runs; a folder whose process is alive, or whose owner cannot be told,
// stays. Returns how many were removed.
int RemoveStaleFolders(const QString &tempDir);

// Whether a process of that id exists (one of another user's counts as existing).
bool IsProcessAlive(qint64 pid);

} // namespace quillet::extraction
