// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "core/dictionary/DictTable.h"
#include "core/dictionary/DictionaryLoader.h"
#include "core/dictionary/FormsLoader.h"
#include "core/lookup/SearchEngine.h"
#include "core/lookup/WordFinder.h"
#include "core/mainwindow/InterfaceTexts.h"

#include <QCommandLineParser>
#include <QIODevice>
#include <QStringConverter>

#include <algorithm>
#include <array>
#include <vector>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

const QString Usage = u"Usage: quillet [--lookup WORD [--direction er|re]] [--version] [--help]\n"
                      "  -l, --lookup WORD      prints the entries that start with WORD and those that\n"
                      "                         contain it, after the words WORD is a form of or a near\n"
                      "                         miss of, then exits: 0 found, 1 nothing found, 2 error\n"
                      "  -d, --direction er|re  er English to Romanian, re Romanian to English;\n"
                      "                         without it both directions, English-Romanian first\n"
                      "  -v, --version          prints the version\n"
                      "  -h, --help             prints this text\n"
                      "Without these options the dictionary window opens; Qt's own options\n"
                      "(such as -style fusion) go to it.\n"_s;

struct LookupRequest {
    QString word;
    std::optional<int> direction; // none: both directions
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
    LookupRequest request{parser.value(lookup).trimmed(), std::nullopt};
    if (request.word.isEmpty())
        return Invalid(u"the word to look up is empty"_s);
    if (parser.isSet(direction)) {
        const std::optional<int> d = DirectionOf(parser.value(direction));
        if (!d)
            return Invalid(u"unknown direction \"%1\" (use er or re)"_s.arg(parser.value(direction)));
        request.direction = d;
    }
    return ParsedRequest{ParsedRequest::Lookup, request, {}};
}

// The options Qt's application object takes for the window itself: they are accepted
// here and left to it.
QList<QCommandLineOption> WindowSystemOptions()
{
    static constexpr std::array withValue{
        "platform"_L1, "platformpluginpath"_L1, "platformtheme"_L1, "plugin"_L1, "qmljsdebugger"_L1,
        "qwindowgeometry"_L1, "geometry"_L1, "qwindowicon"_L1, "icon"_L1, "qwindowtitle"_L1,
        "title"_L1, "display"_L1, "name"_L1, "session"_L1, "style"_L1, "stylesheet"_L1};
    static constexpr std::array flags{"reverse"_L1, "widgetcount"_L1, "nograb"_L1, "dograb"_L1, "sync"_L1};
    QList<QCommandLineOption> options;
    for (const QLatin1StringView name : withValue)
        options.append(QCommandLineOption(QString(name), QString(), u"value"_s));
    for (const QLatin1StringView name : flags)
        options.append(QCommandLineOption(QString(name)));
    return options;
}

ParsedRequest Parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-style" is one option, as Qt reads it, not six letters; "-l" and "--lookup" are the same.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({u"h"_s, u"help"_s}, QString());
    const QCommandLineOption version({u"v"_s, u"version"_s}, QString());
    const QCommandLineOption lookup({u"l"_s, u"lookup"_s}, QString(), u"WORD"_s);
    const QCommandLineOption direction({u"d"_s, u"direction"_s}, QString(), u"er|re"_s);
    parser.addOptions({help, version, lookup, direction});
    parser.addOptions(WindowSystemOptions());
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

void PrintEntries(QTextStream &out, const std::vector<int> &entries, const DictTable &table, int d)
{
    for (const int k : entries)
        out << table(d, DictTable::Headword, k) << '\t' << table(d, DictTable::Translation, k) << '\n';
}

void PrintList(QTextStream &out, TextTarget heading, const std::vector<int> &entries,
               const DictTable &table, int d)
{
    out << EnglishText(heading) << '\n';
    PrintEntries(out, entries, table, d);
    out << CountCaption(qsizetype(entries.size()), EnglishText(TextTarget::WordCountSuffix))
        << '\n';
}

// A block of offered words, under its heading and followed by an empty line; nothing
// when there are none.
void PrintOffered(QTextStream &out, TextTarget heading, const std::vector<int> &entries,
                  const DictTable &table, int d)
{
    if (entries.empty())
        return;
    out << EnglishText(heading) << '\n';
    PrintEntries(out, entries, table, d);
    out << '\n';
}

TextTarget DirectionName(int d)
{
    return d == DictTable::EnglishRomanian ? TextTarget::Label3_0_Caption : TextTarget::Label3_1_Caption;
}

// Prints the base forms and near misses, then both lists, of one direction; true when
// any of them holds an entry.
bool PrintDirection(QTextStream &out, const DictTable &table, WordFinder &finder, int d, const QString &word)
{
    const QString query = CommaBelowLetters(word);
    const SearchResult found = SearchDictionary(table, d, query);
    const WordFinds finds = finder.find(d, query, found, Diacritics::Distinct);
    PrintOffered(out, TextTarget::BaseFormsTitle, finds.baseForms, table, d);
    PrintOffered(out, TextTarget::NearMissesTitle, finds.nearMisses, table, d);
    PrintList(out, TextTarget::Label2_0_Caption, found.startingWith, table, d);
    out << '\n';
    PrintList(out, TextTarget::Label2_1_Caption, found.containing, table, d);
    return !found.startingWith.empty() || !found.containing.empty() || !finds.isEmpty();
}

// Reads the forms of the directions where the word is no headword: only there are they
// looked at. A failure leaves the lookup without base forms, and says so.
void LoadForms(WordFinder &finder, const QList<int> &directions, const QString &word, const QString &programDir,
               QTextStream &err)
{
    QList<int> needed;
    for (const int d : directions)
        if (!finder.isHeadword(d, CommaBelowLetters(word), Diacritics::Distinct))
            needed.append(d);
    if (needed.isEmpty())
        return;
    const LoadObserver quiet;
    LoadedForms loaded = FormsLoader(programDir).LoadForms(needed, quiet);
    if (!loaded.result.loaded)
        err << "quillet: the word forms could not be loaded: " << loaded.result.failure.message() << '\n';
    for (const int d : needed)
        finder.setForms(d, FormsTable(std::move(loaded.lines[std::size_t(d - 1)])));
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

    const QList<int> directions = request.direction
                                      ? QList<int>{*request.direction}
                                      : QList<int>{DictTable::EnglishRomanian, DictTable::RomanianEnglish};
    WordFinder finder(table);
    LoadForms(finder, directions, request.word, programDir, err);
    bool foundAny = false;
    for (const int d : directions) {
        if (d != directions.constFirst())
            out << '\n';
        // Both directions are told apart by their names; one alone needs none.
        if (directions.size() > 1)
            out << EnglishText(DirectionName(d)) << '\n';
        foundAny = PrintDirection(out, table, finder, d, request.word) || foundAny;
    }
    return foundAny ? ExitFound : ExitNothingFound;
}

} // namespace

bool OpensWindow(const QStringList &arguments)
{
    return Parse(arguments).kind == ParsedRequest::Window;
}

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
    if (out.status() == QTextStream::WriteFailed) {
        const QString cause = out.device() != nullptr ? out.device()->errorString() : QString();
        err << "quillet: the output could not be written" << (cause.isEmpty() ? QString() : u": "_s + cause)
            << '\n';
        status = ExitError;
    }
    err.flush();
    return status;
}

} // namespace quillet
