#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

namespace quillet {

// Decodes the lines of the program's text files. A line is UTF-8; a line that is not
// valid UTF-8 comes from an older Windows machine and is read as Windows-1250, so
// Romanian letters survive either way.
class LineDecoder {
public:
    LineDecoder();
    QString decode(QByteArrayView line);

private:
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

// Splits a whole file into decoded lines, as ForEachLine divides them. A UTF-8 byte
// order mark at the start is skipped.
QStringList SplitLines(const QByteArray &contents);

} // namespace quillet
