// SPDX-License-Identifier: GPL-3.0-or-later
// The extractor on any archive file: it never writes outside its folder, and it is all
// or nothing, so a failure leaves the folder empty.
#include "ArchiveExtractor.h"

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

    QDir target(work.filePath(QStringLiteral("out")));
    target.removeRecursively();
    QDir().mkpath(target.path());

    const quillet::ArchiveExtractor extractor(archive, quillet::files::ArchivePassword.toString().toUtf8(), target);
    const quillet::ArchiveExtractor::Outcome outcome = extractor.run();

    const QStringList written = target.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (outcome.status != quillet::ExtractorStatus::Ok && !written.isEmpty())
        std::abort();
    if (outcome.status == quillet::ExtractorStatus::Ok && !outcome.message.isEmpty())
        std::abort();
    // Nothing but the archive and the folder beside it.
    if (QDir(work.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size() != 2)
        std::abort();
    return 0;
}
