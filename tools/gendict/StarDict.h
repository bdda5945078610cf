// SPDX-License-Identifier: GPL-3.0-or-later
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

// An inflected form listed for a headword ("directorului" for "director").
struct StarDictForm {
    QString form;
    qsizetype article = 0; // index into the articles
};

// A whole StarDict dictionary: its articles in index order and its inflected forms.
struct StarDictBook {
    QList<StarDictArticle> articles;
    QList<StarDictForm> forms;
};

// Reads a StarDict 3.0 dictionary: the ".idx" file lists, per headword, the UTF-8
// headword, a NUL, then the article's offset and size in the ".dict" file as 32-bit
// big-endian numbers; the ".dict.dz" file is the articles, gzip-compressed; the optional
// ".syn" file lists inflected forms, each the UTF-8 form, a NUL and the 32-bit
// big-endian number of its article in the index.
class StarDict {
public:
    // Reads the dictionary from a .tar.gz holding its .idx, .dict.dz and .syn files
    // (the last may be missing). Throws GenError when the archive or a member is
    // missing or malformed.
    static StarDictBook readTarGz(const QString &path);
    // The articles of an index over the uncompressed article file; throws GenError
    // (naming origin) on a truncated index, an article out of bounds or bad UTF-8.
    static QList<StarDictArticle> parse(const QByteArray &index, const QByteArray &articles,
                                        const QString &origin);
    // The forms of a .syn file over an index of articleCount articles; throws GenError
    // (naming origin) on a truncated file or a form pointing past the articles.
    static QList<StarDictForm> parseForms(const QByteArray &synonyms, qsizetype articleCount,
                                          const QString &origin);
    // The whole content of a gzip stream (a dictzip file reads as plain gzip).
    static QByteArray gunzip(const QByteArray &compressed, const QString &origin);
};

} // namespace quillet::gendict
