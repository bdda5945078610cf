// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/SpellChecker.h"

#include "gendict/GenError.h"

#include <QProcess>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

QSet<QString> Hunspell::unknownWords(const QStringList &texts) const
{
    QProcess hunspell;
    hunspell.start(u"hunspell"_s, {u"-d"_s, dictionary_, u"-i"_s, u"UTF-8"_s, u"-l"_s});
    if (!hunspell.waitForStarted())
        throw GenError::inFile(dictionary_, u"cannot run hunspell: "_s + hunspell.errorString());
    // One text a line; no text holds a line break.
    hunspell.write((texts.join(u'\n') + u'\n').toUtf8());
    hunspell.closeWriteChannel();
    if (!hunspell.waitForFinished(-1) || hunspell.exitStatus() != QProcess::NormalExit || hunspell.exitCode() != 0)
        throw GenError::inFile(dictionary_, u"hunspell failed: "_s + QString::fromUtf8(hunspell.readAllStandardError()));
    QSet<QString> unknown;
    for (const QString &word : QString::fromUtf8(hunspell.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts))
        unknown.insert(word);
    return unknown;
}

} // namespace quillet::gendict
