// SPDX-License-Identifier: GPL-3.0-or-later
// The word behind an inflected or misspelt query, on the dictionary the build packed:
// how often the base form or the intended headword is offered for a fixed set of
// queries, what finding them costs per query and in memory, and what a keystroke costs
// in the window with the word forms on and off.
#include "core/dictionary/DictionaryLoader.h"
#include "core/dictionary/FormsLoader.h"
#include "core/lookup/SearchEngine.h"
#include "core/lookup/WordFinder.h"
#include "ui/lookup/QueryBox.h"
#include "ui/mainwindow/Form1.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QStandardPaths>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using namespace quillet;

namespace {

constexpr int ER = DictTable::EnglishRomanian;
constexpr int RE = DictTable::RomanianEnglish;

struct Query {
    int d;
    QString query;
    QString expected;
};

// Inflected forms of common technical words, 30 Romanian and 33 English. A form that is
// itself a headword is offered its base forms after its own rows: the report says which.
const QList<Query> Inflected{
    {RE, u"rulmenților"_s, u"rulment"_s},         {RE, u"șuruburile"_s, u"șurub"_s},
    {RE, u"roțile"_s, u"roată"_s},                {RE, u"fișierului"_s, u"fișier"_s},
    {RE, u"pompele"_s, u"pompă"_s},               {RE, u"supapele"_s, u"supapă"_s},
    {RE, u"motoarele"_s, u"motor"_s},             {RE, u"cablurile"_s, u"cablu"_s},
    {RE, u"piulițele"_s, u"piuliță"_s},           {RE, u"conductele"_s, u"conductă"_s},
    {RE, u"calculatoarelor"_s, u"calculator"_s},  {RE, u"circuitele"_s, u"circuit"_s},
    {RE, u"senzorii"_s, u"senzor"_s},             {RE, u"angrenajele"_s, u"angrenaj"_s},
    {RE, u"tensiunea"_s, u"tensiune"_s},          {RE, u"presiunii"_s, u"presiune"_s},
    {RE, u"arborelui"_s, u"arbore"_s},            {RE, u"sudurile"_s, u"sudură"_s},
    {RE, u"rețelele"_s, u"rețea"_s},              {RE, u"programele"_s, u"program"_s},
    {RE, u"tranzistoarele"_s, u"tranzistor"_s},   {RE, u"condensatorului"_s, u"condensator"_s},
    {RE, u"frânele"_s, u"frână"_s},               {RE, u"lagărele"_s, u"lagăr"_s},
    {RE, u"bateriile"_s, u"baterie"_s},           {RE, u"releele"_s, u"releu"_s},
    {RE, u"filtrele"_s, u"filtru"_s},             {RE, u"garniturile"_s, u"garnitură"_s},
    {RE, u"pompează"_s, u"pompa"_s},              {RE, u"sudează"_s, u"suda"_s},
    {ER, u"bearings"_s, u"bearing"_s},            {ER, u"pumped"_s, u"pump"_s},
    {ER, u"switches"_s, u"switch"_s},             {ER, u"valves"_s, u"valve"_s},
    {ER, u"gears"_s, u"gear"_s},                  {ER, u"bolts"_s, u"bolt"_s},
    {ER, u"gaskets"_s, u"gasket"_s},                {ER, u"wires"_s, u"wire"_s},
    {ER, u"cables"_s, u"cable"_s},                {ER, u"pipes"_s, u"pipe"_s},
    {ER, u"sensors"_s, u"sensor"_s},               {ER, u"batteries"_s, u"battery"_s},
    {ER, u"indices"_s, u"index"_s},               {ER, u"matrices"_s, u"matrix"_s},
    {ER, u"analyses"_s, u"analysis"_s},           {ER, u"circuits"_s, u"circuit"_s},
    {ER, u"rotated"_s, u"rotate"_s},         {ER, u"lubricated"_s, u"lubricate"_s},
    {ER, u"soldered"_s, u"solder"_s},             {ER, u"fuses"_s, u"fuse"_s},
    {ER, u"spindles"_s, u"spindle"_s},            {ER, u"lathes"_s, u"lathe"_s},
    {ER, u"capacitors"_s, u"capacitor"_s},        {ER, u"resistors"_s, u"resistor"_s},
    {ER, u"transistors"_s, u"transistor"_s},      {ER, u"shafts"_s, u"shaft"_s},
    {ER, u"larger"_s, u"large"_s},                {ER, u"criteria"_s, u"criterion"_s},
    {ER, u"vertices"_s, u"vertex"_s},             {ER, u"ran"_s, u"run"_s},
    {ER, u"threaded"_s, u"thread"_s},             {ER, u"mounted"_s, u"mount"_s},
    {ER, u"sealed"_s, u"seal"_s},
};

// One slip of the keys in a headword: a swap, a letter left out, doubled or changed.
const QList<Query> Misspelt{
    {ER, u"pmup"_s, u"pump"_s},             {ER, u"vlave"_s, u"valve"_s},
    {ER, u"trasnistor"_s, u"transistor"_s}, {ER, u"bearign"_s, u"bearing"_s},
    {ER, u"capacitro"_s, u"capacitor"_s},   {ER, u"scerw"_s, u"screw"_s},
    {ER, u"cabel"_s, u"cable"_s},           {ER, u"batery"_s, u"battery"_s},
    {ER, u"resistr"_s, u"resistor"_s},      {ER, u"spindel"_s, u"spindle"_s},
    {ER, u"votlage"_s, u"voltage"_s},       {ER, u"weldinng"_s, u"welding"_s},
    {ER, u"hydraulik"_s, u"hydraulic"_s},   {ER, u"lubricamt"_s, u"lubricant"_s},
    {ER, u"compresor"_s, u"compressor"_s},
    {RE, u"rulmnet"_s, u"rulment"_s},       {RE, u"surbu"_s, u"șurub"_s},
    {RE, u"piuilță"_s, u"piuliță"_s},       {RE, u"supaap"_s, u"supapă"_s},
    {RE, u"condcută"_s, u"conductă"_s},     {RE, u"calculatr"_s, u"calculator"_s},
    {RE, u"angrenja"_s, u"angrenaj"_s},     {RE, u"tensinue"_s, u"tensiune"_s},
    {RE, u"presune"_s, u"presiune"_s},      {RE, u"condesator"_s, u"condensator"_s},
    {RE, u"tranzitor"_s, u"tranzistor"_s},  {RE, u"garnitra"_s, u"garnitură"_s},
    {RE, u"suddură"_s, u"sudură"_s},        {RE, u"mottor"_s, u"motor"_s},
    {RE, u"frnă"_s, u"frână"_s},
};

double ResidentMiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

double Percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::size_t(fraction * double(values.size() - 1))];
}

QString Headwords(const DictTable &table, int d, const std::vector<int> &entries)
{
    QStringList words;
    for (const int k : entries)
        words.append(table(d, DictTable::Headword, k));
    return words.join(u", "_s);
}

// Where the expected headword stands among the offered entries: 0 first, -1 absent.
int Rank(const DictTable &table, int d, const std::vector<int> &entries, const QString &expected)
{
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (table(d, DictTable::Headword, entries[i]) == expected)
            return int(i);
    return -1;
}

void ReportBaseForms(const DictTable &table, WordFinder &finder)
{
    int offered = 0;
    std::printf("\nbase forms of %lld inflected forms:\n", static_cast<long long>(Inflected.size()));
    for (const Query &q : Inflected) {
        const bool headword = finder.isHeadword(q.d, q.query, Diacritics::Distinct);
        const std::vector<int> bases = finder.baseForms(q.d, q.query, Diacritics::Distinct);
        const bool hit = Rank(table, q.d, bases, q.expected) >= 0;
        offered += hit ? 1 : 0;
        std::printf("  %s %-18s %-14s -> %s%s\n", hit ? "yes" : "NO ", qPrintable(q.query), qPrintable(q.expected),
                    qPrintable(Headwords(table, q.d, bases)), headword ? "  (itself a headword too)" : "");
    }
    std::printf("base form offered for %d of %lld\n", offered, static_cast<long long>(Inflected.size()));
}

void ReportNearMisses(const DictTable &table, WordFinder &finder)
{
    int among = 0;
    int first = 0;
    std::printf("\nnear misses of %lld misspelt headwords:\n", static_cast<long long>(Misspelt.size()));
    for (const Query &q : Misspelt) {
        const SearchResult found = SearchDictionary(table, q.d, q.query);
        const WordFinds finds = finder.find(q.d, q.query, found, Diacritics::Distinct);
        const int rank = Rank(table, q.d, finds.nearMisses, q.expected);
        among += rank >= 0 ? 1 : 0;
        first += rank == 0 ? 1 : 0;
        const bool listed = !found.startingWith.empty() || !found.containing.empty();
        std::printf("  %-6s %-12s %-12s -> %s%s%s\n", rank == 0 ? "first" : rank > 0 ? "among" : "NO",
                    qPrintable(q.query), qPrintable(q.expected), qPrintable(Headwords(table, q.d, finds.nearMisses)),
                    listed ? "  (the lists are not empty)" : "",
                    finds.baseForms.empty() ? "" : qPrintable(u"  (base forms: "_s
                                                                + Headwords(table, q.d, finds.baseForms) + u')'));
    }
    std::printf("intended headword among the near misses for %d of %lld, first for %d\n", among,
                static_cast<long long>(Misspelt.size()), first);
}

// Every definite plural ("…ele", "…ile") that the Romanian forms list gives a headword:
// whether looking it up offers that headword among its base forms.
void ReportDefinitePlurals(const DictTable &table, WordFinder &finder)
{
    QFile file(QStringLiteral(QUILLET_SOURCE_DIR "/data/ro-forms.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        std::printf("\nno data/ro-forms.txt to check the definite plurals against\n");
        return;
    }
    int plurals = 0;
    QStringList missed;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QStringList fields = QString::fromUtf8(line).split(u'\t');
        const QString &base = fields.first();
        if (fields.size() < 2 || !finder.isHeadword(RE, base, Diacritics::Distinct))
            continue;
        for (const QString &form : fields.sliced(1)) {
            if (!form.endsWith(u"ele"_s) && !form.endsWith(u"ile"_s))
                continue;
            ++plurals;
            // The list writes a base in lower case that the dictionary may capitalise ("Rusalii").
            const std::vector<int> bases = finder.baseForms(RE, form, Diacritics::Distinct);
            if (std::none_of(bases.begin(), bases.end(), [&](int k) {
                    return table(RE, DictTable::Headword, k).compare(base, Qt::CaseInsensitive) == 0;
                }))
                missed.append(form + u" -> "_s + base);
        }
    }
    std::printf("\ndefinite plurals of the forms list that lead to their headword: %lld of %d\n",
                static_cast<long long>(plurals - missed.size()), plurals);
    for (const QString &miss : missed.first(std::min<qsizetype>(missed.size(), 20)))
        std::printf("  NO %s\n", qPrintable(miss));
}

double ThreadMicros()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

// The processor time the word forms add to a keystroke, beyond the search: every prefix
// of every query, as search-as-you-type meets them.
void ReportCost(const DictTable &table, WordFinder &finder, const char *what, const QList<Query> &queries)
{
    std::vector<double> micros;
    int nearMissRuns = 0;
    for (int round = 0; round < 5; ++round) {
        for (const Query &q : queries) {
            for (qsizetype n = 1; n <= q.query.size(); ++n) {
                const QString prefix = q.query.first(n);
                const SearchResult found = SearchDictionary(table, q.d, prefix);
                const double start = ThreadMicros();
                const WordFinds finds = finder.find(q.d, prefix, found, Diacritics::Distinct);
                micros.push_back(ThreadMicros() - start);
                nearMissRuns += found.startingWith.empty() && found.containing.empty() && finds.baseForms.empty() ? 1 : 0;
            }
        }
    }
    std::printf("word forms per keystroke, %s (%zu prefixes, %d with near misses looked for): median %.0f us, "
                "90th percentile %.0f us, slowest %.0f us of processor time\n",
                what, micros.size() / 5, nearMissRuns / 5, Percentile(micros, 0.5), Percentile(micros, 0.9),
                Percentile(micros, 1.0));
}

// Key event to both lists painted, with search-as-you-type, per keystroke; each query is
// typed with the word forms on and then off, so that both meet the same machine.
void TypeInWindow(Form1 &form, const QList<Query> &queries, std::vector<double> &on, std::vector<double> &off)
{
    QElapsedTimer clock;
    for (int round = 0; round < 3; ++round) {
        for (const Query &q : queries) {
            if (form.CurrentDirection() != q.d)
                form.Label3_Click(q.d - 1);
            for (const bool forms : {true, false}) {
                form.mnuWordForms->setChecked(forms);
                form.Text1->clear();
                QCoreApplication::processEvents();
                for (const QChar letter : q.query) {
                    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
                    clock.start();
                    QApplication::sendEvent(form.Text1, &press);
                    QCoreApplication::processEvents();
                    (forms ? on : off).push_back(double(clock.nsecsElapsed()) / 1e6);
                }
            }
        }
    }
}

void ReportKeystrokes()
{
    Form1Setup setup;
    setup.programDir = QStringLiteral(QUILLET_PROGRAM_DIR);
    setup.reportLoadFailure = [](const LoadFailure &f) { std::fprintf(stderr, "no dictionary: %s\n", qPrintable(f.message())); };
    Form1 form(setup);
    if (form.Form_Load() != Form1::LoadOutcome::Loaded)
        return;
    form.LoadWordForms();
    form.mnuSearchAsYouType->setChecked(true);
    form.Text1->setFocus();
    std::vector<double> on;
    std::vector<double> off;
    TypeInWindow(form, Inflected + Misspelt, on, off);
    for (const auto &[name, ms] : {std::pair{"on ", &on}, std::pair{"off", &off}})
        std::printf("keystroke to both lists painted, word forms %s: median %.2f ms, 90th percentile %.2f ms, "
                    "slowest %.2f ms over %zu keystrokes\n",
                    name, Percentile(*ms, 0.5), Percentile(*ms, 0.9), Percentile(*ms, 1.0), ms->size());
    form.close();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);

    DictTable table;
    table.setEntryCount(ER, DictTable::Capacity);
    LoadObserver quiet;
    if (!DictionaryLoader(QStringLiteral(QUILLET_PROGRAM_DIR)).LoadDictionary(table, quiet).loaded) {
        std::fprintf(stderr, "the dictionary did not load\n");
        return 1;
    }
    const double before = ResidentMiB();
    QElapsedTimer clock;
    clock.start();
    WordFinder finder(table);
    LoadedForms loaded = FormsLoader(QStringLiteral(QUILLET_PROGRAM_DIR)).LoadForms({ER, RE}, quiet);
    if (!loaded.result.loaded) {
        std::fprintf(stderr, "the forms did not load: %s\n", qPrintable(loaded.result.failure.message()));
        return 1;
    }
    const qint64 extracted = clock.elapsed();
    for (const int d : {ER, RE})
        finder.setForms(d, FormsTable(std::move(loaded.lines[std::size_t(d - 1)])));
    const qint64 indexed = clock.elapsed();
    finder.prepare();
    const qint64 prepared = clock.elapsed();
    std::printf("forms: extracted and read in %lld ms, indexed in %lld ms, headwords by key in %lld ms; "
                "held %.1f MiB (resident %.1f MiB more)\n",
                static_cast<long long>(extracted), static_cast<long long>(indexed - extracted),
                static_cast<long long>(prepared - indexed), double(finder.byteSize()) / 1048576.0,
                ResidentMiB() - before);

    ReportBaseForms(table, finder);
    ReportDefinitePlurals(table, finder);
    ReportNearMisses(table, finder);
    std::printf("\n");
    ReportCost(table, finder, "inflected forms", Inflected);
    ReportCost(table, finder, "misspellings", Misspelt);
    ReportKeystrokes();
    return 0;
}
