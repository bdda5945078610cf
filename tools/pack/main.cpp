// SPDX-License-Identifier: GPL-3.0-or-later
// quillet-pack --out <Database.db> <en-ro.txt> <ro-en.txt> [<en-forms.txt> <ro-forms.txt>]
//
// Packs the two dictionary data files into the encrypted archive the program ships
// with: the headwords of each direction become a member, their translations blocks of
// members beside it, in the same order, with an index of the blocks, and beside them the
// headwords' search index, made once here rather than at every load.
// The forms files, when given, become blocks of members each, with an index of the
// blocks: the inflected forms of that direction's words, ordered for the program to look
// them up.
#include "ArchiveWriter.h"
#include "DataFileReader.h"
#include "FormsFileReader.h"
#include "PackError.h"

#include "core/dictionary/DictTable.h"
#include "core/dictionary/DictionaryFiles.h"
#include "core/dictionary/HeadwordIndexFile.h"
#include "core/dictionary/LineBlockIndex.h"
#include "core/dictionary/TextLines.h"
#include "core/lookup/FormsBlockIndex.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace quillet;

namespace {

void PrintError(const QString &message)
{
    std::fputs((u"quillet-pack: "_s + message + u'\n').toLocal8Bit().constData(), stderr);
}

// The search index the loader would make of these headwords, as it reads them.
QByteArray HeadwordIndexOf(const QByteArray &headwords, int d)
{
    std::vector<LineSpan> lines;
    ForEachLine(headwords, [&](QByteArrayView line) {
        lines.push_back({std::uint32_t(line.data() - headwords.constData()), std::uint32_t(line.size())});
    });
    DictTable table;
    table.setLines(d, DictTable::Headword, headwords, std::move(lines));
    return HeadwordIndexFile::encode(table.headwords(d), headwords);
}

void AddDirection(pack::ArchiveWriter &archive, const files::DirectionFiles &direction,
                  const pack::Columns &columns)
{
    // Every look-up reads the headwords whole, and a block of translations for each
    // translation it prints, so they are kept as they are: decrypting them costs a
    // fraction of inflating them (the archive takes a fifth more).
    archive.add(direction.headwords, columns.headwords, pack::ArchiveWriter::Packing::Stored);
    const std::vector<QByteArray> blocks = LineBlockIndex::split(columns.translations);
    archive.add(direction.translationBlocks, LineBlockIndex::encode(blocks));
    for (std::size_t k = 0; k < blocks.size(); ++k)
        archive.add(QLatin1StringView(LineBlockIndex::blockName(direction.translationBlockPrefix, int(k + 1)).toLatin1()),
                    blocks[k], pack::ArchiveWriter::Packing::Stored);
    archive.add(direction.index, HeadwordIndexOf(columns.headwords, direction.direction));
}

// The forms in blocks, each a member, and the index of the blocks.
void AddForms(pack::ArchiveWriter &archive, const files::FormsFile &file, const QByteArray &lines)
{
    const std::vector<QByteArray> blocks = FormsBlockIndex::split(lines);
    archive.add(file.blockIndex, FormsBlockIndex::encode(blocks));
    for (std::size_t k = 0; k < blocks.size(); ++k)
        archive.add(QLatin1StringView(FormsBlockIndex::blockName(file, int(k + 1)).toLatin1()), blocks[k]);
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Packs the dictionary data into its archive."_s);
    const QCommandLineOption out(u"out"_s, u"The archive to write."_s, u"path"_s);
    parser.addOption(out);
    parser.addPositionalArgument(u"en-ro"_s, u"English to Romanian data file."_s);
    parser.addPositionalArgument(u"ro-en"_s, u"Romanian to English data file."_s);
    parser.addPositionalArgument(u"en-forms"_s, u"Inflected forms of English words (optional)."_s);
    parser.addPositionalArgument(u"ro-forms"_s, u"Inflected forms of Romanian words (optional)."_s);
    const qsizetype given = parser.parse(QCoreApplication::arguments()) ? parser.positionalArguments().size() : 0;
    if (!parser.isSet(out) || (given != 2 && given != 4)) {
        PrintError(u"usage: quillet-pack --out <archive> <en-ro.txt> <ro-en.txt> [<en-forms.txt> <ro-forms.txt>]"_s);
        return 2;
    }

    try {
        const QStringList data = parser.positionalArguments();
        const pack::Columns englishRomanian = pack::DataFileReader(data.at(0)).read();
        const pack::Columns romanianEnglish = pack::DataFileReader(data.at(1)).read();
        QList<QByteArray> forms;
        for (qsizetype i = 2; i < data.size(); ++i)
            forms.append(pack::FormsFileReader(data.at(i)).read());
        pack::ArchiveWriter archive(parser.value(out), QByteArray(files::ArchivePassword.data(),
                                                                  files::ArchivePassword.size()));
        AddDirection(archive, files::EnglishRomanian, englishRomanian);
        AddDirection(archive, files::RomanianEnglish, romanianEnglish);
        for (qsizetype i = 0; i < forms.size(); ++i)
            AddForms(archive, files::Forms[std::size_t(i)], forms[i]);
        archive.commit();
    } catch (const pack::PackError &error) {
        PrintError(QString::fromStdString(error.what()));
        return 1;
    }
    return 0;
}
