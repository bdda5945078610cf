// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/DictionaryLoader.h"

#include "core/archive/DictionaryArchive.h"
#include "core/dictionary/DictionaryFiles.h"
#include "core/dictionary/HeadwordIndexFile.h"
#include "core/dictionary/LineBlockIndex.h"
#include "core/dictionary/TextLines.h"

#include <algorithm>
#include <future>
#include <iterator>
#include <map>
#include <mutex>

using namespace Qt::StringLiterals;

namespace quillet {

QString LoadFailure::message() const
{
    return u"%1: %2"_s.arg(file, cause);
}

QString LongLineProblem(qsizetype line)
{
    return u"line %1 is longer than %2 bytes"_s.arg(line).arg(files::MaxLineBytes);
}

int LoadPercent(int k, int lines)
{
    return int(double(k) / double(lines + 1) * 100.0);
}

namespace {

LoadResult Failed(QString file, QString cause)
{
    return LoadResult{false, false, LoadFailure{std::move(file), std::move(cause)}};
}

// The most entries a direction holds: every line of a file fills one.
constexpr qsizetype MaxEntries = DictTable::Capacity;

// The first lines of one extracted text file, as UTF-8. A missing or empty file, one
// larger than its bound, or one with a line past the limit leaves no dictionary.
struct TextFile {
    QByteArray utf8;
    std::vector<LineSpan> lines;
    QString problem;
    std::vector<QByteArray> blocks = {}; // where the lines lie when not in utf8
};

TextFile Problem(QString problem)
{
    return {{}, {}, std::move(problem)};
}

// Adds the lines of `piece` (a part of `block`, which starts at `start` in the file) to
// the text's, or the problem with them: past the most lines a direction holds, or a line
// past the limit.
void AppendLines(TextFile &text, QByteArrayView block, QByteArrayView piece, std::uint32_t start)
{
    ForEachLine(piece, [&](QByteArrayView line) {
        if (!text.problem.isEmpty())
            return;
        if (qsizetype(text.lines.size()) >= MaxEntries)
            text.problem = u"the file has more than %1 lines, the most a direction holds"_s.arg(MaxEntries);
        else if (line.size() > files::MaxLineBytes)
            text.problem = LongLineProblem(qsizetype(text.lines.size()) + 1);
        else
            text.lines.push_back({start + std::uint32_t(line.data() - block.data()), std::uint32_t(line.size())});
    });
}

// A file with lines that are not UTF-8 (from an older Windows machine) in UTF-8, each
// line decoded as LineDecoder does.
TextFile InUtf8(const TextFile &text)
{
    TextFile converted;
    LineDecoder decoder;
    for (const LineSpan &span : text.lines) {
        const QByteArray line = decoder.decode(QByteArrayView(text.utf8).sliced(span.offset, span.length)).toUtf8();
        converted.lines.push_back({std::uint32_t(converted.utf8.size()), std::uint32_t(line.size())});
        converted.utf8 += line;
        converted.utf8 += '\n';
    }
    return converted;
}

// Finds the lines of the file's bytes, read whole, in place; a UTF-8 byte order mark at
// the start is skipped. One read of a file of known size costs a few milliseconds where
// reading line by line cost a buffer per line. A file of more lines than a direction
// holds is refused, as is one with a line past the limit.
TextFile SplitTextFile(QByteArray contents)
{
    const QByteArrayView all(contents);
    TextFile text;
    // One span a line, counted first: the spans are made in place, never moved.
    text.lines.reserve(std::min(std::size_t(std::count(all.begin(), all.end(), '\n')) + 1, std::size_t(MaxEntries)));
    AppendLines(text, all, WithoutByteOrderMark(all), 0);
    if (!text.problem.isEmpty())
        return Problem(text.problem);
    if (text.lines.empty())
        return Problem(u"the file is empty"_s);
    text.utf8 = std::move(contents);
    if (!all.isValidUtf8())
        return InUtf8(text);
    return text;
}

// Takes one member out of what was read; empty when the archive lacks it.
QByteArray TakeMember(ArchiveContents &archive, QLatin1StringView name, bool *found = nullptr)
{
    const auto member = archive.members.find(QString(name));
    if (found)
        *found = member != archive.members.end();
    if (member == archive.members.end())
        return {};
    QByteArray contents = std::move(member->second);
    archive.members.erase(member);
    return contents;
}

// One text member of the archive, as read into memory, within its bound.
TextFile MemberText(const QByteArray &contents, bool found, qint64 maxBytes)
{
    if (!found)
        return Problem(u"the file is missing from the archive"_s);
    if (contents.size() > maxBytes)
        return Problem(u"the file is larger than %1 bytes"_s.arg(maxBytes));
    return SplitTextFile(contents);
}

// The packer's index when it was made from these very headwords; else the table makes it.
// A decoding copies most of the index, so decodings on other threads (the directions read
// side by side) take turns, each index let go before the next is copied: one load takes
// no more memory than one that reads the directions in turn.
std::optional<HeadwordIndex> PackedIndex(QByteArray member, QByteArrayView headwords, int count)
{
    static std::mutex turn;
    const std::lock_guard lock(turn);
    const QByteArray index = std::move(member);
    if (index.isEmpty() || index.size() > files::MaxIndexBytes)
        return std::nullopt;
    return HeadwordIndexFile::decode(index, headwords, count);
}

// The index of a direction's translation blocks, when the archive has one that serves.
std::optional<LineBlockIndex> TranslationBlocksOf(ArchiveContents &archive, const files::DirectionFiles &set)
{
    bool found = false;
    const QByteArray index = TakeMember(archive, set.translationBlocks, &found);
    return found ? LineBlockIndex::decode(index) : std::nullopt;
}

QString BlockName(const files::DirectionFiles &set, int block)
{
    return LineBlockIndex::blockName(set.translationBlockPrefix, block);
}

// Why the blocks of a direction's translations are none to use; empty when they serve.
QString BoundsProblem(const LineBlockIndex &index)
{
    if (index.bytes() > files::MaxTranslationsBytes)
        return u"the file is larger than %1 bytes"_s.arg(files::MaxTranslationsBytes);
    if (index.lines() > MaxEntries)
        return u"the file has more than %1 lines, the most a direction holds"_s.arg(MaxEntries);
    return {};
}

// One block of the translations, taken out of what was read: the block the index
// describes, or a problem that names it.
QByteArray TakeBlock(ArchiveContents &archive, const files::DirectionFiles &set, const LineBlockIndex &index,
                     int block, QString &problem)
{
    bool found = false;
    QByteArray bytes = TakeMember(archive, QLatin1StringView(BlockName(set, block).toLatin1()), &found);
    if (!found || !index.describes(block, bytes))
        problem = u"block \"%1\" %2"_s.arg(BlockName(set, block),
                                             found ? u"does not match the blocks' index"_s : u"is missing"_s);
    return bytes;
}

// A direction's translations as one text file: its blocks end to end, or the one member
// of an older archive.
TextFile TranslationsText(ArchiveContents &archive, const files::DirectionFiles &set,
                          const std::optional<LineBlockIndex> &blocks)
{
    bool found = false;
    if (!blocks) {
        const QByteArray whole = TakeMember(archive, set.translations, &found);
        return MemberText(whole, found, files::MaxTranslationsBytes);
    }
    if (const QString problem = BoundsProblem(*blocks); !problem.isEmpty())
        return Problem(problem);
    TextFile text;
    bool inPlace = true; // every block UTF-8, and each but the last ending its last line
    for (int k = 1; k <= blocks->blocks(); ++k) {
        QString problem;
        const QByteArray &block = text.blocks.emplace_back(TakeBlock(archive, set, *blocks, k, problem));
        if (!problem.isEmpty())
            return Problem(problem);
        inPlace = inPlace && (k == 1 ? WithoutByteOrderMark(block) : QByteArrayView(block)).isValidUtf8()
                  && (k == blocks->blocks() || block.isEmpty() || block.endsWith('\n'));
    }
    if (!inPlace) { // read as the one file they make
        QByteArray joined;
        joined.reserve(blocks->bytes());
        for (const QByteArray &block : text.blocks)
            joined += block;
        return MemberText(joined, true, files::MaxTranslationsBytes);
    }
    // The lines are found where they lie, each block kept as it was read.
    text.lines.reserve(std::size_t(std::min(blocks->lines(), qint64(MaxEntries))));
    std::uint32_t start = 0;
    for (std::size_t k = 0; k < text.blocks.size() && text.problem.isEmpty(); ++k) {
        const QByteArrayView block(text.blocks[k]);
        AppendLines(text, block, k == 0 ? WithoutByteOrderMark(block) : block, start);
        start += std::uint32_t(block.size());
    }
    if (qint64(start) > files::MaxTranslationsBytes)
        return Problem(u"the file is larger than %1 bytes"_s.arg(files::MaxTranslationsBytes));
    if (!text.problem.isEmpty())
        return Problem(text.problem);
    if (text.lines.empty())
        return Problem(u"the file is empty"_s);
    return text;
}

// The blocks of every direction's translations, read into `archive` beside its other
// members; the directions whose archive has no blocks are left as they are.
LoadResult ReadTranslationBlocks(const QString &programDir, ArchiveContents &archive,
                                 std::map<int, std::optional<LineBlockIndex>> &indexes)
{
    QStringList names;
    for (const files::DirectionFiles &set : files::Directions)
        if (const auto index = indexes.find(set.direction); index != indexes.end() && index->second)
            for (int k = 1; k <= index->second->blocks(); ++k)
                names << BlockName(set, k);
    if (names.isEmpty())
        return LoadResult{true, false, {}};
    DictionaryMembers read = ReadDictionaryMembers(programDir, names);
    archive.members.merge(read.archive.members);
    return read.result;
}

// Sets the translations of the entries wanted (each at most the table's entry count)
// from the blocks that hold them, as read; says why not when a block does not serve.
QString TranslationRows(DictTable &table, int d, ArchiveContents &archive, const files::DirectionFiles &set,
                        const LineBlockIndex &index, std::vector<int> wanted)
{
    std::erase_if(wanted, [](int k) { return k < 1; });
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
    LineDecoder decoder;
    for (auto next = wanted.begin(); next != wanted.end();) {
        const std::optional<int> block = index.blockOf(*next);
        if (!block) // past the last line: no translation
            break;
        QString problem;
        const QByteArray bytes = TakeBlock(archive, set, index, *block, problem);
        if (!problem.isEmpty())
            return problem;
        qint64 line = index.firstLine(*block);
        ForEachLine(*block == 1 ? WithoutByteOrderMark(bytes) : QByteArrayView(bytes), [&](QByteArrayView text) {
            if (!problem.isEmpty())
                return;
            if (text.size() > files::MaxLineBytes)
                problem = LongLineProblem(line);
            else if (next != wanted.end() && *next == line)
                table.set(d, DictTable::Translation, *next++, decoder.decode(text));
            ++line;
        });
        if (!problem.isEmpty())
            return problem;
        const qint64 nextBlock = *block < index.blocks() ? index.firstLine(*block + 1) : index.lines() + 1;
        next = std::lower_bound(next, wanted.end(), nextBlock);
    }
    return {};
}

} // namespace

DictionaryLoader::DictionaryLoader(QString programDir) : programDir_(std::move(programDir)) {}

void DictionaryLoader::setDirections(QList<int> directions)
{
    directions_ = std::move(directions);
}

void DictionaryLoader::setPackedIndex(QList<int> directions)
{
    packedIndex_ = std::move(directions);
}

LoadResult DictionaryLoader::LoadDictionary(DictTable &table, LoadObserver &observer) const
{
    observer.extracting();
    if (observer.cancelled())
        return LoadResult{false, true, {}};
    return LoadDictionary(table, observer, read());
}

DictionaryRead DictionaryLoader::read() const
{
    if (directions_.size() > 1)
        return readSideBySide();
    DictionaryRead loaded;
    QStringList members;
    for (const files::DirectionFiles &set : files::Directions)
        if (directions_.contains(set.direction)) {
            members << set.headwords;
            if (!oneLookUp_)
                members << set.translations << set.translationBlocks;
            if (packedIndex_.contains(set.direction))
                members << set.index;
        }
    DictionaryMembers read = ReadDictionaryMembers(programDir_, members);
    if (!read.result.loaded) {
        loaded.result = read.result;
        return loaded;
    }
    std::map<int, std::optional<LineBlockIndex>> blocks;
    for (const files::DirectionFiles &set : files::Directions)
        if (directions_.contains(set.direction) && !oneLookUp_)
            blocks[set.direction] = TranslationBlocksOf(read.archive, set);
    if (const LoadResult blocksRead = ReadTranslationBlocks(programDir_, read.archive, blocks); !blocksRead.loaded) {
        loaded.result = blocksRead;
        return loaded;
    }

    for (const files::DirectionFiles &set : files::Directions) {
        const int d = set.direction;
        if (!directions_.contains(d))
            continue;
        bool found = false;
        const QByteArray headwordsMember = TakeMember(read.archive, set.headwords, &found);
        TextFile headwords = MemberText(headwordsMember, found, files::MaxHeadwordsBytes);
        if (!headwords.problem.isEmpty()) {
            loaded.result = Failed(set.headwords, headwords.problem);
            return loaded;
        }
        const int count = int(headwords.lines.size());
        std::optional<HeadwordIndex> index =
            PackedIndex(TakeMember(read.archive, set.index), WithoutByteOrderMark(headwordsMember), count);
        if (!index && oneLookUp_) {
            index = HeadwordIndex::OfLines(headwords.utf8, headwords.lines);
            index->setSearchedOnce(true);
        }
        if (oneLookUp_) {
            loaded.directions.push_back({d, {std::move(headwords.utf8), std::move(headwords.lines)}, {}, std::move(index)});
            continue;
        }
        TextFile translations = TranslationsText(read.archive, set, blocks[d]);
        if (!translations.problem.isEmpty()) {
            loaded.result = Failed(set.translations, translations.problem);
            return loaded;
        }
        // Translations past the last headword translate nothing.
        if (qsizetype(translations.lines.size()) > count)
            translations.lines.resize(std::size_t(count));
        loaded.directions.push_back({d,
                                     {std::move(headwords.utf8), std::move(headwords.lines)},
                                     {std::move(translations.utf8), std::move(translations.lines),
                                      std::move(translations.blocks)},
                                     std::move(index)});
    }
    loaded.result.loaded = true;
    return loaded;
}

// The directions are read side by side, the first on this thread and each other on a
// thread of its own: unpacking is most of a load's work, and the directions' members are
// apart. The first direction's failure is the one told.
DictionaryRead DictionaryLoader::readSideBySide() const
{
    std::vector<DictionaryLoader> ones;
    for (const files::DirectionFiles &set : files::Directions)
        if (directions_.contains(set.direction)) {
            ones.push_back(*this);
            ones.back().directions_ = {set.direction};
        }
    std::vector<std::future<DictionaryRead>> others;
    for (std::size_t i = 1; i < ones.size(); ++i)
        others.push_back(std::async(std::launch::async, [one = ones[i]] { return one.read(); }));
    DictionaryRead loaded = ones.front().read();
    for (std::future<DictionaryRead> &other : others) {
        DictionaryRead read = other.get();
        if (!loaded.result.loaded)
            continue;
        if (!read.result.loaded)
            loaded = DictionaryRead{read.result, {}};
        else
            std::move(read.directions.begin(), read.directions.end(), std::back_inserter(loaded.directions));
    }
    return loaded;
}

LoadResult DictionaryLoader::LoadDictionary(DictTable &table, LoadObserver &observer, DictionaryRead read) const
{
    if (observer.cancelled())
        return LoadResult{false, true, {}};
    if (!read.result.loaded)
        return read.result;
    for (DictionaryRead::Direction &direction : read.directions) {
        const int d = direction.direction;
        const int count = int(direction.headwords.lines.size());
        table.setLines(d, DictTable::Headword, std::move(direction.headwords.utf8),
                       std::move(direction.headwords.lines), std::move(direction.index));
        if (d == DictTable::EnglishRomanian) {
            for (int k = 1; k <= count; ++k)
                if (!observer.lineRead(LoadPercent(k, count)))
                    return LoadResult{false, true, {}};
            observer.progressDone();
        }
        TextLinesRead &translations = direction.translations;
        if (translations.blocks.empty())
            table.setLines(d, DictTable::Translation, std::move(translations.utf8), std::move(translations.lines));
        else
            table.setLines(d, DictTable::Translation, std::move(translations.blocks), std::move(translations.lines));
        table.setEntryCount(d, count);
    }
    return LoadResult{true, false, {}};
}

void DictionaryLoader::setForOneLookUp(bool oneLookUp)
{
    oneLookUp_ = oneLookUp;
}

LoadResult DictionaryLoader::LoadTranslations(DictTable &table, const std::map<int, std::vector<int>> &entries) const
{
    QStringList indexes;
    for (const files::DirectionFiles &set : files::Directions)
        if (const auto wanted = entries.find(set.direction); wanted != entries.end() && !wanted->second.empty())
            indexes << set.translationBlocks;
    if (indexes.isEmpty())
        return LoadResult{true, false, {}};
    DictionaryMembers read = ReadDictionaryMembers(programDir_, indexes);
    if (!read.result.loaded)
        return read.result;

    // The blocks of the entries asked for, or the whole member of an older archive.
    std::map<int, std::optional<LineBlockIndex>> blocks;
    QStringList names;
    for (const files::DirectionFiles &set : files::Directions) {
        const auto wanted = entries.find(set.direction);
        if (wanted == entries.end() || wanted->second.empty())
            continue;
        const std::optional<LineBlockIndex> &index = blocks[set.direction] = TranslationBlocksOf(read.archive, set);
        if (!index) {
            names << set.translations;
            continue;
        }
        if (const QString problem = BoundsProblem(*index); !problem.isEmpty())
            return Failed(set.translations, problem);
        for (const int k : wanted->second)
            if (const std::optional<int> block = index->blockOf(k); block && !names.contains(BlockName(set, *block)))
                names << BlockName(set, *block);
    }
    DictionaryMembers blocksRead = ReadDictionaryMembers(programDir_, names);
    if (!blocksRead.result.loaded)
        return blocksRead.result;

    for (const auto &[d, index] : blocks) {
        const files::DirectionFiles &set = files::Directions[std::size_t(d - 1)];
        const std::vector<int> &wanted = entries.at(d);
        const int count = table.EntryCount(d);
        if (!index) {
            TextFile whole = TranslationsText(blocksRead.archive, set, std::nullopt);
            if (!whole.problem.isEmpty())
                return Failed(set.translations, whole.problem);
            if (qsizetype(whole.lines.size()) > count)
                whole.lines.resize(std::size_t(count));
            table.setLines(d, DictTable::Translation, std::move(whole.utf8), std::move(whole.lines));
            continue;
        }
        if (const QString problem = TranslationRows(table, d, blocksRead.archive, set, *index, wanted); !problem.isEmpty())
            return Failed(set.translations, problem);
    }
    return LoadResult{true, false, {}};
}

} // namespace quillet
