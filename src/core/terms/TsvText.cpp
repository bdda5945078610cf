// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terms/TsvText.h"

#include "core/dictionary/TextLines.h"
#include "core/terms/TermsTexts.h"

#include <QStringDecoder>
#include <QStringTokenizer>

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

namespace {

// The number of the first line that is not valid UTF-8 (the text as a whole is not).
qsizetype FirstLineNotUtf8(QByteArrayView text)
{
    qsizetype lineNumber = 0;
    qsizetype found = 0;
    ForEachLine(text, [&](QByteArrayView line) {
        ++lineNumber;
        if (found == 0 && !StrictUtf8(line))
            found = lineNumber;
    });
    return found;
}

} // namespace

TsvRows ReadTsvText(QByteArrayView text, const QStringList &header, qsizetype maxRows)
{
    TsvRows read;
    text = WithoutByteOrderMark(text);
    // One decoding of the whole text: the line is looked for only when it fails.
    const std::optional<QString> decoded = StrictUtf8(text);
    if (!decoded) {
        read.problem = MessageOf(TermsText::LineNotUtf8).arg(FirstLineNotUtf8(text));
        return read;
    }
    qsizetype lineNumber = 0;
    bool headerSeen = false;
    for (QStringView line : QStringTokenizer(*decoded, QChar(u'\n'))) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        QStringList fields;
        fields.reserve(header.size());
        for (const QStringView field : QStringTokenizer(line, QChar(u'\t')))
            fields.append(field.toString());
        if (!headerSeen) {
            headerSeen = true;
            if (fields != header) {
                read.problem = MessageOf(TermsText::LineNotHeader).arg(lineNumber).arg(header.join(u' '));
                break;
            }
            continue;
        }
        if (fields.size() != header.size()) {
            read.problem = MessageOf(TermsText::LineFieldCount).arg(lineNumber).arg(fields.size()).arg(header.size());
            break;
        }
        if (read.rows.size() >= maxRows) {
            read.problem = MessageOf(TermsText::TooManyRows).arg(maxRows);
            break;
        }
        read.rows.append(std::move(fields));
    }
    if (read.ok() && !headerSeen && !decoded->isEmpty())
        read.problem = MessageOf(TermsText::BlankOnly);
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
