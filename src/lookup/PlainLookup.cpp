// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/PlainLookup.h"

#include "core/archive/MemberReader.h"
#include "core/dictionary/FileNames.h"
#include "core/dictionary/LineBlocks.h"
#include "core/lookup/BaseCandidates.h"
#include "core/lookup/FormsBlocks.h"
#include "core/lookup/LetterKeys.h"
#include "core/lookup/ReportWords.h"
#include "lookup/HeadwordLines.h"
#include "lookup/SideBySide.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <utility>


namespace quillet::lookup {

namespace {

// As the command line lists them (MaxListedMatches, MaxBaseForms).
constexpr std::size_t MaxListed = 100;
constexpr std::size_t MaxOffered = 5;
constexpr std::int64_t MaxFormsBytes = 16 * 1024 * 1024;
// The piece of the headwords unpacked and searched at a time.
constexpr std::size_t HeadwordsPiece = 32 * 1024;

// Thrown when the answer is not this program's to give.
struct NotMine {};

void Require(bool holds)
{
    if (!holds)
        throw NotMine{};
}

template <typename T>
T Must(std::optional<T> value)
{
    Require(value.has_value());
    return std::move(*value);
}

std::u16string Utf16(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

// UTF-16 text as UTF-8, for the few bases the rules make with a Romanian letter.
std::string Utf8(std::u16string_view text)
{
    std::string utf8;
    for (const char16_t unit : text) {
        Require(unit < 0xD800 || unit >= 0xE000);
        plain::AppendUtf8(utf8, unit);
    }
    return utf8;
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

std::string LowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return LowerAscii(c); });
    return lower;
}

void AppendOnce(std::vector<std::string> &list, std::string word)
{
    if (std::find(list.begin(), list.end(), word) == list.end())
        list.push_back(std::move(word));
}

void AppendEach(std::vector<std::string> &list, const std::vector<std::string> &more)
{
    for (const std::string &word : more)
        AppendOnce(list, word);
}

// The lines of a text as the loader divides them: at each line feed, a carriage return
// before it dropped, a last line without one counted too.
template <typename Take>
void ForEachLine(std::string_view text, Take &&take)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        take(line);
    }
}

// The archive, read member by member; any problem leaves the answer to quillet-cli,
// which tells it as it always has. Each thread reads through an Archive of its own over
// the one archive opened.
class Archive {
public:
    explicit Archive(std::shared_ptr<const plain::ArchiveFile> file)
        : reader_(std::move(file), plain::files::ArchivePassword)
    {
        Require(reader_.ok());
    }

    std::string read(std::string_view member)
    {
        std::string bytes;
        read(member, bytes);
        return bytes;
    }

    // Into `bytes`, its capacity reused.
    void read(std::string_view member, std::string &bytes) { Require(reader_.read(member, bytes) && reader_.ok()); }

    // The member unpacked piece by piece into `chunk`, each piece given to `take`.
    void stream(std::string_view member, std::span<char> chunk, const plain::MemberReader::Take &take)
    {
        Require(reader_.stream(member, chunk, take) && reader_.ok());
    }

private:
    plain::MemberReader reader_;
};

// The base forms a forms block lists for a word.
struct ListedBases {
    std::vector<std::string> spelledAlike;
    std::vector<std::string> marksApart;
};

// One direction's forms, each block read when first asked for.
class Forms {
public:
    Forms(Archive &archive, const plain::files::FormsNames &names)
        : archive_(&archive), names_(&names), index_(Must(plain::FormsBlocks::decode(archive.read(names.blockIndex))))
    {
    }

    // Read once for each word.
    const ListedBases &basesOf(std::string_view word)
    {
        if (const auto known = bases_.find(word); known != bases_.end())
            return known->second;
        ListedBases found;
        const std::string key = Must(plain::AsciiKey(word));
        const std::optional<int> block = key.empty() ? std::nullopt : index_.blockOf(key);
        if (!block)
            return bases_.emplace(word, std::move(found)).first->second;
        ForEachFormLine(this->block(*block), [&](std::string_view form, std::string_view base) {
            // Most forms part from the key at their first letter, plain ASCII.
            const char first = form.front();
            if ((static_cast<unsigned char>(first) < 0x80 && LowerAscii(first) != key.front())
                || plain::AsciiKey(form) != key)
                return;
            AppendOnce(Must(plain::EqualButForCase(form, word)) ? found.spelledAlike : found.marksApart,
                       std::string(base));
        });
        return bases_.emplace(word, std::move(found)).first->second;
    }

private:
    template <typename Take>
    static void ForEachFormLine(std::string_view lines, Take &&take)
    {
        for (std::size_t at = 0; at < lines.size();) {
            std::size_t end = lines.find('\n', at);
            if (end == std::string_view::npos)
                end = lines.size();
            const std::string_view line = lines.substr(at, end - at);
            const std::size_t tab = line.find('\t');
            if (tab != std::string_view::npos && tab > 0 && tab + 1 < line.size())
                take(line.substr(0, tab), line.substr(tab + 1));
            at = end + 1;
        }
    }

    const std::string &block(int k)
    {
        if (const auto read = blocks_.find(k); read != blocks_.end())
            return read->second;
        std::string bytes = archive_->read(plain::files::BlockName(names_->blockPrefix, k));
        const std::string firstKey = Must(plain::AsciiKey(plain::FormsBlocks::firstWord(bytes)));
        Require(index_.describes(k, bytes, firstKey) && std::int64_t(bytes.size()) <= MaxFormsBytes);
        ForEachLine(bytes, [](std::string_view line) { Require(std::int64_t(line.size()) <= plain::files::MaxLineBytes); });
        return blocks_.emplace(k, std::move(bytes)).first->second;
    }

    Archive *archive_;
    const plain::files::FormsNames *names_;
    plain::FormsBlocks index_;
    std::map<int, std::string> blocks_;
    std::map<std::string, ListedBases, std::less<>> bases_; // of each word asked about
};

// The rows of one direction the report lists, as the command line finds them.
struct DirectionFinds {
    int d = 0;
    std::vector<int> startingWith;
    std::vector<int> containing;
    std::vector<int> otherCase;
    std::vector<int> baseForms;
    bool besideHeadword = false;

    bool empty() const { return startingWith.empty() && containing.empty() && otherCase.empty() && baseForms.empty(); }
};

// Reads the direction's headwords member into a pass over it.
using ReadHeadwords = std::function<void(HeadwordLines &)>;

// The word behind the query in one direction: its lists, other-case rows and base forms.
class Finder {
public:
    Finder(int d, ReadHeadwords read, Forms &forms) : d_(d), read_(std::move(read)), forms_(forms) {}

    DirectionFinds find(const std::string &query)
    {
        DirectionFinds finds{d_, {}, {}, {}, {}, false};
        // The keys the choice of base forms can ask about are known before the headwords
        // are read: one pass finds the lists and the headwords of every key.
        const HeadwordLines &lines = pass(query, keysAskedFor(query));
        finds.startingWith = lines.startingWith();
        finds.containing = lines.containing();
        for (const Line &line : alike_.at(LowerAscii(query)))
            if (line.text != query && Must(plain::EqualButForCase(line.text, query)) && finds.otherCase.size() < MaxOffered)
                finds.otherCase.push_back(line.entry);
        finds.baseForms = baseFormsRead(query);
        std::erase_if(finds.baseForms, [&finds](int k) {
            return std::find(finds.otherCase.begin(), finds.otherCase.end(), k) != finds.otherCase.end();
        });
        finds.besideHeadword = !finds.baseForms.empty() && entryOf(query).has_value();
        return finds;
    }

    // The headword of an entry the passes found.
    std::optional<std::string_view> headword(int entry) const
    {
        for (const HeadwordLines &lines : passes_)
            if (const std::optional<std::string_view> text = lines.headword(entry))
                return text;
        return std::nullopt;
    }

private:
    // A pass over the headwords for the lists of `word` and the headwords of the keys.
    const HeadwordLines &pass(std::string_view word, const std::vector<std::string> &keys)
    {
        HeadwordLines &lines = passes_.emplace_back(word, MaxListed, keys);
        read_(lines);
        Require(lines.finish());
        for (const std::string &key : keys)
            alike_[key] = lines.withKey(key);
        return lines;
    }

    // The query's key and those of every base either choice below may try, the bases of
    // a phrase's rest among them: a guess made before any headword is known, which
    // cannot fail the look-up.
    std::vector<std::string> keysAskedFor(const std::string &query)
    {
        unknown_.assign(1, LowerAscii(query));
        const auto gather = [this](auto &&bases) {
            try {
                for (const std::string &base : bases())
                    if (std::optional<std::string> key = plain::AsciiKey(base))
                        AppendOnce(unknown_, std::move(*key));
            } catch (const NotMine &) {
                // The choice itself tells, if it comes to it.
            }
        };
        gather([&] { return headwordBases(query); });
        gather([&] { return candidateBases(query); });
        return std::exchange(unknown_, {});
    }

    // The base forms, read in rounds: should the choice ask about a key no pass looked
    // for, one more pass looks for all it asked about, and the choice is made again.
    std::vector<int> baseFormsRead(const std::string &query)
    {
        constexpr int MaxRounds = 8;
        for (int round = 0;; ++round) {
            unknown_.clear();
            std::vector<int> entries = baseForms(query);
            if (unknown_.empty())
                return entries;
            Require(round < MaxRounds);
            pass({}, std::exchange(unknown_, {}));
        }
    }

    bool english() const { return d_ == 1; }

    // The entry of the headword spelled as the word, or failing that, as it but for case.
    std::optional<int> entryOf(std::string_view word)
    {
        std::string key = Must(plain::AsciiKey(word));
        const auto known = alike_.find(key);
        if (known == alike_.end()) {
            AppendOnce(unknown_, std::move(key));
            return std::nullopt;
        }
        const std::vector<Line> &alike = known->second;
        for (const Line &line : alike)
            if (line.text == word)
                return line.entry;
        for (const Line &line : alike)
            if (Must(plain::EqualButForCase(line.text, word)))
                return line.entry;
        return std::nullopt;
    }

    std::vector<std::string> listed(std::string_view word)
    {
        ListedBases found = forms_.basesOf(word);
        if (found.spelledAlike.empty())
            return found.marksApart;
        return found.spelledAlike;
    }

    static std::vector<std::string> Utf8All(const std::vector<std::u16string> &words)
    {
        std::vector<std::string> utf8;
        for (const std::u16string &word : words)
            utf8.push_back(Utf8(word));
        return utf8;
    }

    // The rest of the query after a particle in front of it, if it has one.
    std::optional<std::string> withoutParticle(std::string_view query) const
    {
        const std::size_t space = query.find(' ');
        if (space == std::string_view::npos || space == 0)
            return std::nullopt;
        const std::string first = LowerAscii(query.substr(0, space));
        const auto isFirst = [&first](std::u16string_view particle) { return Utf16(first) == particle; };
        const bool particle = english() ? std::any_of(std::begin(plain::EnglishParticleList),
                                                      std::end(plain::EnglishParticleList), isFirst)
                                        : std::any_of(std::begin(plain::RomanianParticleList),
                                                      std::end(plain::RomanianParticleList), isFirst);
        std::string_view rest = query.substr(space + 1);
        while (!rest.empty() && (rest.front() == ' ' || (rest.front() >= '\t' && rest.front() <= '\r')))
            rest.remove_prefix(1);
        while (!rest.empty() && (rest.back() == ' ' || (rest.back() >= '\t' && rest.back() <= '\r')))
            rest.remove_suffix(1);
        if (!particle || rest.empty())
            return std::nullopt;
        return std::string(rest);
    }

    std::vector<std::string> candidateBases(const std::string &query)
    {
        std::vector<std::string> bases = listed(query);
        if (english()) {
            AppendEach(bases, Utf8All(plain::EnglishBases(Utf16(LowerAscii(query)), false, plain::AsciiKinds())));
            // An irregular last word of a phrase: "carbon fibre indices".
            const std::size_t space = query.rfind(' ');
            if (space != std::string::npos && space > 0)
                for (const std::string &base : forms_.basesOf(query.substr(space + 1)).spelledAlike)
                    AppendOnce(bases, query.substr(0, space + 1) + base);
        } else if (bases.empty()) {
            // A form the list lacks but for its article.
            for (const std::string &stem : Utf8All(plain::RomanianBases(Utf16(LowerAscii(query))))) {
                AppendOnce(bases, stem);
                AppendEach(bases, listed(stem));
            }
        }
        if (const std::optional<std::string> rest = withoutParticle(query))
            AppendEach(bases, entryOf(*rest) ? std::vector<std::string>{*rest} : candidateBases(*rest));
        return bases;
    }

    std::vector<std::string> headwordBases(const std::string &query)
    {
        std::vector<std::string> bases = forms_.basesOf(query).spelledAlike;
        if (english())
            AppendEach(bases, Utf8All(plain::EnglishBases(Utf16(LowerAscii(query)), true, plain::AsciiKinds())));
        return bases;
    }

    std::vector<int> baseForms(const std::string &query)
    {
        std::vector<int> entries;
        const bool headword = entryOf(query).has_value();
        const std::string key = LowerAscii(query);
        for (const std::string &base : headword ? headwordBases(query) : candidateBases(query)) {
            // Beside a headword, the word itself is no base form of it.
            if (headword && plain::AsciiKey(base) == key)
                continue;
            const std::optional<int> k = entryOf(base);
            if (k && std::find(entries.begin(), entries.end(), *k) == entries.end())
                entries.push_back(*k);
            if (entries.size() == MaxOffered)
                break;
        }
        return entries;
    }

    int d_;
    ReadHeadwords read_;
    Forms &forms_;
    std::deque<HeadwordLines> passes_;
    std::map<std::string, std::vector<Line>> alike_; // the headwords of each key looked for
    std::vector<std::string> unknown_;               // the keys asked about that no pass looked for
};

// The translations of the entries, from the blocks that hold them.
std::map<int, std::string> TranslationsOf(Archive &archive, const plain::files::DirectionNames &names,
                                          std::vector<int> entries)
{
    std::map<int, std::string> translations;
    if (entries.empty())
        return translations;
    const plain::LineBlocks index = Must(plain::LineBlocks::decode(archive.read(names.translationBlocks)));
    Require(index.bytes() <= plain::files::MaxTranslationsBytes && index.lines() <= plain::files::MaxEntries);
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    std::string bytes;
    for (auto next = entries.begin(); next != entries.end();) {
        const std::optional<int> block = index.blockOf(*next);
        if (!block) // past the last line: no translation
            break;
        archive.read(plain::files::BlockName(names.translationBlockPrefix, *block), bytes);
        Require(index.describes(*block, bytes));
        std::string_view text = bytes;
        if (*block == 1 && text.starts_with("\xEF\xBB\xBF"))
            text.remove_prefix(3);
        std::int64_t line = index.firstLine(*block);
        ForEachLine(text, [&](std::string_view translation) {
            Require(std::int64_t(translation.size()) <= plain::files::MaxLineBytes);
            if (next != entries.end() && *next == line)
                translations[*next++] = std::string(translation);
            ++line;
        });
        const std::int64_t nextBlock = *block < index.blocks() ? index.firstLine(*block + 1) : index.lines() + 1;
        next = std::lower_bound(next, entries.end(), nextBlock);
    }
    return translations;
}

// What one direction prints: its lists, and the headword and translation of each entry
// in them.
struct DirectionAnswer {
    DirectionFinds finds;
    std::map<int, std::string> headwords;
    std::map<int, std::string> translations;
};

std::vector<int> Printed(const DirectionFinds &finds)
{
    std::vector<int> entries;
    for (const std::vector<int> *list : {&finds.startingWith, &finds.containing, &finds.otherCase, &finds.baseForms})
        entries.insert(entries.end(), list->begin(), list->end());
    return entries;
}

// Text printed as it is: clean UTF-8 that starts with no byte order mark.
std::string Printable(std::string_view text)
{
    Require(plain::IsCleanUtf8(text) && !text.starts_with("\xEF\xBB\xBF"));
    return std::string(text);
}

// One direction's look-up, through an archive reader of its own. Made, it has read the
// direction's forms index, and so derived the archive's keys.
class DirectionLookup {
public:
    DirectionLookup(int d, const std::shared_ptr<const plain::ArchiveFile> &file)
        : d_(d), names_(d == 1 ? plain::files::EnglishRomanian : plain::files::RomanianEnglish), archive_(file),
          forms_(archive_, d == 1 ? plain::files::EnglishRomanianForms : plain::files::RomanianEnglishForms)
    {
    }

    DirectionAnswer answer(const std::string &word)
    {
        // The headwords unpacked a piece at a time into room that stays in the cache, and
        // searched as they come.
        const auto chunk = std::make_unique_for_overwrite<char[]>(HeadwordsPiece);
        const auto read = [&](HeadwordLines &lines) {
            archive_.stream(names_.headwords, {chunk.get(), HeadwordsPiece}, [&lines](std::string_view piece) {
                lines.add(piece);
                return true;
            });
        };
        Finder finder(d_, read, forms_);
        DirectionAnswer answer;
        answer.finds = finder.find(word);
        const std::vector<int> printed = Printed(answer.finds);
        for (const int k : printed)
            answer.headwords[k] = Printable(Must(finder.headword(k)));
        for (auto &[k, translation] : TranslationsOf(archive_, names_, printed))
            answer.translations[k] = Printable(translation);
        return answer;
    }

private:
    int d_;
    const plain::files::DirectionNames &names_;
    Archive archive_;
    Forms forms_;
};

void WriteList(std::string &out, std::u16string_view heading, const std::vector<int> &entries,
               const DirectionAnswer &answer, bool first)
{
    if (!first)
        out += '\n';
    out += plain::report::Ascii(heading);
    out += '\n';
    for (const int k : entries) {
        out += answer.headwords.at(k);
        out += '\t';
        if (const auto translation = answer.translations.find(k); translation != answer.translations.end())
            out += translation->second;
        out += '\n';
    }
    out += plain::report::EnglishWordCount(std::int64_t(entries.size()), entries.size() >= MaxListed);
    out += '\n';
}

// The heading and rows of the list of that kind (no near misses: those are quillet-cli's).
std::pair<std::u16string_view, const std::vector<int> *> ListOf(const DirectionFinds &finds,
                                                                plain::report::ListKind kind)
{
    namespace words = plain::report;
    static const std::vector<int> none;
    switch (kind) {
    case words::ListKind::OtherCase:
        return {words::OtherCase, &finds.otherCase};
    case words::ListKind::BaseForms:
        return {words::BaseForms, &finds.baseForms};
    case words::ListKind::NearMisses:
        break;
    case words::ListKind::StartingWith:
        return {words::StartingWith, &finds.startingWith};
    case words::ListKind::Containing:
        return {words::Containing, &finds.containing};
    }
    return {{}, &none};
}

void WriteDirection(std::string &out, const DirectionAnswer &answer, bool named)
{
    namespace words = plain::report;
    const DirectionFinds &finds = answer.finds;
    if (named)
        out += words::Ascii(finds.d == 1 ? words::EnglishRomanian : words::RomanianEnglish) + '\n';
    bool first = true;
    for (const words::ListKind kind : words::ListOrder(finds.besideHeadword)) {
        const auto [heading, entries] = ListOf(finds, kind);
        if (entries->empty() && !words::WrittenWhenEmpty(kind))
            continue;
        WriteList(out, heading, *entries, answer, first);
        first = false;
    }
}

} // namespace

std::optional<std::string> AnswerOf(const PlainRequest &request, const std::string &archivePath)
{
    try {
        // The archive opened once; the directions read it side by side.
        const auto file = std::make_shared<const plain::ArchiveFile>(archivePath);
        Require(file->ok());
        // The first direction is set up before the others start: its keys, derived once,
        // serve them all, and no thread sleeps waiting for another's derivation.
        DirectionLookup first(request.directions.front(), file);
        std::vector<DirectionAnswer> answers(request.directions.size());
        std::vector<std::function<void()>> jobs;
        jobs.emplace_back([&] { answers.front() = first.answer(request.word); });
        for (std::size_t i = 1; i < request.directions.size(); ++i)
            jobs.emplace_back([&, i] { answers[i] = DirectionLookup(request.directions[i], file).answer(request.word); });
        RunSideBySide(jobs);
        // Nothing found: quillet-cli offers near misses and says so.
        Require(std::any_of(answers.begin(), answers.end(), [](const DirectionAnswer &a) { return !a.finds.empty(); }));
        std::string out;
        for (const DirectionAnswer &answer : answers) {
            if (&answer != &answers.front())
                out += '\n';
            WriteDirection(out, answer, answers.size() > 1);
        }
        return out;
    } catch (const NotMine &) {
        return std::nullopt;
    }
}

} // namespace quillet::lookup
