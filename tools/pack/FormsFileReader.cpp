// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormsFileReader.h"

#include "PackError.h"

#include "core/dictionary/TextLines.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace quillet::pack {

QByteArray FormsFileReader::read() const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        throw PackError(u"%1: cannot open: %2"_s.arg(path_, file.errorString()));
    QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw PackError(u"%1: cannot read: %2"_s.arg(path_, file.errorString()));
    if (contents.startsWith("\xEF\xBB\xBF"))
        contents.remove(0, 3);

    QList<FormPair> pairs;
    qsizetype number = 0;
    ForEachLine(contents, [&](QByteArrayView line) {
        ++number;
        const auto fail = [&](const QString &cause) {
            return PackError(u"%1:%2: %3"_s.arg(path_).arg(number).arg(cause));
        };
        if (!line.isValidUtf8())
            throw fail(u"not valid UTF-8"_s);
        const QStringList fields = QString::fromUtf8(line).split(u'\t');
        if (fields.size() < 2)
            throw fail(u"no tab between the base form and its forms"_s);
        if (fields.contains(QString()))
            throw fail(u"an empty base form or form"_s);
        for (qsizetype i = 1; i < fields.size(); ++i)
            pairs.append({fields[i], fields[0]});
    });
    if (pairs.isEmpty())
        throw PackError(u"%1: holds no forms"_s.arg(path_));
    return FormsTable::encode(std::move(pairs));
}

} // namespace quillet::pack
