// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <QHash>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

namespace quillet {

// The UTF-8 byte order mark; at the very start of a file it marks the file, not its text.
inline constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF");

// The file's contents after its byte order mark, if it has one.
inline QByteArrayView WithoutByteOrderMark(QByteArrayView contents)
{
    return contents.startsWith(ByteOrderMark) ? contents.sliced(ByteOrderMark.size()) : contents;
}

// Decodes the lines of the program's text files. A line is UTF-8; a line that is not
// valid UTF-8 comes from an older Windows machine and is read as Windows-1250, so
// Romanian letters survive either way. A byte order mark is text like any other here:
// only the one that starts a file is no part of its first line.
class LineDecoder {
public:
    LineDecoder();
    QString decode(QByteArrayView line);

private:
    QStringDecoder utf8_;
    QStringDecoder windows1250_;
};

// Calls take(line) for each line of contents, in order. LF ends a line and a CR before
// it is dropped; a last line without a line break still counts, a break at the very end
// adds no line.
template <typename Take>
void ForEachLine(QByteArrayView contents, Take &&take)
{
    QByteArrayView rest = contents;
    while (!rest.isEmpty()) {
        const qsizetype end = rest.indexOf('\n');
        QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        take(line);
    }
}

// The number, from 1, of the first line of contents longer than maxBytes without its line
// break (lines as ForEachLine divides them); 0 when no line is.
qsizetype FirstLineLongerThan(QByteArrayView contents, qsizetype maxBytes);

// Bounds on what ReadLines takes from a file: at most maxLines lines, each at most
// maxLineBytes long without its line break (and as UTF-8, the form the program writes).
// The lines that do not fit (longer ones, and those after the first maxLines) can be kept
// as the bytes they are, up to maxKeptBytes in all; with no room to keep them, a longer
// line ends the read and nothing after maxLines lines is read.
struct LineLimits {
    qsizetype maxLines = 0;
    qsizetype maxLineBytes = 0;
    qsizetype maxKeptBytes = 0;
};

struct ReadLinesResult {
    enum class End {
        Complete,    // the whole device, or its first maxLines lines when nothing is kept
        LineTooLong, // a line that does not fit, with no room left to keep it
        ReadFailed,
    };
    QStringList lines;      // the lines taken in, before the end
    QHash<qsizetype, QByteArray> notUtf8; // the bytes of lines[i] that were not UTF-8, by i
    QByteArrayList kept;    // the lines that did not fit, without their line breaks, in order
    End end = End::Complete;
    bool complete() const { return end == End::Complete; }
};

// Reads decoded lines from the device one by one, divided as ForEachLine divides them, a
// UTF-8 byte order mark at the very start skipped. Stops at the end of the limits or at a
// read error; `lines` then holds the lines before it. One buffer of a line's size serves
// every line, and memory stays bounded whatever the device holds.
ReadLinesResult ReadLines(QIODevice &device, const LineLimits &limits);

// Splits a whole file into decoded lines, as ForEachLine divides them. A UTF-8 byte
// order mark at the start is skipped.
QStringList SplitLines(const QByteArray &contents);

} // namespace quillet
