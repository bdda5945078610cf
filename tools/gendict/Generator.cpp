#include "gendict/Generator.h"

#include "gendict/DictionaryJoin.h"
#include "gendict/DictionaryWriter.h"
#include "gendict/GenError.h"
#include "gendict/HeadwordOrder.h"
#include "gendict/OmwTable.h"
#include "gendict/WordNet.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

const QString Generator::EnglishRomanianFile = u"en-ro.txt"_s;
const QString Generator::RomanianEnglishFile = u"ro-en.txt"_s;

namespace {

qsizetype writeSorted(const QString &path, const TranslationTable &table)
{
    QList<DictEntry> entries = table.entries();
    HeadwordOrder::sort(entries);
    DictionaryWriter::write(path, entries);
    return entries.size();
}

} // namespace

QStringList Generator::omwFiles(const QString &omwDir)
{
    const QDir dir(omwDir);
    return {dir.filePath(u"omw-wiktionary/wn-wikt-ron.tab"_s),
            dir.filePath(u"omw-cldr/wn-cldr-ron.tab"_s)};
}

GeneratorSummary Generator::run(const GeneratorPaths &paths)
{
    QList<OmwTable> tables;
    for (const QString &path : omwFiles(paths.omwDir))
        tables.append(OmwTable::read(path));
    const WordNet wordNet = WordNet::load(paths.wordNetDir);

    DictionaryJoin join(wordNet);
    for (const OmwTable &table : tables) {
        for (const OmwLemma &line : table.lemmas())
            join.add(line);
    }

    const QDir out(paths.outDir);
    if (!out.mkpath(u"."_s))
        throw GenError::inFile(paths.outDir, u"cannot create the folder"_s);
    GeneratorSummary summary;
    summary.englishRomanian = writeSorted(out.filePath(EnglishRomanianFile), join.englishRomanian());
    summary.romanianEnglish = writeSorted(out.filePath(RomanianEnglishFile), join.romanianEnglish());
    summary.unresolvedLines = join.unresolvedLines();
    summary.shiftedLines = join.shiftedLines();
    return summary;
}

} // namespace quillet::gendict
