// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/texts/BilingualText.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillet {

// The rows of one of the user's TSV files, or why it cannot be read.
struct TsvRows {
    QList<QStringList> rows;
    BilingualText problem; // empty when the whole file was read

    bool ok() const { return problem.isEmpty(); }
};

// Reads the text of a TSV file the program wrote: UTF-8 (a byte order mark at the start
// allowed), a header line of exactly `header`, then one row a line of exactly as many
// fields, at most maxRows of them; blank lines are skipped, CR LF reads as LF. Anything
// else (invalid UTF-8, another header, a row of too few or too many fields, too many
// rows) makes the whole file unreadable, and the problem names the line. What each
// field may hold is for the list that takes the rows to say.
TsvRows ReadTsvText(QByteArrayView text, const QStringList &header, qsizetype maxRows);

// The text of such a file: the header, then the rows, each line ended by LF. The fields
// must hold no tab and no line break.
QByteArray TsvText(const QStringList &header, const QList<QStringList> &rows);

// Decodes UTF-8 strictly; nullopt on any invalid byte.
std::optional<QString> StrictUtf8(QByteArrayView bytes);

} // namespace quillet
