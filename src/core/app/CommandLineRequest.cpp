// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/CommandLineRequest.h"

#include "core/dictionary/DictTable.h"

#include <QCommandLineParser>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

CommandLineRequest Invalid(QString problem)
{
    return CommandLineRequest{CommandLineRequest::Invalid, {}, std::move(problem), {}, {}, false};
}

// The options that exchange My terms with a file.
struct ExchangeOptions {
    QCommandLineOption importFile{{u"import"_s}, QString(), u"FILE"_s};
    QCommandLineOption exportFile{{u"export"_s}, QString(), u"FILE"_s};
    QCommandLineOption replace{{u"replace"_s}, QString()};

    QList<QCommandLineOption> all() const { return {importFile, exportFile, replace}; }
};

CommandLineRequest ParseExchange(const QCommandLineParser &parser, const ExchangeOptions &options,
                                 const QCommandLineOption &format)
{
    if (parser.isSet(options.importFile) && parser.isSet(options.exportFile))
        return Invalid(u"give --import or --export, not both"_s);
    if (!parser.positionalArguments().isEmpty())
        return Invalid(u"--import and --export take no word to look up"_s);
    const bool importing = parser.isSet(options.importFile);
    const QCommandLineOption &fileOption = importing ? options.importFile : options.exportFile;
    if (parser.values(fileOption).size() > 1 || parser.values(format).size() > 1)
        return Invalid(u"--%1 and --format may be given only once"_s.arg(fileOption.names().constLast()));
    CommandLineRequest request{importing ? CommandLineRequest::Import : CommandLineRequest::Export, {}, {},
                               parser.value(fileOption), std::nullopt, parser.isSet(options.replace)};
    if (request.file.isEmpty())
        return Invalid(u"the file name is empty"_s);
    if (request.replace && !importing)
        return Invalid(u"--replace goes with --import"_s);
    if (parser.isSet(format)) {
        request.exchangeFormat = ExchangeFormatNamed(parser.value(format));
        if (!request.exchangeFormat)
            return Invalid(u"unknown format \"%1\" for My terms (use tbx, csv or tsv)"_s.arg(parser.value(format)));
    } else if (!ExchangeFormatOfPath(request.file)) {
        return Invalid(u"the format of \"%1\" is not known from its name (give --format tbx, csv or tsv)"_s
                           .arg(request.file));
    }
    return request;
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

// "-dre" is "-d re": a single dash, a short option that takes a value and the value, as
// long as the whole is no option of its own ("-display"). What follows "--" is left alone.
QStringList WithAttachedValuesApart(const QStringList &arguments, const QList<QCommandLineOption> &options)
{
    const auto isOptionName = [&options](QStringView name) {
        return std::any_of(options.begin(), options.end(),
                           [name](const QCommandLineOption &option) { return option.names().contains(name); });
    };
    const auto takesValue = [&options](QStringView name) {
        return std::any_of(options.begin(), options.end(), [name](const QCommandLineOption &option) {
            return !option.valueName().isEmpty() && option.names().contains(name);
        });
    };
    QStringList apart;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == u"--"_s) {
            apart += arguments.sliced(i);
            break;
        }
        const bool singleDash = argument.size() > 2 && argument.startsWith(u'-') && argument[1] != u'-';
        const QStringView word = QStringView(argument).sliced(1).split(u'=').constFirst();
        if (singleDash && !isOptionName(word) && takesValue(argument.sliced(1, 1)))
            apart += {argument.first(2), argument.sliced(2)};
        else
            apart += argument;
    }
    return apart;
}

// Qt's own wording of a parse error, made like the program's others.
QString ParseProblem(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        // Named as it was typed, with its dashes.
        const QString &name = unknown.constFirst();
        const auto typed = std::find_if(arguments.begin(), arguments.end(), [&name](const QString &argument) {
            return argument.startsWith(u'-') && QStringView(argument).sliced(argument.startsWith(u"--"_s) ? 2 : 1)
                                                        .split(u'=').constFirst() == name;
        });
        return u"unknown option \"%1\""_s.arg(typed != arguments.end() ? typed->split(u'=').constFirst() : name);
    }
    QString text = parser.errorText().trimmed();
    if (text.endsWith(u'.'))
        text.chop(1);
    text.replace(u'\'', u'"');
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

// The word comes from --lookup or from the words that are not options, never both.
CommandLineRequest ParseLookup(const QCommandLineParser &parser, const LookupOptions &options)
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
    return CommandLineRequest{CommandLineRequest::Lookup, request, {}, {}, {}, false};
}

// --show WORD or --selection, for the window: alone, without a look-up's options nor
// those of My terms (`others`).
CommandLineRequest ParseWindowRequest(const QCommandLineParser &parser, const QCommandLineOption &show,
                                      const QCommandLineOption &selection, const QList<QCommandLineOption> &others)
{
    if (parser.isSet(show) && parser.isSet(selection))
        return Invalid(u"give --show or --selection, not both"_s);
    const QString asked = parser.isSet(show) ? u"show"_s : u"selection"_s;
    if (!parser.positionalArguments().isEmpty())
        return Invalid(u"--%1 takes no other word (\"%2\")"_s.arg(asked, parser.positionalArguments().join(u' ')));
    for (const QCommandLineOption &option : others)
        if (parser.isSet(option))
            return Invalid(u"--%1 does not go with --%2: it is not an option of the window"_s.arg(
                option.names().constLast(), asked));
    if (parser.isSet(selection))
        return CommandLineRequest{CommandLineRequest::Selection, {}, {}, {}, {}, false};
    if (parser.values(show).size() > 1)
        return Invalid(u"--show may be given only once"_s);
    LookupRequest request;
    request.word = parser.value(show).trimmed();
    if (request.word.isEmpty())
        return Invalid(u"the word to show is empty"_s);
    return CommandLineRequest{CommandLineRequest::Show, request, {}, {}, {}, false};
}

} // namespace

CommandLineRequest ParseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-style" is one option, as Qt reads it, not six letters; "-l" and "--lookup" are the same.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({u"h"_s, u"help"_s}, QString());
    const QCommandLineOption version({u"v"_s, u"version"_s}, QString());
    const QCommandLineOption show(u"show"_s, QString(), u"WORD"_s);
    const QCommandLineOption selection(u"selection"_s, QString());
    const LookupOptions lookup;
    const ExchangeOptions exchange;
    QList<QCommandLineOption> options{help, version, show, selection};
    options += lookup.all();
    options += exchange.all();
    options += WindowSystemOptions();
    parser.addOptions(options);
    // The parser takes the program's name first; it is not looked at.
    if (!parser.parse(QStringList{u"quillet"_s} + WithAttachedValuesApart(arguments, options)))
        return Invalid(ParseProblem(parser, arguments));
    if (parser.isSet(help))
        return CommandLineRequest{CommandLineRequest::Help, {}, {}, {}, {}, false};
    if (parser.isSet(version))
        return CommandLineRequest{CommandLineRequest::Version, {}, {}, {}, {}, false};
    if (parser.isSet(show) || parser.isSet(selection))
        return ParseWindowRequest(parser, show, selection, lookup.all() + exchange.all());
    if (parser.isSet(exchange.importFile) || parser.isSet(exchange.exportFile))
        return ParseExchange(parser, exchange, lookup.format);
    if (parser.isSet(exchange.replace))
        return Invalid(u"--replace goes with --import"_s);
    if (parser.isSet(lookup.lookup) || !parser.positionalArguments().isEmpty())
        return ParseLookup(parser, lookup);
    for (const QCommandLineOption &option : lookup.all())
        if (parser.isSet(option))
            return Invalid(u"--%1 needs a word to look up"_s.arg(option.names().constLast()));
    return CommandLineRequest{};
}

QString UsageText()
{
    return u"Usage: quillet [options] [WORD]\n"
           "Looks WORD up in the English-Romanian technical dictionary and prints the entries\n"
           "that start with it and those that contain it; without a word the window opens.\n"
           "The headwords WORD matches but for letter case and those it is an inflected form\n"
           "of come first, and when nothing is found at all, the headwords a slip of the keys away.\n"
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
           "      --import FILE         adds the pairs of FILE (TBX, CSV or TSV) to My terms\n"
           "      --replace             with --import: the pairs of FILE take the place of My terms\n"
           "      --export FILE         writes My terms to FILE; the format is FILE's extension\n"
           "                            (.tbx, .csv, .tsv) or --format tbx|csv|tsv\n"
           "      --show WORD           shows WORD searched in the dictionary window (the one\n"
           "                            that runs, or a new one)\n"
           "      --selection           looks the selected text up in a pop-up beside the pointer\n"
           "  -v, --version             prints the version, the dictionary's size and the licence\n"
           "  -h, --help                prints this text\n"
           "A short option takes its value apart or attached: -d re or -dre.\n"
           "Exit status: 0 something found, 1 nothing found (\"no match\" on stderr), 2 error.\n"
           "Without a word the dictionary window opens, or the one that runs comes to the front;\n"
           "Qt's own options (such as -style fusion) go to it. A look-up asks the window that\n"
           "runs, when one does. See quillet(1).\n"_s;
}

QString ErrorLine(const QString &problem)
{
    return u"quillet: "_s + problem + u'\n';
}

} // namespace quillet
