// The line reader on any bytes: the lines it gives are the bytes between line breaks,
// and a line that is valid UTF-8 decodes to text that encodes back to the same bytes
// (but for a byte order mark at its start, which decoding drops).
#include "dictionary/TextLines.h"

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
        const QByteArrayView text = line.startsWith("\xEF\xBB\xBF") ? line.sliced(3) : line;
        if (line.isValidUtf8() && decoder.decode(line).toUtf8() != text)
            std::abort();
        ++lines;
        bytes += line.size();
    });
    // Every byte is in a line, a line break or a CR dropped before one.
    if (bytes > contents.size() || (bytes < contents.size() && !contents.contains('\n')))
        std::abort();
    const qsizetype breaks = contents.count('\n');
    if (lines != breaks + (contents.endsWith('\n') || contents.isEmpty() ? 0 : 1))
        std::abort();

    const QStringList split = quillet::SplitLines(contents);
    const bool bom = contents.startsWith("\xEF\xBB\xBF");
    if (!bom && split.size() != lines)
        std::abort();
    return 0;
}
