// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "core/dictionary/DictTable.h"
#include "core/dictionary/DictionaryLoader.h"
#include "core/dictionary/FormsLoader.h"
#include "core/lookup/LookupReport.h"
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

const QString Usage =
    u"Usage: quillet [options] [WORD]\n"
    "Looks WORD up in the English-Romanian technical dictionary and prints the entries\n"
    "that start with it and those that contain it; without a word the window opens.\n"
    "When WORD is no headword, the words it is an inflected form of come first, and\n"
    "when nothing is found at all, the headwords a slip of the keys away.\n"
    "  WORD                      the word or phrase to look up; several words are one\n"
    "                            phrase; after -- it may start with a dash\n"
    "  -l, --lookup WORD         the same, as an option\n"
    "  -d, --direction er|re     er English to Romanian, re Romanian to English;\n"
    "                            without it both directions, English-Romanian first\n"
    "  -i, --ignore-diacritics   s finds s and \u0219, a finds a, \u0103 and \u00e2\n"
    "  -f, --format text|tsv|json\n"
    "                            text (the default): headings, rows, counts;\n"
    "                            tsv: list TAB headword TAB translation, one row per entry;\n"
    "                            json: one JSON document\n"
    "  -v, --version             prints the version\n"
    "  -h, --help                prints this text\n"
    "Exit status: 0 something found, 1 nothing found, 2 error.\n"
    "Without a word the dictionary window opens; Qt's own options\n"
    "(such as -style fusion) go to it. See quillet(1).\n"_s;

struct LookupRequest {
    QString word;
    std::optional<int> direction; // none: both directions
    Diacritics diacritics = Diacritics::Distinct;
    ReportFormat format = ReportFormat::Text;
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

// The options of a look-up.
struct LookupOptions {
    QCommandLineOption lookup{{u"l"_s, u"lookup"_s}, QString(), u"WORD"_s};
    QCommandLineOption direction{{u"d"_s, u"direction"_s}, QString(), u"er|re"_s};
    QCommandLineOption ignoreDiacritics{{u"i"_s, u"ignore-diacritics"_s}, QString()};
    QCommandLineOption format{{u"f"_s, u"format"_s}, QString(), u"text|tsv|json"_s};

    QList<QCommandLineOption> all() const { return {lookup, direction, ignoreDiacritics, format}; }
};

// The word comes from --lookup or from the words that are not options, never both.
ParsedRequest ParseLookup(const QCommandLineParser &parser, const LookupOptions &options)
{
    for (const QCommandLineOption *once : {&options.lookup, &options.direction, &options.format})
        if (parser.values(*once).size() > 1)
            return Invalid(u"--%1 may be given only once"_s.arg(once->names().constLast()));
    const QStringList words = parser.positionalArguments();
    if (parser.isSet(options.lookup) && !words.isEmpty())
        return Invalid(u"give the word once, with --lookup or without, not both (\"%1\")"_s.arg(words.join(u' ')));
    LookupRequest request;
    request.word = (parser.isSet(options.lookup) ? parser.value(options.lookup) : words.join(u' ')).trimmed();
    if (request.word.isEmpty())
        return Invalid(u"the word to look up is empty"_s);
    if (parser.isSet(options.direction)) {
        request.direction = DirectionOf(parser.value(options.direction));
        if (!request.direction)
            return Invalid(u"unknown direction \"%1\" (use er or re)"_s.arg(parser.value(options.direction)));
    }
    if (parser.isSet(options.format)) {
        const std::optional<ReportFormat> format = ReportFormatNamed(parser.value(options.format));
        if (!format)
            return Invalid(u"unknown format \"%1\" (use text, tsv or json)"_s.arg(parser.value(options.format)));
        request.format = *format;
    }
    if (parser.isSet(options.ignoreDiacritics))
        request.diacritics = Diacritics::Ignored;
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
    const LookupOptions lookup;
    parser.addOptions({help, version});
    parser.addOptions(lookup.all());
    parser.addOptions(WindowSystemOptions());
    // The parser takes the program's name first; it is not looked at.
    if (!parser.parse(QStringList{u"quillet"_s} + arguments))
        return Invalid(parser.errorText());
    if (parser.isSet(help))
        return ParsedRequest{ParsedRequest::Help, {}, {}};
    if (parser.isSet(version))
        return ParsedRequest{ParsedRequest::Version, {}, {}};
    if (parser.isSet(lookup.lookup) || !parser.positionalArguments().isEmpty())
        return ParseLookup(parser, lookup);
    for (const QCommandLineOption &option : lookup.all())
        if (parser.isSet(option))
            return Invalid(u"--%1 needs a word to look up"_s.arg(option.names().constLast()));
    return ParsedRequest{};
}

ReportList ListOf(QStringView name, TextTarget heading, const std::vector<int> &found,
                  const DictTable &table, int d)
{
    ReportList list{name.toString(), EnglishText(heading), {}, int(found.size()) >= MaxListedMatches};
    for (const int k : found)
        list.entries.append({table(d, DictTable::Headword, k), table(d, DictTable::Translation, k)});
    return list;
}

// The base forms and near misses, each a list of its own before the two lists when it
// holds an entry.
ReportDirection DirectionReport(const DictTable &table, WordFinder &finder, int d, const LookupRequest &request)
{
    const bool englishRomanian = d == DictTable::EnglishRomanian;
    const QString query = CommaBelowLetters(request.word);
    const SearchResult found = SearchDictionary(table, d, query, request.diacritics);
    const WordFinds finds = finder.find(d, query, found, request.diacritics);
    ReportDirection direction{
        englishRomanian ? u"er"_s : u"re"_s,
        EnglishText(englishRomanian ? TextTarget::Label3_0_Caption : TextTarget::Label3_1_Caption),
        {ListOf(u"starting-with", TextTarget::Label2_0_Caption, found.startingWith, table, d),
         ListOf(u"containing", TextTarget::Label2_1_Caption, found.containing, table, d)}};
    if (!finds.nearMisses.empty())
        direction.lists.prepend(ListOf(u"near-misses", TextTarget::NearMissesTitle, finds.nearMisses, table, d));
    if (!finds.baseForms.empty())
        direction.lists.prepend(ListOf(u"base-forms", TextTarget::BaseFormsTitle, finds.baseForms, table, d));
    return direction;
}

// Reads the forms of the directions where the word is no headword: only there are they
// looked at. A failure leaves the look-up without base forms, and says so.
void UseForms(WordFinder &finder, const QList<int> &directions, const LookupRequest &request,
              const QString &programDir, QTextStream &err)
{
    QList<int> needed;
    for (const int d : directions)
        if (!finder.isHeadword(d, CommaBelowLetters(request.word), request.diacritics))
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
    const QList<int> directions = request.direction
                                      ? QList<int>{*request.direction}
                                      : QList<int>{DictTable::EnglishRomanian, DictTable::RomanianEnglish};
    // Only the directions asked for are read, and the forms only where they are needed.
    DictTable table;
    table.setEntryCount(DictTable::EnglishRomanian, DictTable::Capacity);
    DictionaryLoader loader(programDir);
    loader.setDirections(directions);
    LoadObserver quiet;
    const LoadResult loaded = loader.LoadDictionary(table, quiet);
    if (!loaded.loaded) {
        err << "quillet: "
            << (loaded.cancelled ? u"the dictionary load was cancelled"_s : loaded.failure.message()) << '\n';
        return ExitError;
    }

    LookupReport report{request.word, request.diacritics == Diacritics::Ignored, {}};
    WordFinder finder(table);
    UseForms(finder, directions, request, programDir, err);
    for (const int d : directions)
        report.directions.append(DirectionReport(table, finder, d, request));
    WriteReport(out, report, request.format);
    return report.found() ? ExitFound : ExitNothingFound;
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
