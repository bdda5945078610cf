#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace quillet::gendict {

// One headword of a StarDict dictionary with its article text.
struct StarDictArticle {
    QString headword;
    QString article;
};

// Reads a StarDict 3.0 dictionary: the ".idx" file lists, per headword, the UTF-8
// headword, a NUL, then the article's offset and size in the ".dict" file as 32-bit
// big-endian numbers; the ".dict.dz" file is the articles, gzip-compressed.
class StarDict {
public:
    // Reads the dictionary from a .tar.gz holding its .idx and .dict.dz files.
    // Throws GenError when the archive or a member is missing or malformed.
    static QList<StarDictArticle> readTarGz(const QString &path);
    // The articles of an index over the uncompressed article file; throws GenError
    // (naming origin) on a truncated index, an article out of bounds or bad UTF-8.
    static QList<StarDictArticle> parse(const QByteArray &index, const QByteArray &articles,
                                        const QString &origin);
    // The whole content of a gzip stream (a dictzip file reads as plain gzip).
    static QByteArray gunzip(const QByteArray &compressed, const QString &origin);
};

} // namespace quillet::gendict
