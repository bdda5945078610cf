#include "gendict/SourceFile.h"

#include <QByteArrayView>
#include <QFile>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

SourceFile::SourceFile(QString path, QStringList lines)
    : path_(std::move(path)), lines_(std::move(lines))
{
}

SourceFile SourceFile::read(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        throw GenError::inFile(path, u"no such file"_s);
    if (!file.open(QIODevice::ReadOnly))
        throw GenError::inFile(path, u"cannot read: "_s + file.errorString());
    const QByteArray contents = file.readAll();

    QStringList lines;
    QByteArrayView rest(contents);
    while (!rest.isEmpty()) {
        const qsizetype end = rest.indexOf('\n');
        QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isValidUtf8())
            throw GenError::atLine(path, lines.size() + 1, u"not valid UTF-8"_s);
        lines.append(QString::fromUtf8(line));
    }
    return SourceFile(path, std::move(lines));
}

GenError SourceFile::errorAt(qsizetype line, const QString &reason) const
{
    return GenError::atLine(path_, line, reason);
}

} // namespace quillet::gendict
