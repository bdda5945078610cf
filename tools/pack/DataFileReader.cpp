// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataFileReader.h"

#include "PackError.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace quillet::pack {

namespace {

constexpr QByteArrayView ByteOrderMark{"\xEF\xBB\xBF"};

} // namespace

DataFileReader::DataFileReader(QString path) : path_(std::move(path)) {}

Columns DataFileReader::read()
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        throw PackError(u"%1: cannot open: %2"_s.arg(path_, file.errorString()));
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw PackError(u"%1: cannot read: %2"_s.arg(path_, file.errorString()));

    QByteArrayView rest(contents);
    if (rest.startsWith(ByteOrderMark))
        rest = rest.sliced(ByteOrderMark.size());
    qsizetype number = 0;
    while (!rest.isEmpty()) {
        const qsizetype end = rest.indexOf('\n');
        const QByteArrayView line = end < 0 ? rest : rest.first(end);
        addLine(line, ++number);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
    }
    if (columns_.entries == 0)
        throw PackError(u"%1: holds no entries"_s.arg(path_));
    return std::move(columns_);
}

void DataFileReader::addLine(QByteArrayView line, qsizetype number)
{
    if (line.endsWith('\r'))
        line.chop(1);
    if (!line.isValidUtf8())
        fail(number, u"not valid UTF-8"_s);
    const qsizetype tab = line.indexOf('\t');
    if (tab < 0)
        fail(number, u"no tab between headword and translation"_s);
    if (tab == 0)
        fail(number, u"empty headword"_s);

    columns_.headwords.append(line.first(tab)).append('\n');
    columns_.translations.append(line.sliced(tab + 1)).append('\n');
    ++columns_.entries;
}

void DataFileReader::fail(qsizetype lineNumber, const QString &cause) const
{
    throw PackError(u"%1:%2: %3"_s.arg(path_).arg(lineNumber).arg(cause));
}

} // namespace quillet::pack
