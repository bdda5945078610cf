// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "core/about/AboutTexts.h"
#include "core/app/CommandLineRequest.h"
#include "core/dictionary/DictTable.h"
#include "core/dictionary/DictionaryLoader.h"
#include "core/dictionary/FormsLoader.h"
#include "core/lookup/ReportBuilder.h"
#include "core/lookup/WordFinder.h"
#include "core/terms/PersonalWords.h"
#include "core/terms/TermIndex.h"
#include "core/terms/TermsTexts.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QStringConverter>

#include <array>
#include <cerrno>
#include <cstdio>
#include <future>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// Whether the load went through; says why on `err` when it did not.
bool Loaded(const LoadResult &loaded, QTextStream &err)
{
    if (!loaded.loaded)
        err << ErrorLine(loaded.cancelled ? u"the dictionary load was cancelled"_s : loaded.failure.message());
    return loaded.loaded;
}

// The loader of the directions of the dictionary for one look-up: it reads the
// translations printed alone, after the search, and makes the headwords' search index
// itself, which takes less than unpacking the packer's (sorted for many searches) does.
DictionaryLoader LoaderOf(const QString &programDir, const QList<int> &directions)
{
    DictionaryLoader loader(programDir);
    loader.setDirections(directions);
    loader.setPackedIndex({});
    loader.setForOneLookUp(true);
    return loader;
}

bool Load(DictTable &table, const DictionaryLoader &loader, QTextStream &err)
{
    LoadObserver quiet;
    return Loaded(loader.LoadDictionary(table, quiet), err);
}

// A failure leaves the look-up without the listed forms, and says so.
void UseForms(WordFinder &finder, const QList<int> &directions, FormsOnDemand forms, QTextStream &err)
{
    if (!forms.result.loaded)
        err << ErrorLine(u"the word forms could not be loaded: "_s + forms.result.failure.message());
    for (const int d : directions)
        finder.setForms(d, std::move(forms.tables[std::size_t(d - 1)]));
}

// The answer written, its status, and "no match" said when nothing matched.
int Answer(const LookupReport &report, const LookupRequest &request, QTextStream &out, QTextStream &err)
{
    WriteReport(out, report, request.format);
    if (report.found())
        return ExitFound;
    err << ErrorLine(u"no match for \"%1\""_s.arg(request.word));
    return ExitNothingFound;
}

// The user's own pairs, read on the other core while the dictionary loads; a file that
// cannot be read is said on `err` and the look-up goes on without them.
TermIndex ReadTerms(const PersonalWordFiles &files, QString &problem)
{
    // The command line speaks English.
    QByteArray text;
    TermList terms;
    problem = ReadUserFile(files.terms, text).english();
    if (problem.isEmpty())
        if (const BilingualText damage = terms.readFileText(text); !damage.isEmpty())
            problem = MessageOf(TermsText::FileDamaged).arg(files.terms).arg(damage).english();
    return TermIndex(terms);
}

int RunLookup(const LookupRequest &request, const QString &programDir, const PersonalWordFiles &files,
              QTextStream &out, QTextStream &err, const RunningLookup &running)
{
    if (running)
        if (const std::optional<LookupReport> answered = running(request))
            return Answer(*answered, request, out, err);
    QString termsProblem;
    std::future<TermIndex> terms =
        std::async(std::launch::async, [&files, &termsProblem] { return ReadTerms(files, termsProblem); });
    const QList<int> directions = RequestedDirections(request);
    // Only the directions asked for are read. Base forms are offered beside a headword
    // too, so the forms of those directions are always looked at: their block index is
    // read on the other core while the dictionary loads, and a block only when a word
    // could be in it.
    std::future<FormsOnDemand> forms = std::async(std::launch::async, [&programDir, &directions] {
        return FormsLoader(programDir).LoadFormsOnDemand(directions);
    });
    DictTable table;
    const DictionaryLoader loader = LoaderOf(programDir, directions);
    if (!Load(table, loader, err))
        return ExitError;
    WordFinder finder(table);
    FormsOnDemand readForms = forms.get();
    const std::shared_ptr<QStringList> formsProblems = readForms.problems;
    UseForms(finder, directions, std::move(readForms), err);
    const TermIndex personal = terms.get();
    if (!termsProblem.isEmpty())
        err << ErrorLine(u"my terms are left out: "_s + termsProblem);
    const LookupFinds finds = FindForReport(table, finder, request, &personal);
    if (!Loaded(loader.LoadTranslations(table, finds.entries()), err))
        return ExitError;
    const LookupReport report = MakeReport(table, request, finds);
    for (const QString &problem : std::as_const(*formsProblems))
        err << ErrorLine(u"the word forms could not be loaded: "_s + problem);
    return Answer(report, request, out, err);
}

// Adds the pairs of a file to My terms (or puts them in their place), and says what it did.
int RunImport(const CommandLineRequest &request, const PersonalWordFiles &files, QTextStream &out, QTextStream &err)
{
    PersonalWords words(files);
    if (const QList<BilingualText> problems = words.load(); !words.termsDamage().isEmpty()) {
        err << ErrorLine(problems.constFirst().english() + u"; nothing was imported"_s);
        return ExitError;
    }
    TermList terms = words.terms();
    const ImportReport report = ImportTerms(request.file, request.exchangeFormat, terms, request.replace);
    if (report.failed()) {
        err << ErrorLine(report.failure.english());
        return ExitError;
    }
    if (const BilingualText problem = words.setTerms(terms); !problem.isEmpty()) {
        err << ErrorLine(problem.english() + u"; nothing was imported"_s);
        return ExitError;
    }
    out << report.summary() << '\n';
    return ExitFound;
}

int RunExport(const CommandLineRequest &request, const PersonalWordFiles &files, QTextStream &out, QTextStream &err)
{
    PersonalWords words(files);
    if (const QList<BilingualText> problems = words.load(); !words.termsDamage().isEmpty()) {
        err << ErrorLine(problems.constFirst().english());
        return ExitError;
    }
    if (const BilingualText problem = ExportTerms(request.file, request.exchangeFormat, words.terms());
        !problem.isEmpty()) {
        err << ErrorLine(problem.english());
        return ExitError;
    }
    out << words.terms().size() << (words.terms().size() == 1 ? " pair" : " pairs") << " written to " << request.file
        << '\n';
    return ExitFound;
}

int PrintVersion(const QString &programDir, QTextStream &out, QTextStream &err)
{
    DictTable table;
    const bool loaded = Load(table, LoaderOf(programDir, {DictTable::EnglishRomanian, DictTable::RomanianEnglish}), err);
    const about::WordCounts counts{table.EntryCount(DictTable::EnglishRomanian),
                                   table.EntryCount(DictTable::RomanianEnglish)};
    QStringList lines = about::VersionLines(QUILLET_VERSION_MAJOR, QUILLET_VERSION_MINOR, counts);
    if (!loaded)
        lines.removeAt(1); // the dictionary's size, which is not known
    out << lines.join(u'\n') << '\n';
    return loaded ? ExitFound : ExitError;
}

} // namespace

bool OpensWindow(const QStringList &arguments)
{
    const CommandLineRequest::Kind kind = ParseCommandLine(arguments).kind;
    return kind == CommandLineRequest::Window || kind == CommandLineRequest::Show
           || kind == CommandLineRequest::Selection;
}

std::optional<int> RunCommandLine(const QStringList &arguments, const QString &programDir,
                                  QTextStream &out, QTextStream &err, const PersonalWordFiles &files,
                                  const RunningLookup &running)
{
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    const CommandLineRequest request = ParseCommandLine(arguments);
    int status = ExitFound;
    switch (request.kind) {
    case CommandLineRequest::Window:
    case CommandLineRequest::Show:
    case CommandLineRequest::Selection:
        return std::nullopt;
    case CommandLineRequest::Invalid:
        err << ErrorLine(request.problem + u" (see --help)"_s);
        status = ExitError;
        break;
    case CommandLineRequest::Help:
        out << UsageText();
        break;
    case CommandLineRequest::Version:
        status = PrintVersion(programDir, out, err);
        break;
    case CommandLineRequest::Lookup:
        status = RunLookup(request.lookup, programDir, files, out, err, running);
        break;
    case CommandLineRequest::Import:
        status = RunImport(request, files, out, err);
        break;
    case CommandLineRequest::Export:
        status = RunExport(request, files, out, err);
        break;
    }
    out.flush();
    if (out.status() == QTextStream::WriteFailed) {
        const QString cause = out.device() != nullptr ? out.device()->errorString() : QString();
        err << ErrorLine(u"the output could not be written"_s + (cause.isEmpty() ? QString() : u": "_s + cause));
        status = ExitError;
    }
    err.flush();
    return status;
}

std::optional<TextAnswer> AnswerAsText(const QStringList &arguments, const RunningLookup &running)
{
    switch (ParseCommandLine(arguments).kind) {
    case CommandLineRequest::Lookup:
    case CommandLineRequest::Help:
    case CommandLineRequest::Invalid: break;
    default: return std::nullopt;
    }
    TextAnswer answer;
    {
        QTextStream out(&answer.output);
        QTextStream err(&answer.errors);
        answer.status = RunCommandLine(arguments, QString(), out, err, PersonalWordFiles::InDataFolder(), running)
                            .value_or(ExitError);
    }
    return answer;
}

QStringList CommandLineArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

bool SaidOutputClosed()
{
    if (::fcntl(STDOUT_FILENO, F_GETFD) != -1 || errno != EBADF)
        return false;
    std::fputs(qUtf8Printable(ErrorLine(u"the output could not be written: the output is closed"_s)), stderr);
    return true;
}

int AnswerOnStandardStreams(const QStringList &arguments, const QString &programDir)
{
    if (SaidOutputClosed())
        return ExitError;
    // The user's files are found under the program's own name, as the window finds them.
    QCoreApplication::setApplicationName(u"Quillet"_s);
    int status = 0;
    {
        QTextStream out(stdout);
        QTextStream err(stderr);
        status = RunCommandLine(arguments, programDir, out, err).value_or(ExitError);
    }
    if (std::fflush(stdout) != 0 && status != ExitError) {
        std::fputs("quillet: the output could not be written\n", stderr);
        status = ExitError;
    }
    return status;
}

} // namespace quillet
