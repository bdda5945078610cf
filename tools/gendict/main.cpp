// quillet-gendict: regenerates the shipped dictionary files data/en-ro.txt and
// data/ro-en.txt from the Open Multilingual Wordnet's Romanian lemmas and WordNet 3.0.

#include "gendict/GenError.h"
#include "gendict/Generator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;
using quillet::gendict::GenError;
using quillet::gendict::Generator;
using quillet::gendict::GeneratorPaths;
using quillet::gendict::GeneratorSummary;

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << "quillet-gendict: " << message << '\n';
    return 1;
}

// "1640 lemma lines matched a moved synset, by bytes +1: 726, +18: 914".
QString shiftReport(const QMap<quint32, qsizetype> &shiftedLines)
{
    qsizetype total = 0;
    QStringList perShift;
    for (auto it = shiftedLines.cbegin(); it != shiftedLines.cend(); ++it) {
        total += it.value();
        perShift.append(u"+%1: %2"_s.arg(it.key()).arg(it.value()));
    }
    QString report = u"%1 lemma lines matched a moved synset"_s.arg(total);
    if (!perShift.isEmpty())
        report += u", by bytes "_s + perShift.join(u", "_s);
    return report;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Builds en-ro.txt and ro-en.txt from OMW Romanian and WordNet 3.0."_s);
    parser.addHelpOption();
    const QCommandLineOption omw(u"omw"_s, u"Folder holding omw-wiktionary/ and omw-cldr/."_s, u"DIR"_s);
    const QCommandLineOption wordNet(u"wordnet"_s, u"Folder holding WordNet's data.* files."_s, u"DIR"_s);
    const QCommandLineOption out(u"out"_s, u"Folder to write the dictionary files into."_s, u"DIR"_s);
    parser.addOptions({omw, wordNet, out});
    parser.process(app);

    if (!parser.positionalArguments().isEmpty())
        return fail(u"unexpected argument \"%1\""_s.arg(parser.positionalArguments().constFirst()));
    for (const QCommandLineOption &option : {omw, wordNet, out}) {
        if (parser.value(option).isEmpty())
            return fail(u"--%1 DIR is required"_s.arg(option.names().constFirst()));
    }

    try {
        const GeneratorSummary summary =
            Generator::run(GeneratorPaths{parser.value(omw), parser.value(wordNet), parser.value(out)});
        QTextStream(stdout) << u"%1: %2 entries, %3: %4 entries (%5; %6 lemma lines skipped: synset not in WordNet)"_s
                                   .arg(Generator::EnglishRomanianFile)
                                   .arg(summary.englishRomanian)
                                   .arg(Generator::RomanianEnglishFile)
                                   .arg(summary.romanianEnglish)
                                   .arg(shiftReport(summary.shiftedLines))
                                   .arg(summary.unresolvedLines)
                            << '\n';
    } catch (const GenError &error) {
        return fail(error.message());
    }
    return 0;
}
