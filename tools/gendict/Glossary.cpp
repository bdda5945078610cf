// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/Glossary.h"

#include "gendict/GenError.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

Glossary Glossary::read(const QString &dir)
{
    const QDir folder(dir);
    if (!folder.exists())
        throw GenError::inFile(dir, u"no such folder"_s);
    Glossary glossary;
    const QStringList names = folder.entryList({u"*.txt"_s}, QDir::Files, QDir::Name);
    for (qsizetype i = 0; i < names.size(); ++i)
        glossary.addFile(SourceFile::read(folder.filePath(names[i])), i);
    glossary.files_ = names;
    return glossary;
}

void Glossary::addFile(const SourceFile &file, qsizetype field)
{
    for (qsizetype i = 0; i < file.lines().size(); ++i) {
        const QString &line = file.lines()[i];
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList sides = line.split(u'\t');
        const QString direction = sides.value(2);
        if (sides.size() < 2 || sides.size() > 3 || sides[0].trimmed().isEmpty() || sides[1].trimmed().isEmpty()
            || (sides.size() == 3 && direction != u"en-ro"_s && direction != u"ro-en"_s))
            throw file.errorAt(i + 1, u"expected an English term, a tab, its Romanian equivalent and maybe a tab and "
                                      "\"en-ro\" or \"ro-en\""_s);
        const GlossaryPair pair{field, sides[0].simplified(), sides[1].simplified(), i + 1, direction != u"ro-en"_s,
                                direction != u"en-ro"_s};
        if (pair.isVerb() != pair.romanian.startsWith(u"a "_s))
            throw file.errorAt(i + 1, u"a verb is \"to ...\" in English and \"a ...\" in Romanian"_s);
        pairs_.append(pair);
    }
}

} // namespace quillet::gendict
