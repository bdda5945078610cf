#include "app/CommandLine.h"

#include "dictionary/DictTable.h"
#include "dictionary/DictionaryLoader.h"
#include "lookup/SearchEngine.h"
#include "mainwindow/InterfaceTexts.h"

#include <QCommandLineParser>
#include <QStringConverter>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

const QString Usage = u"Usage: quillet [--lookup WORD [--direction er|re]] [--version] [--help]\n"
                      "  -l, --lookup WORD      prints the entries that start with WORD and those that\n"
                      "                         contain it, then exits: 0 found, 1 nothing found, 2 error\n"
                      "  -d, --direction er|re  er English to Romanian, re Romanian to English (default)\n"
                      "  -v, --version          prints the version\n"
                      "  -h, --help             prints this text\n"
                      "Without options the dictionary window opens.\n"_s;

struct LookupRequest {
    QString word;
    int direction = DictTable::RomanianEnglish;
};

// A request the arguments make, or the reason they make none.
struct ParsedRequest {
    enum Kind { Window, Help, Version, Lookup, Invalid } kind = Window;
    LookupRequest lookup;
    QString problem;
};

ParsedRequest Invalid(QString problem)
{
    return ParsedRequest{ParsedRequest::Invalid, {}, std::move(problem)};
}

QString EnglishText(TextTarget target)
{
    const auto rows = InterfaceTextRows();
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [target](const InterfaceText &r) { return r.target == target; });
    return row == rows.end() ? QString() : row->english.toString();
}

std::optional<int> DirectionOf(const QString &code)
{
    if (code == "er"_L1)
        return DictTable::EnglishRomanian;
    if (code == "re"_L1)
        return DictTable::RomanianEnglish;
    return std::nullopt;
}

ParsedRequest ParseLookup(const QCommandLineParser &parser, const QCommandLineOption &lookup,
                          const QCommandLineOption &direction)
{
    if (parser.values(lookup).size() > 1 || parser.values(direction).size() > 1)
        return Invalid(u"--lookup and --direction may each be given only once"_s);
    LookupRequest request{parser.value(lookup).trimmed(), DictTable::RomanianEnglish};
    if (request.word.isEmpty())
        return Invalid(u"the word to look up is empty"_s);
    if (parser.isSet(direction)) {
        const std::optional<int> d = DirectionOf(parser.value(direction));
        if (!d)
            return Invalid(u"unknown direction \"%1\" (use er or re)"_s.arg(parser.value(direction)));
        request.direction = *d;
    }
    return ParsedRequest{ParsedRequest::Lookup, request, {}};
}

ParsedRequest Parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({u"h"_s, u"help"_s}, QString());
    const QCommandLineOption version({u"v"_s, u"version"_s}, QString());
    const QCommandLineOption lookup({u"l"_s, u"lookup"_s}, QString(), u"WORD"_s);
    const QCommandLineOption direction({u"d"_s, u"direction"_s}, QString(), u"er|re"_s);
    parser.addOptions({help, version, lookup, direction});
    // The parser takes the program's name first; it is not looked at.
    if (!parser.parse(QStringList{u"quillet"_s} + arguments))
        return Invalid(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return Invalid(u"unexpected argument \"%1\""_s.arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help))
        return ParsedRequest{ParsedRequest::Help, {}, {}};
    if (parser.isSet(version))
        return ParsedRequest{ParsedRequest::Version, {}, {}};
    if (parser.isSet(lookup))
        return ParseLookup(parser, lookup, direction);
    if (parser.isSet(direction))
        return Invalid(u"--direction needs --lookup"_s);
    return ParsedRequest{};
}

void PrintList(QTextStream &out, TextTarget heading, const std::vector<int> &entries,
               const DictTable &table, int d)
{
    out << EnglishText(heading) << '\n';
    for (const int k : entries)
        out << table(d, DictTable::Headword, k) << '\t' << table(d, DictTable::Translation, k) << '\n';
    out << CountCaption(qsizetype(entries.size()), EnglishText(TextTarget::WordCountSuffix))
        << '\n';
}

int RunLookup(const LookupRequest &request, const QString &programDir, QTextStream &out,
              QTextStream &err)
{
    DictTable table;
    table.setEntryCount(DictTable::EnglishRomanian, DictTable::Capacity);
    LoadObserver quiet;
    const LoadResult loaded = DictionaryLoader(programDir).LoadDictionary(table, quiet);
    if (!loaded.loaded) {
        err << "quillet: "
            << (loaded.cancelled ? u"the dictionary load was cancelled"_s : loaded.failure.message()) << '\n';
        return ExitError;
    }

    const SearchResult found = SearchDictionary(table, request.direction, request.word);
    PrintList(out, TextTarget::Label2_0_Caption, found.startingWith, table, request.direction);
    out << '\n';
    PrintList(out, TextTarget::Label2_1_Caption, found.containing, table, request.direction);
    return found.startingWith.empty() && found.containing.empty() ? ExitNothingFound : ExitFound;
}

} // namespace

std::optional<int> RunCommandLine(const QStringList &arguments, const QString &programDir,
                                  QTextStream &out, QTextStream &err)
{
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    const ParsedRequest request = Parse(arguments);
    int status = ExitFound;
    switch (request.kind) {
    case ParsedRequest::Window:
        return std::nullopt;
    case ParsedRequest::Invalid:
        err << "quillet: " << request.problem << " (see --help)\n";
        status = ExitError;
        break;
    case ParsedRequest::Help:
        out << Usage;
        break;
    case ParsedRequest::Version:
        out << "Quillet " << QUILLET_VERSION_MAJOR << '.' << QUILLET_VERSION_MINOR << '\n';
        break;
    case ParsedRequest::Lookup:
        status = RunLookup(request.lookup, programDir, out, err);
        break;
    }
    out.flush();
    err.flush();
    return status;
}

} // namespace quillet
