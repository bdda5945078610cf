// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/SourceFile.h"

#include "core/dictionary/TextLines.h"

#include <QByteArrayView>
#include <QFile>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

SourceFile::SourceFile(QString path, QStringList lines)
    : path_(std::move(path)), lines_(std::move(lines))
{
}

QByteArray ReadSourceBytes(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        throw GenError::inFile(path, u"no such file"_s);
    if (!file.open(QIODevice::ReadOnly))
        throw GenError::inFile(path, u"cannot read: "_s + file.errorString());
    return file.readAll();
}

SourceFile SourceFile::read(const QString &path)
{
    const QByteArray contents = ReadSourceBytes(path);

    QStringList lines;
    ForEachLine(contents, [&](QByteArrayView line) {
        if (!line.isValidUtf8())
            throw GenError::atLine(path, lines.size() + 1, u"not valid UTF-8"_s);
        lines.append(QString::fromUtf8(line));
    });
    return SourceFile(path, std::move(lines));
}

GenError SourceFile::errorAt(qsizetype line, const QString &reason) const
{
    return GenError::atLine(path_, line, reason);
}

} // namespace quillet::gendict
