// SPDX-License-Identifier: GPL-3.0-or-later
// The line reader on any bytes: the lines it gives are the bytes between line breaks,
// and a line that is valid UTF-8 decodes to text that encodes back to the same bytes
// (a byte order mark at its start included).
#include "core/dictionary/TextLines.h"

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
    return 0;
}
