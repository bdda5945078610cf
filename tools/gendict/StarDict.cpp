// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/StarDict.h"

#include "gendict/GenError.h"
#include "gendict/SourceFile.h"

#include <QtEndian>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

namespace {

using ArchiveReader = std::unique_ptr<archive, decltype(&archive_read_free)>;

ArchiveReader openReader()
{
    return ArchiveReader(archive_read_new(), &archive_read_free);
}

QByteArray readMember(archive *reader, const QString &origin)
{
    QByteArray data;
    char buffer[64 * 1024];
    la_ssize_t got = 0;
    while ((got = archive_read_data(reader, buffer, sizeof buffer)) > 0)
        data.append(buffer, got);
    if (got < 0)
        throw GenError::inFile(origin, QString::fromUtf8(archive_error_string(reader)));
    return data;
}

QString textAt(const QByteArray &bytes, qsizetype from, qsizetype size, const QString &origin)
{
    const QByteArrayView view(bytes.constData() + from, size);
    if (!view.isValidUtf8())
        throw GenError::inFile(origin, u"not valid UTF-8 at byte %1"_s.arg(from));
    return QString::fromUtf8(view);
}

// Walks records of a UTF-8 word, a NUL and `count` 32-bit big-endian numbers (at most
// two), handing each its start, the NUL's position and the numbers.
template <typename Handle>
void forEachRecord(const QByteArray &bytes, qsizetype count, const QString &origin, const QString &what,
                   Handle handle)
{
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype nul = bytes.indexOf('\0', at);
        if (nul < 0 || nul + 1 + 4 * count > bytes.size())
            throw GenError::inFile(origin, u"%1 cut short at byte %2"_s.arg(what).arg(at));
        quint32 numbers[2] = {};
        for (qsizetype i = 0; i < count; ++i)
            numbers[i] = qFromBigEndian<quint32>(bytes.constData() + nul + 1 + 4 * i);
        handle(at, nul, numbers);
        at = nul + 1 + 4 * count;
    }
}

} // namespace

StarDictBook StarDict::readTarGz(const QString &path)
{
    const QByteArray contents = ReadSourceBytes(path);

    ArchiveReader reader = openReader();
    archive_read_support_filter_gzip(reader.get());
    archive_read_support_format_tar(reader.get());
    if (archive_read_open_memory(reader.get(), contents.constData(), size_t(contents.size())) != ARCHIVE_OK)
        throw GenError::inFile(path, QString::fromUtf8(archive_error_string(reader.get())));
    QByteArray index;
    QByteArray compressed;
    QByteArray synonyms;
    archive_entry *entry = nullptr;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK) {
        const QString name = QString::fromUtf8(archive_entry_pathname(entry));
        if (name.endsWith(u".idx"_s))
            index = readMember(reader.get(), path);
        else if (name.endsWith(u".dict.dz"_s))
            compressed = readMember(reader.get(), path);
        else if (name.endsWith(u".syn"_s))
            synonyms = readMember(reader.get(), path);
    }
    if (status != ARCHIVE_EOF)
        throw GenError::inFile(path, QString::fromUtf8(archive_error_string(reader.get())));
    if (index.isEmpty() || compressed.isEmpty())
        throw GenError::inFile(path, u"holds no .idx and .dict.dz files"_s);
    StarDictBook book;
    book.articles = parse(index, gunzip(compressed, path), path);
    book.forms = parseForms(synonyms, book.articles.size(), path);
    return book;
}

QList<StarDictForm> StarDict::parseForms(const QByteArray &synonyms, qsizetype articleCount,
                                         const QString &origin)
{
    QList<StarDictForm> forms;
    const QString what = u"list of inflected forms"_s;
    forEachRecord(synonyms, 1, origin, what, [&](qsizetype at, qsizetype nul, const quint32 *numbers) {
        if (numbers[0] >= quint64(articleCount))
            throw GenError::inFile(origin, u"inflected form at byte %1 points past the articles"_s.arg(at));
        forms.append({textAt(synonyms, at, nul - at, origin), qsizetype(numbers[0])});
    });
    return forms;
}

QList<StarDictArticle> StarDict::parse(const QByteArray &index, const QByteArray &articles,
                                       const QString &origin)
{
    QList<StarDictArticle> result;
    forEachRecord(index, 2, origin, u"index"_s, [&](qsizetype at, qsizetype nul, const quint32 *numbers) {
        const quint32 offset = numbers[0];
        const quint32 size = numbers[1];
        if (quint64(offset) + size > quint64(articles.size()))
            throw GenError::inFile(origin, u"article of index byte %1 lies outside the articles"_s.arg(at));
        result.append({textAt(index, at, nul - at, origin), textAt(articles, offset, size, origin)});
    });
    return result;
}

QByteArray StarDict::gunzip(const QByteArray &compressed, const QString &origin)
{
    ArchiveReader reader = openReader();
    archive_read_support_filter_gzip(reader.get());
    archive_read_support_format_raw(reader.get());
    archive_entry *entry = nullptr;
    if (archive_read_open_memory(reader.get(), compressed.constData(), size_t(compressed.size())) != ARCHIVE_OK
        || archive_read_next_header(reader.get(), &entry) != ARCHIVE_OK)
        throw GenError::inFile(origin, u"cannot decompress the articles: "_s
                                           + QString::fromUtf8(archive_error_string(reader.get())));
    if (archive_filter_code(reader.get(), 0) != ARCHIVE_FILTER_GZIP)
        throw GenError::inFile(origin, u"the articles are not gzip-compressed"_s);
    return readMember(reader.get(), origin);
}

} // namespace quillet::gendict
