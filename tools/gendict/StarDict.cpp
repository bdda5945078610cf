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

// The members of a StarDict tar.gz, by their endings.
struct Members {
    QByteArray index;
    QByteArray compressed;
    QByteArray synonyms;
};

Members readMembers(const QString &path)
{
    const QByteArray contents = ReadSourceBytes(path);

    ArchiveReader reader = openReader();
    archive_read_support_filter_gzip(reader.get());
    archive_read_support_format_tar(reader.get());
    if (archive_read_open_memory(reader.get(), contents.constData(), size_t(contents.size())) != ARCHIVE_OK)
        throw GenError::inFile(path, QString::fromUtf8(archive_error_string(reader.get())));
    Members members;
    archive_entry *entry = nullptr;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK) {
        const QString name = QString::fromUtf8(archive_entry_pathname(entry));
        if (name.endsWith(u".idx"_s))
            members.index = readMember(reader.get(), path);
        else if (name.endsWith(u".dict.dz"_s))
            members.compressed = readMember(reader.get(), path);
        else if (name.endsWith(u".syn"_s))
            members.synonyms = readMember(reader.get(), path);
    }
    if (status != ARCHIVE_EOF)
        throw GenError::inFile(path, QString::fromUtf8(archive_error_string(reader.get())));
    if (members.index.isEmpty() || members.compressed.isEmpty())
        throw GenError::inFile(path, u"holds no .idx and .dict.dz files"_s);
    return members;
}

// Calls take(word, start, end) for each record of an index or .syn file: a NUL-ended
// word followed by `tail` bytes; the record starts at `start`, its tail at `end`.
template <typename Take>
void forEachRecord(const QByteArray &records, qsizetype tail, const QString &origin, Take &&take)
{
    qsizetype at = 0;
    while (at < records.size()) {
        const qsizetype nul = records.indexOf('\0', at);
        if (nul < 0 || nul + 1 + tail > records.size())
            throw GenError::inFile(origin, u"index cut short at byte %1"_s.arg(at));
        take(textAt(records, at, nul - at, origin), at, nul + 1);
        at = nul + 1 + tail;
    }
}

} // namespace

QList<StarDictArticle> StarDict::readTarGz(const QString &path)
{
    const Members members = readMembers(path);
    return parse(members.index, gunzip(members.compressed, path), path);
}

QList<StarDictSynonym> StarDict::readSynonymsTarGz(const QString &path)
{
    const Members members = readMembers(path);
    if (members.synonyms.isEmpty())
        throw GenError::inFile(path, u"holds no .syn file"_s);
    return parseSynonyms(members.synonyms, members.index, path);
}

QList<StarDictSynonym> StarDict::parseSynonyms(const QByteArray &synonyms, const QByteArray &index,
                                               const QString &origin)
{
    QStringList headwords;
    forEachRecord(index, 8, origin, [&](const QString &headword, qsizetype, qsizetype) { headwords.append(headword); });
    QList<StarDictSynonym> result;
    forEachRecord(synonyms, 4, origin, [&](const QString &word, qsizetype, qsizetype end) {
        const quint32 number = qFromBigEndian<quint32>(synonyms.constData() + end);
        if (number >= quint32(headwords.size()))
            throw GenError::inFile(origin, u"synonym \"%1\" leads past the index"_s.arg(word));
        result.append({word, headwords[number]});
    });
    return result;
}

QList<StarDictArticle> StarDict::parse(const QByteArray &index, const QByteArray &articles,
                                       const QString &origin)
{
    QList<StarDictArticle> result;
    forEachRecord(index, 8, origin, [&](const QString &headword, qsizetype at, qsizetype end) {
        const quint32 offset = qFromBigEndian<quint32>(index.constData() + end);
        const quint32 size = qFromBigEndian<quint32>(index.constData() + end + 4);
        if (quint64(offset) + size > quint64(articles.size()))
            throw GenError::inFile(origin, u"article of index byte %1 lies outside the articles"_s.arg(at));
        result.append({headword, textAt(articles, offset, size, origin)});
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
