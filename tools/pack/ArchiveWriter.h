// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1StringView>
#include <QSaveFile>
#include <QString>

#include <memory>

struct archive;

namespace quillet::pack {

// Writes a ZIP archive whose members are regular files encrypted with AES-256 under one
// password. The archive takes its real name only on commit(); until then it is a
// temporary file beside it, which goes away if the writer is destroyed uncommitted, so
// a failed run never leaves a half archive.
class ArchiveWriter {
public:
    // Throws PackError when the archive cannot be started.
    ArchiveWriter(const QString &path, const QByteArray &password);

    // Adds one member at the top level of the archive. Throws PackError on failure.
    void add(QLatin1StringView name, QByteArrayView contents);

    // Finishes the archive and puts it under its real name. Throws PackError on failure.
    void commit();

private:
    struct ArchiveFree {
        void operator()(struct archive *archive) const;
    };

    [[noreturn]] void fail(const QString &what) const;

    QSaveFile file_;
    // Declared after file_: freeing the archive may still write to the file.
    std::unique_ptr<struct archive, ArchiveFree> archive_;
};

} // namespace quillet::pack
