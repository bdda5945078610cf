// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/Generator.h"

#include "gendict/Affixes.h"
#include "gendict/Assembly.h"
#include "gendict/DictionaryJoin.h"
#include "gendict/DictionaryWriter.h"
#include "gendict/GenError.h"
#include "gendict/Glossary.h"
#include "gendict/GlossarySpelling.h"
#include "gendict/HeadwordOrder.h"
#include "gendict/OmwTable.h"
#include "gendict/RomanianArticle.h"
#include "gendict/RomanianSpelling.h"
#include "gendict/RomanianVerb.h"
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
const QString Generator::AffixRule = u"affix translated only by function words (entries)"_s;
const QString Generator::UnmarkedRule = u"headword without the diacritics of a headword beside it (entries)"_s;

namespace {

// A Romanian entry of the StarDict source, read.
struct RomanianEntry {
    QString headword;
    QList<ArticleSection> sections;
};

// The spelling dictionaries, when the run has them.
struct Checkers {
    std::optional<Hunspell> english;
    std::optional<Hunspell> romanian;
};

DirectionSummary writeSorted(const QString &path, const Direction &direction, Language renderings,
                             const QString &forwardName, const QString &reversedName, const SpellChecker *headwords)
{
    DirectionSummary summary;
    summary.removed = direction.removed;
    const QList<TableEntry> entries = direction.table.entries(&summary.moved);
    summary.glossaryOnlyPairs = direction.table.glossaryOnlyPairs();
    const std::pair<Source, QString> names[] = {{Source::Entries, forwardName},
                                                {Source::Reversed, reversedName},
                                                {Source::WordNet, u"Wordnet join"_s},
                                                {Source::Glossary, u"glossary"_s}};
    QList<DictEntry> plain;
    plain.reserve(entries.size());
    for (const TableEntry &entry : entries) {
        if (Affixes::hasOnlyFunctionWords(entry.entry, renderings)) {
            summary.removed.count(Generator::AffixRule);
            continue;
        }
        for (const auto &[source, name] : names)
            summary.sources.count(name, (entry.sources & SourceMask(source)) ? 1 : 0);
        summary.sources.count(u"reversed only"_s, entry.sources == SourceMask(Source::Reversed) ? 1 : 0);
        plain.append(entry.entry);
    }
    summary.removed.count(Generator::UnmarkedRule, RomanianSpelling::dropUnmarkedDuplicates(plain, headwords));
    HeadwordOrder::sort(plain);
    DictionaryWriter::write(path, plain);
    summary.entries = plain.size();
    return summary;
}

// What the rules know beyond the pairs, from every source.
// The Romanian words of every source, as they are written there.
QStringList romanianTexts(const QList<TableSense> &tableSenses, const StarDictBook &book,
                          const QList<OmwTable> &omw)
{
    QStringList texts;
    for (const TableSense &sense : tableSenses)
        texts += sense.translations;
    for (const StarDictArticle &article : book.articles)
        texts.append(article.headword);
    for (const OmwTable &table : omw) {
        for (const OmwLemma &line : table.lemmas())
            texts.append(line.lemma);
    }
    return texts;
}

// The first words of capitalised names of several words.
QSet<QString> nameHeads(const QStringList &texts)
{
    QSet<QString> heads;
    for (const QString &text : texts) {
        const qsizetype blank = text.indexOf(u' ');
        if (blank > 0 && text.front().isUpper())
            heads.insert(text.first(blank));
    }
    return heads;
}

Lexicon lexiconOf(const GeneratorPaths &paths, const QList<TableSense> &tableSenses,
                  const QList<RomanianEntry> &entries, const StarDictBook &book,
                  const Glossary &glossary, const WordNet &wordNet)
{
    Lexicon lexicon;
    lexicon.stopList = StopList::read(paths.stopList);
    lexicon.romanianForms = InflectedForms::fromStarDict(book);
    for (const RomanianEntry &entry : entries)
        lexicon.addRomanianEntry(entry.headword, entry.sections);
    for (const GlossaryPair &pair : glossary.pairs())
        lexicon.romanianLemmas.insert(RomanianVerb::parse(pair.romanian).bareInfinitive());
    lexicon.addTableSenses(tableSenses);
    lexicon.addOffensiveEnglish(wordNet);
    return lexicon;
}

// Per field of the glossary: its pairs, those another source gives too and its allowed words.
QList<GlossaryField> glossaryFields(const Glossary &glossary, const Assembly &assembly, QList<qsizetype> allowed)
{
    QList<GlossaryField> fields;
    for (qsizetype i = 0; i < glossary.files().size(); ++i)
        fields.append({glossary.files()[i], 0, 0, allowed.value(i)});
    const SourceMask others = ~SourceMask(Source::Glossary);
    for (const GlossaryPair &pair : glossary.pairs()) {
        const RomanianVerb verb = RomanianVerb::parse(pair.romanian);
        const QString english = pair.isVerb() ? pair.english.sliced(3) : pair.english;
        const SourceMask sources =
            assembly.englishRomanian().table.sourcesOf(english, pair.isVerb() ? verb.longInfinitive() : pair.romanian)
            | assembly.romanianEnglish().table.sourcesOf(pair.isVerb() ? verb.bareInfinitive() : pair.romanian,
                                                         pair.english);
        GlossaryField &field = fields[pair.field];
        ++field.pairs;
        field.attested += (sources & others) ? 1 : 0;
    }
    return fields;
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
    QList<RomanianEntry> entries;
    entries.reserve(book.articles.size());
    for (const StarDictArticle &article : book.articles)
        entries.append({article.headword, RomanianArticle::parse(article.article)});
    QList<OmwTable> omw;
    for (const QString &path : omwFiles(paths.sourceDir))
        omw.append(OmwTable::read(path));
    OmwTable &names = omw.last();
    const qsizetype namePieces = names.dropNamePieces(omw);
    const Glossary glossary = paths.glossaryDir.isEmpty() ? Glossary() : Glossary::read(paths.glossaryDir);
    Checkers checkers;
    if (!paths.spellingDir.isEmpty()) {
        const QDir spelling(paths.spellingDir);
        checkers.english.emplace(spelling.filePath(u"en_US"_s));
        checkers.romanian.emplace(spelling.filePath(u"ro_RO"_s));
    }
    QList<qsizetype> allowedWords;
    if (!paths.glossaryDir.isEmpty() && checkers.romanian)
        allowedWords = GlossarySpelling::check(glossary, paths.glossaryDir, *checkers.english, *checkers.romanian);
    const SpellChecker *romanianChecker = checkers.romanian ? &*checkers.romanian : nullptr;
    const WordNet wordNet = WordNet::load(paths.wordNetDir);
    const WordNetIndex index = WordNetIndex::load(paths.wordNetDir);
    const EnglishMorphology english = EnglishMorphology::load(paths.wordNetDir, index);
    const TechnicalSynsets technical(wordNet, index);
    const SenseMatch senseMatch(wordNet, index);

    Lexicon lexicon = lexiconOf(paths, tables.senses(), entries, book, glossary, wordNet);
    lexicon.romanianSpelling.learn(romanianTexts(tables.senses(), book, omw), romanianChecker);
    lexicon.wordNet = &wordNet;
    lexicon.wordNetIndex = &index;
    lexicon.english = &english;
    lexicon.technical = &technical;
    lexicon.senseMatch = &senseMatch;
    Assembly assembly(std::move(lexicon));
    for (const GlossaryPair &pair : glossary.pairs())
        assembly.addGlossaryPair(pair);
    for (const TableSense &sense : tables.senses())
        assembly.addTableSense(sense);
    for (qsizetype i = 0; i < entries.size(); ++i)
        assembly.addRomanianEntry(entries[i].headword, entries[i].sections, i);
    DictionaryJoin join(wordNet, assembly);
    join.setNameHeads(nameHeads(romanianTexts({}, book, omw)));
    for (const OmwTable &table : omw) {
        for (const OmwLemma &line : table.lemmas())
            join.add(line);
    }

    const QDir out(paths.outDir);
    if (!out.mkpath(u"."_s))
        throw GenError::inFile(paths.outDir, u"cannot create the folder"_s);
    GeneratorSummary summary;
    summary.englishRomanian = writeSorted(out.filePath(EnglishRomanianFile), assembly.englishRomanian(),
                                          Language::Romanian, u"translation tables"_s,
                                          u"Romanian entries' glosses reversed"_s, nullptr);
    summary.romanianEnglish = writeSorted(out.filePath(RomanianEnglishFile), assembly.romanianEnglish(),
                                          Language::English, u"Romanian entries"_s,
                                          u"translation tables reversed"_s, romanianChecker);
    summary.unresolvedLines = join.unresolvedLines();
    summary.namePieceLines = namePieces + join.namePieceLines();
    summary.shiftedLines = join.shiftedLines();
    summary.glossaryFields = glossaryFields(glossary, assembly, allowedWords);
    return summary;
}

} // namespace quillet::gendict
