// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/TextLines.h"

namespace quillet {

LineDecoder::LineDecoder() : windows1250_("windows-1250", QStringDecoder::Flag::Stateless) {}

QString LineDecoder::decode(QByteArrayView line)
{
    if (line.isValidUtf8())
        return QString::fromUtf8(line);
    if (windows1250_.isValid())
        return windows1250_.decode(line);
    return QString::fromLatin1(line);
}

namespace {

constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF");

} // namespace

ReadLinesResult ReadLines(QIODevice &device, const LineLimits &limits)
{
    using End = ReadLinesResult::End;
    ReadLinesResult result;
    LineDecoder decoder;
    // Room for the longest line allowed, its CR and LF, and a byte more (and a byte order
    // mark on the first): a read that ends without a line break before the end of the
    // device met a line that is too long.
    const qint64 chunk = limits.maxLineBytes + 3;
    while (result.lines.size() < limits.maxLines) {
        QByteArray line = device.readLine(result.lines.isEmpty() ? chunk + ByteOrderMark.size() : chunk);
        if (line.isEmpty()) {
            if (!device.atEnd())
                result.end = End::ReadFailed;
            break;
        }
        const bool broken = line.endsWith('\n');
        if (!broken && !device.atEnd()) {
            result.end = End::LineTooLong;
            break;
        }
        if (broken)
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (result.lines.isEmpty() && line.startsWith(ByteOrderMark))
            line.remove(0, ByteOrderMark.size());
        if (line.size() > limits.maxLineBytes) {
            result.end = End::LineTooLong;
            break;
        }
        result.lines.append(decoder.decode(line));
    }
    return result;
}

QStringList SplitLines(const QByteArray &contents)
{
    QByteArrayView rest(contents);
    if (rest.startsWith(ByteOrderMark))
        rest = rest.sliced(ByteOrderMark.size());

    LineDecoder decoder;
    QStringList lines;
    ForEachLine(rest, [&](QByteArrayView line) { lines.append(decoder.decode(line)); });
    return lines;
}

} // namespace quillet
