#include "dictionary/TextLines.h"

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

QStringList SplitLines(const QByteArray &contents)
{
    QByteArrayView rest(contents);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);

    LineDecoder decoder;
    QStringList lines;
    ForEachLine(rest, [&](QByteArrayView line) { lines.append(decoder.decode(line)); });
    return lines;
}

} // namespace quillet
