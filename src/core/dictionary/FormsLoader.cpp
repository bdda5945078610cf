// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/FormsLoader.h"

#include "core/archive/DictionaryArchive.h"
#include "core/dictionary/DictionaryFiles.h"
#include "core/dictionary/TextLines.h"
#include "core/lookup/FormsBlockIndex.h"

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

std::vector<files::FormsFile> FormsOf(const QList<int> &directions)
{
    std::vector<files::FormsFile> asked;
    for (const files::FormsFile &file : files::Forms)
        if (directions.contains(file.direction))
            asked.push_back(file);
    return asked;
}

// Why the forms read are no forms to use: past a bound; empty when they serve.
QString ProblemOf(QByteArrayView lines)
{
    if (lines.size() > FormsLoader::MaxFileBytes)
        return u"the file is larger than %1 bytes"_s.arg(FormsLoader::MaxFileBytes);
    if (const qsizetype line = FirstLineLongerThan(lines, files::MaxLineBytes); line > 0)
        return LongLineProblem(line);
    return {};
}

QByteArray Take(ArchiveContents &archive, const QString &name, bool &found)
{
    const auto member = archive.members.find(name);
    found = member != archive.members.end();
    return found ? std::move(member->second) : QByteArray();
}

// The block index of a direction, when the archive has one that serves.
std::optional<FormsBlockIndex> IndexOf(ArchiveContents &archive, const files::FormsFile &file)
{
    bool found = false;
    const QByteArray index = Take(archive, file.blockIndex, found);
    return found ? FormsBlockIndex::decode(index) : std::nullopt;
}

// The blocks the index names, end to end; nothing when one is missing or not the block
// the index describes.
std::optional<QByteArray> JoinedBlocks(ArchiveContents &archive, const files::FormsFile &file,
                                       const FormsBlockIndex &index)
{
    // Joined in place: each block is let go once copied, and the whole is never moved.
    qint64 total = 0;
    for (int k = 1; k <= index.blocks(); ++k) {
        const auto block = archive.members.find(FormsBlockIndex::blockName(file, k));
        if (block != archive.members.end())
            total += block->second.size();
    }
    if (total > FormsLoader::MaxFileBytes)
        return std::nullopt;
    QByteArray lines;
    lines.reserve(qsizetype(total));
    for (int k = 1; k <= index.blocks(); ++k) {
        bool found = false;
        const QByteArray block = Take(archive, FormsBlockIndex::blockName(file, k), found);
        if (!found || !index.describes(k, block))
            return std::nullopt;
        lines += block;
    }
    return lines;
}

} // namespace

LoadedForms FormsLoader::LoadForms(const QList<int> &directions, const LoadObserver &observer) const
{
    LoadedForms loaded;
    const std::vector<files::FormsFile> asked = FormsOf(directions);
    if (asked.empty() || observer.cancelled()) {
        loaded.result.loaded = !observer.cancelled();
        loaded.result.cancelled = observer.cancelled();
        return loaded;
    }
    QStringList members;
    for (const files::FormsFile &file : asked)
        members << file.name << file.blockIndex;
    DictionaryMembers read = ReadDictionaryMembers(programDir_, members);
    loaded.result = read.result;
    if (!loaded.result.loaded)
        return loaded;

    // The blocks of the directions whose index serves, in a second read.
    std::array<std::optional<FormsBlockIndex>, 2> indexes;
    QStringList blocks;
    for (const files::FormsFile &file : asked) {
        std::optional<FormsBlockIndex> &index = indexes[std::size_t(file.direction - 1)];
        index = IndexOf(read.archive, file);
        for (int k = 1; index && k <= index->blocks(); ++k)
            blocks << FormsBlockIndex::blockName(file, k);
    }
    DictionaryMembers blocksRead = blocks.isEmpty() ? DictionaryMembers{} : ReadDictionaryMembers(programDir_, blocks);
    if (!blocks.isEmpty() && !blocksRead.result.loaded) {
        loaded.result = blocksRead.result;
        return loaded;
    }

    for (const files::FormsFile &file : asked) {
        const std::optional<FormsBlockIndex> &index = indexes[std::size_t(file.direction - 1)];
        bool whole = false;
        std::optional<QByteArray> lines = Take(read.archive, file.name, whole);
        if (index)
            if (std::optional<QByteArray> joined = JoinedBlocks(blocksRead.archive, file, *index))
                lines = std::move(joined);
        if (!index && !whole)
            continue; // an archive made before the forms were: no forms
        // Forms past a bound are left out, and named; the other direction's forms serve.
        const QString problem = index && lines->isEmpty() && !whole ? u"the blocks do not match their index"_s
                                                                    : ProblemOf(*lines);
        if (!problem.isEmpty()) {
            loaded.result = {false, false, {index ? file.blockIndex : file.name, problem}};
            continue;
        }
        loaded.lines[std::size_t(file.direction - 1)] = std::move(*lines);
    }
    return loaded;
}

FormsOnDemand FormsLoader::LoadFormsOnDemand(const QList<int> &directions) const
{
    FormsOnDemand forms;
    const std::vector<files::FormsFile> asked = FormsOf(directions);
    QStringList indexes;
    for (const files::FormsFile &file : asked)
        indexes << file.blockIndex;
    DictionaryMembers read = ReadDictionaryMembers(programDir_, indexes);
    forms.result = read.result;
    if (!forms.result.loaded)
        return forms;
    QList<int> whole;
    for (const files::FormsFile &file : asked) {
        const std::optional<FormsBlockIndex> index = IndexOf(read.archive, file);
        if (!index) {
            whole << file.direction;
            continue;
        }
        const auto readBlock = [programDir = programDir_, file, index = *index,
                                problems = forms.problems](int block) -> std::optional<QByteArray> {
            const QString name = FormsBlockIndex::blockName(file, block);
            DictionaryMembers blockRead = ReadDictionaryMembers(programDir, {name});
            bool found = false;
            QByteArray lines = Take(blockRead.archive, name, found);
            if (!blockRead.result.loaded)
                problems->append(blockRead.result.failure.message());
            else if (!found || !index.describes(block, lines) || !ProblemOf(lines).isEmpty())
                problems->append(u"%1: the block does not match its index"_s.arg(name));
            else
                return lines;
            return std::nullopt;
        };
        forms.tables[std::size_t(file.direction - 1)] = FormsTable(*index, readBlock);
    }
    if (!whole.isEmpty()) {
        LoadedForms loaded = LoadForms(whole, LoadObserver());
        if (!loaded.result.loaded)
            forms.result = loaded.result;
        for (const int d : whole)
            forms.tables[std::size_t(d - 1)] = FormsTable(std::move(loaded.lines[std::size_t(d - 1)]));
    }
    return forms;
}

} // namespace quillet
