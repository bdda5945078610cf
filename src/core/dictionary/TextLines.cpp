// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/TextLines.h"

namespace quillet {

LineDecoder::LineDecoder()
    : utf8_(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom),
      windows1250_("windows-1250", QStringDecoder::Flag::Stateless)
{
}

QString LineDecoder::decode(QByteArrayView line)
{
    if (line.isValidUtf8())
        return utf8_.decode(line);
    if (windows1250_.isValid())
        return windows1250_.decode(line);
    return QString::fromLatin1(line);
}

namespace {


// Reads the line on from where a full buffer left it, appending to `line`: false when it
// grows past `room` first or the read fails (the rest of the line is then left unread).
bool ReadRestOfLine(QIODevice &device, QByteArray &buffer, QByteArray &line, qsizetype room)
{
    while (!line.endsWith('\n') && !device.atEnd()) {
        const qint64 got = device.readLine(buffer.data(), buffer.size());
        if (got <= 0)
            return false;
        line.append(buffer.constData(), got);
        if (line.size() > room)
            return false;
    }
    return true;
}

} // namespace

ReadLinesResult ReadLines(QIODevice &device, const LineLimits &limits)
{
    using End = ReadLinesResult::End;
    ReadLinesResult result;
    LineDecoder decoder;
    qsizetype keptBytes = 0;
    // Room for the longest line taken in, a byte order mark before it, its CR and LF, a
    // byte more to tell a longer line, and the zero readLine() ends the bytes with.
    QByteArray buffer(limits.maxLineBytes + ByteOrderMark.size() + 4, Qt::Uninitialized);
    QByteArray longLine; // a line that does not fit the buffer, when it is kept
    bool first = true;
    for (;;) {
        const bool pastLastLine = result.lines.size() >= limits.maxLines;
        if (pastLastLine && limits.maxKeptBytes == 0)
            break;
        const qint64 got = device.readLine(buffer.data(), buffer.size());
        if (got <= 0) {
            if (!device.atEnd())
                result.end = End::ReadFailed;
            break;
        }
        QByteArrayView line(buffer.constData(), got);
        if (first && line.startsWith(ByteOrderMark)) {
            line = line.sliced(ByteOrderMark.size());
            if (line.isEmpty() && device.atEnd())
                break; // a mark alone is an empty file
        }
        first = false;
        if (!line.endsWith('\n') && !device.atEnd()) {
            if (limits.maxKeptBytes == 0) {
                result.end = End::LineTooLong;
                break;
            }
            longLine = line.toByteArray();
            const qsizetype room = limits.maxKeptBytes - keptBytes + 2; // and its CR LF
            if (!ReadRestOfLine(device, buffer, longLine, room)) {
                result.end = longLine.size() > room ? End::LineTooLong : End::ReadFailed;
                break;
            }
            line = longLine;
        }
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!pastLastLine && line.size() <= limits.maxLineBytes) {
            QString text = decoder.decode(line);
            // A Windows-1250 line grows as UTF-8, the form it is written back in.
            const bool utf8 = line.isValidUtf8();
            if (utf8 || text.toUtf8().size() <= limits.maxLineBytes) {
                if (!utf8)
                    result.notUtf8.insert(result.lines.size(), line.toByteArray());
                result.lines.append(std::move(text));
                continue;
            }
        }
        if (keptBytes + line.size() > limits.maxKeptBytes) {
            result.end = End::LineTooLong;
            break;
        }
        keptBytes += line.size();
        result.kept.append(line.toByteArray());
    }
    return result;
}

qsizetype FirstLineLongerThan(QByteArrayView contents, qsizetype maxBytes)
{
    qsizetype number = 0;
    qsizetype found = 0;
    ForEachLine(contents, [&](QByteArrayView line) {
        ++number;
        if (found == 0 && line.size() > maxBytes)
            found = number;
    });
    return found;
}

QStringList SplitLines(const QByteArray &contents)
{
    const QByteArrayView rest = WithoutByteOrderMark(contents);

    LineDecoder decoder;
    QStringList lines;
    ForEachLine(rest, [&](QByteArrayView line) { lines.append(decoder.decode(line)); });
    return lines;
}

} // namespace quillet
