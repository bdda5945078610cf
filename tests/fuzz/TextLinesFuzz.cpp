// SPDX-License-Identifier: GPL-3.0-or-later
// The line reader on any bytes: the lines it gives are the bytes between line breaks,
// and a line that is valid UTF-8 decodes to text that encodes back to the same bytes
// (a byte order mark at its start included); the file reader takes in or keeps every line.
#include "core/dictionary/TextLines.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray contents(reinterpret_cast<const char *>(data), qsizetype(size));

    qsizetype lines = 0;
    qsizetype bytes = 0;
    quillet::LineDecoder decoder;
    quillet::ForEachLine(contents, [&](QByteArrayView line) {
        if (line.contains('\n'))
            std::abort();
        if (line.isValidUtf8() && decoder.decode(line).toUtf8() != line)
            std::abort();
        ++lines;
        bytes += line.size();
    });
    // Every byte is in a line, is a line break, or is the one CR dropped at a line's end.
    const qsizetype breaks = contents.count('\n');
    const qsizetype dropped = contents.size() - bytes - breaks;
    if (dropped < 0 || dropped > lines)
        std::abort();
    if (lines != breaks + (contents.endsWith('\n') || contents.isEmpty() ? 0 : 1))
        std::abort();

    const QStringList split = quillet::SplitLines(contents);
    const bool bom = contents.startsWith("\xEF\xBB\xBF");
    if (!bom && split.size() != lines)
        std::abort();

    // The reader with small limits: each line is either taken in, decoded, or kept as
    // its bytes, in order; nothing is lost or made up.
    constexpr quillet::LineLimits limits{8, 16, 256};
    QBuffer device;
    device.setData(contents);
    device.open(QIODevice::ReadOnly);
    const quillet::ReadLinesResult read = quillet::ReadLines(device, limits);
    if (read.end != quillet::ReadLinesResult::End::Complete)
        return 0;
    qsizetype taken = 0;
    qsizetype kept = 0;
    quillet::ForEachLine(QByteArrayView(contents).sliced(bom ? 3 : 0), [&](QByteArrayView line) {
        const QString text = decoder.decode(line);
        const bool fits = line.size() <= limits.maxLineBytes && text.toUtf8().size() <= limits.maxLineBytes;
        if (fits && taken < limits.maxLines) {
            if (taken >= read.lines.size() || read.lines[taken++] != text)
                std::abort();
        } else if (kept >= read.kept.size() || read.kept[kept++] != line) {
            std::abort();
        }
    });
    if (taken != read.lines.size() || kept != read.kept.size())
        std::abort();
    return 0;
}
