// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>

namespace quillet {

enum class OpenOutcome {
    Opened,
    Missing, // nothing of that name (a dangling link included)
    Refused, // there is something, but not a regular file that can be read
};

// Opens the file for reading only when it is a regular file (links followed). A FIFO,
// a device such as /dev/zero or a folder is refused, and opening never waits for a writer
// on the other end of a FIFO.
OpenOutcome OpenRegularFile(QFile &file, const QString &path);

} // namespace quillet
