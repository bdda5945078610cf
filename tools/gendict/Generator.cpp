#include "gendict/Generator.h"

#include "gendict/Assembly.h"
#include "gendict/DictionaryJoin.h"
#include "gendict/DictionaryWriter.h"
#include "gendict/GenError.h"
#include "gendict/HeadwordOrder.h"
#include "gendict/OmwTable.h"
#include "gendict/RomanianArticle.h"
#include "gendict/StarDict.h"
#include "gendict/WiktionaryTable.h"
#include "gendict/WordNet.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

const QString Generator::EnglishRomanianFile = u"en-ro.txt"_s;
const QString Generator::RomanianEnglishFile = u"ro-en.txt"_s;
const QString Generator::TranslationTablesFile = u"wiktionary-en-ro/en-ro-enwiktionary.txt"_s;
const QString Generator::RomanianEntriesFile =
    u"wiktionary-ro-en/Romanian-English Wiktionary dictionary stardict.tar.gz"_s;

namespace {

DirectionSummary writeSorted(const QString &path, const Direction &direction, const QString &forwardName,
                             const QString &reversedName)
{
    const QList<TableEntry> entries = direction.table.entries();
    DirectionSummary summary;
    summary.removed = direction.removed;
    const std::pair<Source, QString> names[] = {{Source::Entries, forwardName},
                                                {Source::Reversed, reversedName},
                                                {Source::WordNet, u"Wordnet join"_s}};
    QList<DictEntry> plain;
    plain.reserve(entries.size());
    for (const TableEntry &entry : entries) {
        for (const auto &[source, name] : names)
            summary.sources.count(name, (entry.sources & SourceMask(source)) ? 1 : 0);
        summary.sources.count(u"reversed only"_s, entry.sources == SourceMask(Source::Reversed) ? 1 : 0);
        plain.append(entry.entry);
    }
    HeadwordOrder::sort(plain);
    DictionaryWriter::write(path, plain);
    summary.entries = plain.size();
    return summary;
}

} // namespace

QStringList Generator::omwFiles(const QString &sourceDir)
{
    const QDir dir(sourceDir);
    return {dir.filePath(u"omw-wiktionary/wn-wikt-ron.tab"_s),
            dir.filePath(u"omw-cldr/wn-cldr-ron.tab"_s)};
}

GeneratorSummary Generator::run(const GeneratorPaths &paths)
{
    const QDir sources(paths.sourceDir);
    const WiktionaryTable tables = WiktionaryTable::read(sources.filePath(TranslationTablesFile));
    const StarDictBook book = StarDict::readTarGz(sources.filePath(RomanianEntriesFile));
    const QList<StarDictArticle> &articles = book.articles;
    QList<OmwTable> omw;
    for (const QString &path : omwFiles(paths.sourceDir))
        omw.append(OmwTable::read(path));
    const WordNet wordNet = WordNet::load(paths.wordNetDir);

    Assembly assembly(StopList::read(paths.stopList));
    for (const TableSense &sense : tables.senses())
        assembly.addTableSense(sense);
    for (qsizetype i = 0; i < articles.size(); ++i)
        assembly.addRomanianEntry(articles[i].headword, RomanianArticle::parse(articles[i].article), i);
    DictionaryJoin join(wordNet, assembly);
    for (const OmwTable &table : omw) {
        for (const OmwLemma &line : table.lemmas())
            join.add(line);
    }

    const QDir out(paths.outDir);
    if (!out.mkpath(u"."_s))
        throw GenError::inFile(paths.outDir, u"cannot create the folder"_s);
    GeneratorSummary summary;
    summary.englishRomanian = writeSorted(out.filePath(EnglishRomanianFile), assembly.englishRomanian(),
                                          u"translation tables"_s, u"Romanian entries' glosses reversed"_s);
    summary.romanianEnglish = writeSorted(out.filePath(RomanianEnglishFile), assembly.romanianEnglish(),
                                          u"Romanian entries"_s, u"translation tables reversed"_s);
    summary.unresolvedLines = join.unresolvedLines();
    summary.shiftedLines = join.shiftedLines();
    return summary;
}

} // namespace quillet::gendict
