// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/archive/WinZipAes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1StringView>
#include <QSaveFile>
#include <QString>

namespace quillet::pack {

// Writes a ZIP archive whose members are regular files, deflated and encrypted with
// WinZip's AES-256 (AE-2) under one password. The members share one salt, drawn once per
// archive (or derived from SOURCE_DATE_EPOCH, so a reproducible build packs the same
// archive twice): the password is built into the program that reads the archive, so
// a salt per member would protect nothing and cost the reader a key derivation each.
// The archive takes its real name only on commit(); until then it is a temporary file
// beside it, which goes away if the writer is destroyed uncommitted, so a failed run
// never leaves a half archive.
class ArchiveWriter {
public:
    // Throws PackError when the archive cannot be started.
    ArchiveWriter(const QString &path, const QByteArray &password);

    // How a member's bytes are kept: deflated, or as they are (still encrypted), for the
    // members a look-up reads, which then cost no inflating.
    enum class Packing { Deflated, Stored };

    // Adds one member at the top level of the archive. Throws PackError on failure.
    void add(QLatin1StringView name, QByteArrayView contents, Packing packing = Packing::Deflated);

    // Finishes the archive and puts it under its real name. Throws PackError on failure.
    void commit();

private:
    void write(QByteArrayView bytes);

    QSaveFile file_;
    QByteArray salt_;
    winzip::KeyedState keys_;
    QByteArray directory_; // the central directory's records, written at the end
    int members_ = 0;
    qint64 offset_ = 0;
};

} // namespace quillet::pack
