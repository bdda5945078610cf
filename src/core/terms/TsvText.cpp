// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terms/TsvText.h"

#include "core/dictionary/TextLines.h"
#include "core/terms/PersonalTerm.h"

#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace quillet {

std::optional<QString> StrictUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

TsvRows ReadTsvText(QByteArrayView text, const QStringList &header, qsizetype maxRows)
{
    TsvRows read;
    qsizetype lineNumber = 0;
    bool headerSeen = false;
    ForEachLine(WithoutByteOrderMark(text), [&](QByteArrayView line) {
        ++lineNumber;
        if (!read.ok() || line.trimmed().isEmpty())
            return;
        const auto decoded = StrictUtf8(line);
        if (!decoded) {
            read.problem = u"line %1 is not valid UTF-8"_s.arg(lineNumber);
            return;
        }
        const QStringList fields = decoded->split(u'\t');
        if (!headerSeen) {
            headerSeen = true;
            if (fields != header)
                read.problem = u"line %1 is not the header \"%2\""_s.arg(lineNumber).arg(header.join(u' '));
            return;
        }
        if (fields.size() != header.size()) {
            read.problem = u"line %1 has %2 fields instead of %3"_s.arg(lineNumber).arg(fields.size()).arg(header.size());
            return;
        }
        for (qsizetype i = 0; i < fields.size(); ++i)
            if (const QString problem = FieldProblem(fields[i], header[i]); !problem.isEmpty()) {
                read.problem = u"line %1: %2"_s.arg(lineNumber).arg(problem);
                return;
            }
        if (read.rows.size() >= maxRows) {
            read.problem = u"it holds more than %1 rows"_s.arg(maxRows);
            return;
        }
        read.rows.append(fields);
    });
    if (read.ok() && !headerSeen && lineNumber > 0)
        read.problem = u"it holds blank lines only"_s;
    if (!read.ok())
        read.rows.clear();
    return read;
}

QByteArray TsvText(const QStringList &header, const QList<QStringList> &rows)
{
    QByteArray text = header.join(u'\t').toUtf8() + '\n';
    for (const QStringList &row : rows)
        text += row.join(u'\t').toUtf8() + '\n';
    return text;
}

} // namespace quillet
