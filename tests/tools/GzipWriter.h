// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/TestArchives.h"

#include <QByteArray>

// Test fixtures in the sources' own compressed formats, written with libarchive.
namespace quillet::gendict::test {

// A gzip stream of the data (format "raw"), or a tar.gz of the members.
inline QByteArray Compressed(const std::vector<quillet::testing::Member> &members, bool tar)
{
    const std::unique_ptr<archive, decltype(&archive_write_free)> a(archive_write_new(), archive_write_free);
    tar ? archive_write_set_format_pax_restricted(a.get()) : archive_write_set_format_raw(a.get());
    archive_write_add_filter_gzip(a.get());
    QByteArray out(1 << 20, '\0');
    size_t used = 0;
    archive_write_open_memory(a.get(), out.data(), size_t(out.size()), &used);
    quillet::testing::AddMembers(a.get(), members);
    archive_write_close(a.get());
    out.truncate(qsizetype(used));
    return out;
}

inline QByteArray Gzip(const QByteArray &data)
{
    return Compressed({{"data", data}}, false);
}

// A StarDict index line: headword, NUL, offset and size big-endian.
inline QByteArray IndexLine(const QByteArray &headword, quint32 offset, quint32 size)
{
    QByteArray line = headword + '\0';
    for (const quint32 n : {offset, size}) {
        for (int shift = 24; shift >= 0; shift -= 8)
            line += char((n >> shift) & 0xFF);
    }
    return line;
}

} // namespace quillet::gendict::test
