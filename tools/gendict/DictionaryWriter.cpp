// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/DictionaryWriter.h"

#include "gendict/GenError.h"

#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

void DictionaryWriter::write(const QString &path, const QList<DictEntry> &entries)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw GenError::inFile(path, u"cannot write: "_s + file.errorString());
    file.write(encode(entries));
    if (!file.commit())
        throw GenError::inFile(path, u"cannot write: "_s + file.errorString());
}

QByteArray DictionaryWriter::encode(const QList<DictEntry> &entries)
{
    QByteArray text;
    for (const DictEntry &entry : entries) {
        text += entry.headword.toUtf8();
        text += '\t';
        text += entry.translation.toUtf8();
        text += '\n';
    }
    return text;
}

} // namespace quillet::gendict
