#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace quillet::gendict {

// Where the generator reads and writes.
struct GeneratorPaths {
    QString omwDir;     // holds omw-wiktionary/ and omw-cldr/
    QString wordNetDir; // holds data.noun, data.verb, data.adj, data.adv
    QString outDir;     // receives en-ro.txt and ro-en.txt
};

struct GeneratorSummary {
    qsizetype englishRomanian = 0; // entries written to en-ro.txt
    qsizetype romanianEnglish = 0; // entries written to ro-en.txt
    qsizetype unresolvedLines = 0; // lemma lines whose synset WordNet lacks
    QMap<quint32, qsizetype> shiftedLines; // lemma lines matched to a moved synset, per shift
};

// The whole run: reads the Romanian lemma files (the Wiktionary set first, then the
// CLDR set) and WordNet, joins them and writes both directions, sorted.
class Generator {
public:
    static const QString EnglishRomanianFile;
    static const QString RomanianEnglishFile;

    // The .tab files under the OMW folder, in the order they are joined.
    static QStringList omwFiles(const QString &omwDir);

    // Throws GenError on a missing or malformed input or an unwritable output.
    static GeneratorSummary run(const GeneratorPaths &paths);
};

} // namespace quillet::gendict
