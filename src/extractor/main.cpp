// SPDX-License-Identifier: GPL-3.0-or-later
// quillet-extract x -y -p<password> <archive> [<member>...]
//
// Extracts the members named, or every member when none is named, of the dictionary
// archive into the current working directory, overwriting files of the same names, one
// member at a time; a named member the archive lacks is passed over. Exits with 0 only when every
// file came out whole and within the size limits; otherwise with its ExtractorStatus and
// one line on stderr, leaving nothing of the archive behind.
#include "ArchiveExtractor.h"

#include "core/dictionary/DictionaryFiles.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;
using namespace quillet;

namespace {

struct Command {
    QByteArray password;
    QString archive;
    QStringList members;
};

std::optional<Command> ParseCommand(const QStringList &arguments)
{
    if (arguments.size() < 4 || arguments.at(0) != "x"_L1 || arguments.at(1) != "-y"_L1
        || !arguments.at(2).startsWith("-p"_L1) || arguments.at(2).size() == 2
        || arguments.at(3).isEmpty())
        return std::nullopt;
    return Command{arguments.at(2).sliced(2).toUtf8(), arguments.at(3), arguments.mid(4)};
}

// The message comes from names inside the archive too: keep it on one line.
void PrintError(QString message)
{
    for (QChar &c : message) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    std::fputs((files::Extractor + u": "_s + message + u'\n').toLocal8Bit().constData(), stderr);
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    const std::optional<Command> command = ParseCommand(QCoreApplication::arguments().mid(1));
    if (!command) {
        PrintError(u"usage: %1 x -y -p<password> <archive> [<member>...]"_s.arg(files::Extractor));
        return static_cast<int>(ExtractorStatus::Usage);
    }
    ArchiveExtractor extractor(command->archive, command->password, QDir::current());
    extractor.setWanted(command->members);
    const ArchiveExtractor::Outcome outcome = extractor.run();
    if (outcome.status != ExtractorStatus::Ok)
        PrintError(outcome.message);
    return static_cast<int>(outcome.status);
}
