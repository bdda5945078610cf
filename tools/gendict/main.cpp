// SPDX-License-Identifier: GPL-3.0-or-later
// quillet-gendict: regenerates the shipped dictionary files data/en-ro.txt and
// data/ro-en.txt from the Wiktionary sources, the Open Multilingual Wordnet's Romanian
// lemmas and WordNet 3.0.

#include "gendict/GenError.h"
#include "gendict/Generator.h"
#include "gendict/WordForms.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;
using quillet::gendict::DirectionSummary;
using quillet::gendict::GenError;
using quillet::gendict::Generator;
using quillet::gendict::GeneratorPaths;
using quillet::gendict::GeneratorSummary;
using quillet::gendict::WordForms;

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

void printDirection(QTextStream &out, const QString &file, const DirectionSummary &summary)
{
    out << file << ": " << summary.entries << " entries\n";
    out << "  entries per source:\n";
    for (const auto &[name, count] : summary.sources.items())
        out << "    " << name << ": " << count << '\n';
    out << "  pairs left out or changed per rule:\n";
    for (const auto &[name, count] : summary.removed.items())
        out << "    " << name << ": " << count << '\n';
    out << "  entries whose order each ranking rule changed:\n";
    for (const auto &[name, count] : summary.moved.items())
        out << "    " << name << ": " << count << '\n';
    out << "  glossary pairs no other source gives: " << summary.glossaryOnlyPairs << '\n';
}

void printGlossary(QTextStream &out, const QList<quillet::gendict::GlossaryField> &fields)
{
    out << "glossary: pairs, attested by another source, unattested, words on the spelling allow list\n";
    for (const quillet::gendict::GlossaryField &field : fields)
        out << "  " << field.file << ": " << field.pairs << ", " << field.attested << ", "
            << field.pairs - field.attested << ", " << field.allowedWords << '\n';
}

void printForms(QTextStream &out, const QString &file, const quillet::gendict::FormsSummary &summary)
{
    out << file << ": " << summary.forms << " forms of " << summary.bases << " base forms\n";
    out << "  pairs left out per rule:\n";
    for (const auto &[name, count] : summary.removed.items())
        out << "    " << name << ": " << count << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Builds en-ro.txt and ro-en.txt from Wiktionary, OMW Romanian, WordNet 3.0 and the glossary."_s);
    parser.addHelpOption();
    const QCommandLineOption sources(u"sources"_s, u"Folder holding the source data folders."_s, u"DIR"_s);
    const QCommandLineOption wordNet(u"wordnet"_s, u"Folder holding WordNet's data.* files."_s, u"DIR"_s);
    const QCommandLineOption stopList(u"stoplist"_s, u"The stop list of words left out everywhere."_s, u"FILE"_s);
    const QCommandLineOption out(u"out"_s, u"Folder to write the dictionary files into."_s, u"DIR"_s);
    const QCommandLineOption glossary(u"glossary"_s, u"Folder of the glossary of technical terms (optional)."_s,
                                      u"DIR"_s);
    const QCommandLineOption spelling(
        u"spelling"_s, u"Folder of hunspell's en_US and ro_RO dictionaries, to check the glossary (optional)."_s,
        u"DIR"_s);
    parser.addOptions({sources, wordNet, stopList, out, glossary, spelling});
    parser.process(app);

    if (!parser.positionalArguments().isEmpty())
        return fail(u"unexpected argument \"%1\""_s.arg(parser.positionalArguments().constFirst()));
    for (const QCommandLineOption &option : {sources, wordNet, stopList, out}) {
        if (parser.value(option).isEmpty())
            return fail(u"--%1 %2 is required"_s.arg(option.names().constFirst(), option.valueName()));
    }

    try {
        const GeneratorPaths paths{parser.value(sources), parser.value(wordNet), parser.value(stopList),
                                   parser.value(out), parser.value(glossary), parser.value(spelling)};
        const GeneratorSummary summary = Generator::run(paths);
        const WordForms::Summary forms = WordForms::run(paths);
        QTextStream stream(stdout);
        printDirection(stream, Generator::EnglishRomanianFile, summary.englishRomanian);
        printDirection(stream, Generator::RomanianEnglishFile, summary.romanianEnglish);
        stream << "Wordnet join: " << shiftReport(summary.shiftedLines) << "; " << summary.unresolvedLines
               << " lemma lines skipped: synset not in WordNet; " << summary.namePieceLines
               << " lemma lines skipped: only a piece of a longer name\n";
        printGlossary(stream, summary.glossaryFields);
        printForms(stream, WordForms::EnglishFile, forms.english);
        printForms(stream, WordForms::RomanianFile, forms.romanian);
    } catch (const GenError &error) {
        return fail(error.message());
    }
    return 0;
}
