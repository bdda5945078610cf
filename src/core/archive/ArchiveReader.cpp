// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/archive/ArchiveReader.h"

#include <QFile>
#include <QSet>

namespace quillet {

const QByteArray *ArchiveContents::member(QLatin1StringView name) const
{
    const auto found = members.find(QString(name));
    return found == members.end() ? nullptr : &found->second;
}

ArchiveReader::ArchiveReader(QString archivePath, QByteArray password, ArchiveLimits limits)
    : archivePath_(std::move(archivePath)), password_(std::move(password)), limits_(limits)
{
}

ArchiveContents ArchiveReader::read(const QStringList &wanted) const
{
    plain::MemberReader reader(QFile::encodeName(archivePath_).toStdString(),
                               std::string_view(password_.constData(), std::size_t(password_.size())), limits_);
    ArchiveContents contents;
    const QSet<QString> wantedNames(wanted.begin(), wanted.end());
    for (const std::string &name : reader.names()) {
        const QString member = QString::fromStdString(name);
        if (!wanted.isEmpty() && !wantedNames.contains(member))
            continue;
        QByteArray bytes;
        std::size_t size = 0;
        const auto storage = [&bytes](std::size_t room) {
            bytes = QByteArray(qsizetype(room), Qt::Uninitialized);
            return bytes.data();
        };
        if (!reader.read(name, storage, size))
            break;
        bytes.truncate(qsizetype(size));
        contents.members[member] = std::move(bytes);
    }
    if (!reader.ok()) {
        contents.members.clear();
        contents.status = reader.status();
        contents.message = QString::fromStdString(reader.message());
    }
    return contents;
}

} // namespace quillet
