// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/DictionaryLoader.h"

#include "core/archive/DictionaryArchive.h"
#include "core/dictionary/DictionaryFiles.h"
#include "core/dictionary/HeadwordIndexFile.h"
#include "core/dictionary/TextLines.h"

#include <algorithm>
#include <future>
#include <iterator>
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
};

TextFile Problem(QString problem)
{
    return {{}, {}, std::move(problem)};
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
    ForEachLine(WithoutByteOrderMark(all), [&](QByteArrayView line) {
        if (!text.problem.isEmpty())
            return;
        if (qsizetype(text.lines.size()) >= MaxEntries)
            text.problem = u"the file has more than %1 lines, the most a direction holds"_s.arg(MaxEntries);
        else if (line.size() > files::MaxLineBytes)
            text.problem = LongLineProblem(qsizetype(text.lines.size()) + 1);
        else
            text.lines.push_back({std::uint32_t(line.data() - all.data()), std::uint32_t(line.size())});
    });
    if (!text.problem.isEmpty())
        return Problem(text.problem);
    if (text.lines.empty())
        return Problem(u"the file is empty"_s);
    text.utf8 = std::move(contents);
    return all.isValidUtf8() ? text : InUtf8(text);
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
            members << set.headwords << set.translations;
            if (packedIndex_.contains(set.direction))
                members << set.index;
        }
    DictionaryMembers read = ReadDictionaryMembers(programDir_, members);
    if (!read.result.loaded) {
        loaded.result = read.result;
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

        const QByteArray translationsMember = TakeMember(read.archive, set.translations, &found);
        TextFile translations = MemberText(translationsMember, found, files::MaxTranslationsBytes);
        if (!translations.problem.isEmpty()) {
            loaded.result = Failed(set.translations, translations.problem);
            return loaded;
        }
        // Translations past the last headword translate nothing.
        if (qsizetype(translations.lines.size()) > count)
            translations.lines.resize(std::size_t(count));
        loaded.directions.push_back({d, {std::move(headwords.utf8), std::move(headwords.lines)},
                                     {std::move(translations.utf8), std::move(translations.lines)}, std::move(index)});
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
        table.setLines(d, DictTable::Translation, std::move(direction.translations.utf8),
                       std::move(direction.translations.lines));
        table.setEntryCount(d, count);
    }
    return LoadResult{true, false, {}};
}

} // namespace quillet
