// SPDX-License-Identifier: GPL-3.0-or-later
// quillet-pack --out <Database.db> <en-ro.txt> <ro-en.txt>
//
// Packs the two dictionary data files into the encrypted archive the program ships
// with: the headwords and translations of each direction become two parallel members.
#include "ArchiveWriter.h"
#include "DataFileReader.h"
#include "PackError.h"

#include "core/dictionary/DictionaryFiles.h"

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

void AddDirection(pack::ArchiveWriter &archive, const files::DirectionFiles &direction,
                  const pack::Columns &columns)
{
    archive.add(direction.headwords, columns.headwords);
    archive.add(direction.translations, columns.translations);
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
    if (!parser.parse(QCoreApplication::arguments()) || !parser.isSet(out)
        || parser.positionalArguments().size() != 2) {
        PrintError(u"usage: quillet-pack --out <archive> <en-ro.txt> <ro-en.txt>"_s);
        return 2;
    }

    try {
        const QStringList data = parser.positionalArguments();
        const pack::Columns englishRomanian = pack::DataFileReader(data.at(0)).read();
        const pack::Columns romanianEnglish = pack::DataFileReader(data.at(1)).read();
        pack::ArchiveWriter archive(parser.value(out), QByteArray(files::ArchivePassword.data(),
                                                                  files::ArchivePassword.size()));
        AddDirection(archive, files::EnglishRomanian, englishRomanian);
        AddDirection(archive, files::RomanianEnglish, romanianEnglish);
        archive.commit();
    } catch (const pack::PackError &error) {
        PrintError(QString::fromStdString(error.what()));
        return 1;
    }
    return 0;
}
