// SPDX-License-Identifier: GPL-3.0-or-later
// The archive reader on any archive file: it writes nothing anywhere, gives members only
// when all of them were read whole, within the limits, and a refusal is one line.
#include "core/archive/ArchiveReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QTemporaryDir work;
    const QString archive = work.filePath(QStringLiteral("Database.db"));
    QFile file(archive);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    const quillet::ArchiveLimits limits;
    const quillet::ArchiveReader reader(archive, quillet::files::ArchivePassword.toString().toUtf8(), limits);
    const quillet::ArchiveContents contents = reader.read();

    if (!contents.ok() && (!contents.members.empty() || contents.message.isEmpty() || contents.message.contains(u'\n')))
        std::abort();
    if (contents.ok() && !contents.message.isEmpty())
        std::abort();
    qint64 total = 0;
    for (const auto &[name, bytes] : contents.members) {
        if (bytes.size() > limits.memberBytes || name.contains(u'/'))
            std::abort();
        total += bytes.size();
    }
    if (total > limits.totalBytes)
        std::abort();
    // Nothing but the archive.
    if (QDir(work.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size() != 1)
        std::abort();
    return 0;
}
