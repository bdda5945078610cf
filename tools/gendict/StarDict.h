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

// One word of a StarDict dictionary's ".syn" file (an inflected form, for the Romanian
// entries) with the headword it leads to.
struct StarDictSynonym {
    QString word;
    QString headword;
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

    // Reads the ".syn" file of the dictionary in a .tar.gz: per word, the UTF-8 word, a
    // NUL, then the number of its headword in the index (from 0) as a 32-bit big-endian
    // number. Throws GenError when the archive, its index or its .syn file is missing or
    // malformed.
    static QList<StarDictSynonym> readSynonymsTarGz(const QString &path);
    static QList<StarDictSynonym> parseSynonyms(const QByteArray &synonyms, const QByteArray &index,
                                                const QString &origin);
};

} // namespace quillet::gendict
