// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/FormsLoader.h"

#include "core/dictionary/ArchiveExtraction.h"
#include "core/dictionary/DictionaryFiles.h"
#include "core/dictionary/ExtractionFolder.h"
#include "core/dictionary/RegularFile.h"

#include <QDir>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace quillet {

LoadedForms FormsLoader::LoadForms(const QList<int> &directions, const LoadObserver &observer) const
{
    LoadedForms loaded;
    QStringList members;
    for (const files::FormsFile &file : files::Forms)
        if (directions.contains(file.direction))
            members.append(file.name);
    if (members.isEmpty()) {
        loaded.result.loaded = true;
        return loaded;
    }
    const QTemporaryDir folder(extraction::FolderTemplate());
    if (!folder.isValid()) {
        loaded.result = {false, false, {files::Database, u"no temporary folder: %1"_s.arg(folder.errorString())}};
        return loaded;
    }
    loaded.result = ExtractMembers({programDir_, folder.path(), members, std::chrono::seconds(60),
                                    [&observer] { return observer.cancelled(); }});
    if (!loaded.result.loaded)
        return loaded;

    for (const files::FormsFile &file : files::Forms) {
        if (!members.contains(file.name))
            continue;
        QFile forms;
        const QString path = QDir(folder.path()).filePath(file.name);
        if (OpenRegularFile(forms, path) != OpenOutcome::Opened)
            continue; // an archive made before the forms were: no forms
        if (forms.size() > MaxFileBytes) {
            loaded.result = {false, false, {file.name, u"larger than %1 bytes"_s.arg(MaxFileBytes)}};
            return loaded;
        }
        loaded.lines[std::size_t(file.direction - 1)] = forms.readAll();
        if (forms.error() != QFileDevice::NoError) {
            loaded.result = {false, false, {file.name, u"the file cannot be read: %1"_s.arg(forms.errorString())}};
            return loaded;
        }
    }
    return loaded;
}

} // namespace quillet
