// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/GenError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quillet::gendict {

// The whole of a source file's bytes; throws GenError when it is missing or unreadable.
QByteArray ReadSourceBytes(const QString &path);

// One input text file, read whole and split into lines. The sources are UTF-8 with LF
// line ends (a CR before the LF is dropped); a line that is not valid UTF-8 makes the
// file malformed rather than being guessed at.
class SourceFile {
public:
    // Throws GenError when the file is missing, unreadable or not UTF-8.
    static SourceFile read(const QString &path);

    const QString &path() const { return path_; }
    // Line n (counted from 1) is lines()[n - 1].
    const QStringList &lines() const { return lines_; }

    // An error about line n of this file.
    GenError errorAt(qsizetype line, const QString &reason) const;

private:
    SourceFile(QString path, QStringList lines);

    QString path_;
    QStringList lines_;
};

} // namespace quillet::gendict
