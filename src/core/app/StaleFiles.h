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

} // namespace quillet
