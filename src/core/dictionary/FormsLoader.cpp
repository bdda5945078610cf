// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/FormsLoader.h"

#include "core/archive/DictionaryArchive.h"
#include "core/dictionary/DictionaryFiles.h"
#include "core/dictionary/TextLines.h"

using namespace Qt::StringLiterals;

namespace quillet {

LoadedForms FormsLoader::LoadForms(const QList<int> &directions, const LoadObserver &observer) const
{
    LoadedForms loaded;
    QStringList members;
    for (const files::FormsFile &file : files::Forms)
        if (directions.contains(file.direction))
            members.append(file.name);
    if (members.isEmpty() || observer.cancelled()) {
        loaded.result.loaded = !observer.cancelled();
        loaded.result.cancelled = observer.cancelled();
        return loaded;
    }
    DictionaryMembers read = ReadDictionaryMembers(programDir_, members);
    loaded.result = read.result;
    if (!loaded.result.loaded)
        return loaded;

    for (const files::FormsFile &file : files::Forms) {
        const auto found = read.archive.members.find(QString(file.name));
        if (!members.contains(file.name) || found == read.archive.members.end())
            continue; // an archive made before the forms were: no forms
        // A member past a bound is left out, and named; the other direction's forms serve.
        QString problem;
        if (found->second.size() > MaxFileBytes)
            problem = u"the file is larger than %1 bytes"_s.arg(MaxFileBytes);
        else if (const qsizetype line = FirstLineLongerThan(found->second, files::MaxLineBytes); line > 0)
            problem = LongLineProblem(line);
        if (!problem.isEmpty()) {
            loaded.result = {false, false, {file.name, problem}};
            continue;
        }
        loaded.lines[std::size_t(file.direction - 1)] = std::move(found->second);
    }
    return loaded;
}

} // namespace quillet
