// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/HeadwordLines.h"

#include "core/dictionary/FileNames.h"
#include "core/lookup/LetterKeys.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillet::lookup {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t Block = 32;

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

bool ContainsFolded(std::string_view line, std::string_view lowerWord)
{
    if (line.size() < lowerWord.size())
        return false;
    const char first = lowerWord.front();
    for (std::size_t at = 0; at + lowerWord.size() <= line.size(); ++at) {
        if (Lower(line[at]) != first)
            continue;
        std::size_t i = 1;
        while (i < lowerWord.size() && Lower(line[at + i]) == lowerWord[i])
            ++i;
        if (i == lowerWord.size())
            return true;
    }
    return false;
}

// Whether the line's key is `key`.
bool HasKey(std::string_view line, std::string_view key)
{
    if (line.size() < key.size())
        return false;
    // Most lines part from the key at their first letter, plain ASCII.
    if (!line.empty() && !key.empty() && static_cast<unsigned char>(line.front()) < 0x80 && Lower(line.front()) != key.front())
        return false;
    std::size_t matched = 0;
    for (std::size_t at = 0; at < line.size();) {
        const std::optional<char32_t> c = plain::NextCharacter(line, at);
        const std::optional<char> letter = c ? plain::AsciiKeyOf(*c) : std::nullopt;
        if (!letter)
            return false; // a letter whose key is no ASCII letter
        if (*letter == 0)
            continue; // a loose mark
        if (matched == key.size() || key[matched] != *letter)
            return false;
        ++matched;
    }
    return matched == key.size();
}

// The length of the character at `at` (a byte past ASCII) when the command line reads it
// as this does: clean UTF-8, and no letter whose case folding is an ASCII letter (ſ, the
// Kelvin sign); else 0.
std::size_t FitCharacterAt(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    // Two bytes, the common case: no noncharacter among them.
    if (byte(at) >= 0xC2 && byte(at) <= 0xDF && at + 1 < text.size() && (byte(at + 1) & 0xC0) == 0x80) {
        const char32_t c = char32_t((byte(at) & 0x1F) << 6 | (byte(at + 1) & 0x3F));
        return c == 0x017F ? 0 : 2;
    }
    std::size_t next = at;
    const std::optional<char32_t> c = plain::NextCharacter(text, next);
    return !c || *c == 0x212A ? 0 : next - at;
}

// Which bytes of a block of 32 are of interest, a bit each (bit i for byte i).
struct BlockBits {
    std::uint32_t newline = 0;
    std::uint32_t carriage = 0;
    std::uint32_t high = 0;   // past ASCII
    std::uint32_t listed = 0; // one a listed line may have the word at: its first two letters
    std::uint32_t keyed = 0;  // one a line with a key may start with
    std::uint32_t second = 0; // the word's second letter
};

// The bytes of the word's first two letters, either case.
struct WordBytes {
    explicit WordBytes(std::string_view word)
        : first{word.empty() ? '\n' : Lower(word[0]), word.empty() ? '\n' : Upper(word[0])}
        , second{word.size() < 2 ? '\n' : Lower(word[1]), word.size() < 2 ? '\n' : Upper(word[1])}
        , pair(word.size() >= 2)
    {
    }
    std::array<char, 2> first;
    std::array<char, 2> second;
    bool pair; // the word has two letters
};

// The word's first letter where the second follows, at the block's last byte where it may.
std::uint32_t Pairs(std::uint32_t first, std::uint32_t second, bool pair)
{
    return pair ? first & (second >> 1 | std::uint32_t(1) << 31) : first;
}

#if defined(__SSE2__)
// Tells the bytes of a block apart, 16 at a time.
class BlockClassifier {
public:
    BlockClassifier(const WordBytes &word, const std::array<char, 4> &keyBytes)
        : list0_(_mm_set1_epi8(word.first[0])), list1_(_mm_set1_epi8(word.first[1]))
        , second0_(_mm_set1_epi8(word.second[0])), second1_(_mm_set1_epi8(word.second[1])), pair_(word.pair)
        , key0_(_mm_set1_epi8(keyBytes[0])), key1_(_mm_set1_epi8(keyBytes[1])), key2_(_mm_set1_epi8(keyBytes[2]))
        , key3_(_mm_set1_epi8(keyBytes[3]))
    {
    }

    [[gnu::always_inline]] BlockBits operator()(const char *block) const
    {
        const BlockBits low = half(block);
        const BlockBits high = half(block + Block / 2);
        const std::uint32_t second = low.second | high.second << 16;
        return {low.newline | high.newline << 16, low.carriage | high.carriage << 16, low.high | high.high << 16,
                Pairs(low.listed | high.listed << 16, second, pair_), low.keyed | high.keyed << 16, second};
    }

    // Whether the bytes past ASCII (`high`) are whole characters of two bytes, none of
    // them ſ: the common case, told without decoding them.
    [[gnu::always_inline]] bool plainPairs(const char *block, std::uint32_t high) const
    {
        const auto halves = [block](auto &&bits) { return bits(block) | bits(block + Block / 2) << 16; };
        const auto load = [](const char *bytes) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes)); };
        const std::uint32_t leads = halves([&](const char *bytes) {
            const __m128i v = load(bytes); // signed: 0xC2 to 0xDF
            return std::uint32_t(_mm_movemask_epi8(
                _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8(char(0xC1))), _mm_cmplt_epi8(v, _mm_set1_epi8(char(0xE0))))));
        });
        const std::uint32_t follows = halves([&](const char *bytes) { // 0x80 to 0xBF
            return std::uint32_t(_mm_movemask_epi8(_mm_cmplt_epi8(load(bytes), _mm_set1_epi8(char(0xC0)))));
        });
        if ((leads | follows) != high || leads << 1 != follows || leads >> (Block - 1) != 0)
            return false;
        const std::uint32_t longS = halves([&](const char *bytes) { // 0xC5 0xBF
            return std::uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(load(bytes), _mm_set1_epi8(char(0xC5)))));
        });
        return longS == 0 || (halves([&](const char *bytes) {
                                  return std::uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(load(bytes), _mm_set1_epi8(char(0xBF)))));
                              }) & longS << 1) == 0;
    }

private:
    [[gnu::always_inline]] BlockBits half(const char *bytes) const
    {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes));
        const auto bits = [](__m128i m) { return std::uint32_t(_mm_movemask_epi8(m)); };
        const auto is = [&v](__m128i c) { return _mm_cmpeq_epi8(v, c); };
        return {bits(is(newline_)),
                bits(is(carriage_)),
                bits(v),
                bits(_mm_or_si128(is(list0_), is(list1_))),
                bits(_mm_or_si128(_mm_or_si128(is(key0_), is(key1_)), _mm_or_si128(is(key2_), is(key3_)))),
                bits(_mm_or_si128(is(second0_), is(second1_)))};
    }

    const __m128i newline_ = _mm_set1_epi8('\n');
    const __m128i carriage_ = _mm_set1_epi8('\r');
    __m128i list0_, list1_;             // the word's first letter
    __m128i second0_, second1_;         // its second
    bool pair_;
    __m128i key0_, key1_, key2_, key3_; // the keys' first letters
};

std::size_t LineFeeds(std::string_view bytes)
{
    std::size_t feeds = 0;
    std::size_t at = 0;
    const __m128i feed = _mm_set1_epi8('\n');
    while (bytes.size() - at >= 16) {
        // A count a byte, summed before it can overflow.
        __m128i counts = _mm_setzero_si128();
        for (int k = 0; k < 255 && bytes.size() - at >= 16; ++k, at += 16)
            counts = _mm_sub_epi8(counts, _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes.data() + at)), feed));
        const __m128i sums = _mm_sad_epu8(counts, _mm_setzero_si128());
        feeds += std::size_t(_mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4));
    }
    return feeds + std::size_t(std::count(bytes.begin() + std::ptrdiff_t(at), bytes.end(), '\n'));
}
#else
class BlockClassifier {
public:
    BlockClassifier(const WordBytes &word, const std::array<char, 4> &keyBytes) : word_(word), keys_(keyBytes) {}

    BlockBits operator()(const char *block) const
    {
        BlockBits bits;
        for (std::size_t i = 0; i < Block; ++i) {
            const char c = block[i];
            const std::uint32_t bit = 1u << i;
            bits.newline |= c == '\n' ? bit : 0;
            bits.carriage |= c == '\r' ? bit : 0;
            bits.high |= static_cast<unsigned char>(c) >= 0x80 ? bit : 0;
            bits.listed |= c == word_.first[0] || c == word_.first[1] ? bit : 0;
            bits.second |= c == word_.second[0] || c == word_.second[1] ? bit : 0;
            bits.keyed |= std::find(keys_.begin(), keys_.end(), c) != keys_.end() ? bit : 0;
        }
        bits.listed = Pairs(bits.listed, bits.second, word_.pair);
        return bits;
    }

    bool plainPairs(const char *, std::uint32_t) const { return false; }

private:
    WordBytes word_;
    std::array<char, 4> keys_;
};

std::size_t LineFeeds(std::string_view bytes)
{
    return std::size_t(std::count(bytes.begin(), bytes.end(), '\n'));
}
#endif

// A block shorter than 32 bytes, the rest of it taken for bytes of no interest.
BlockBits ClassifyPart(const BlockClassifier &classify, std::string_view part)
{
    std::array<char, Block> padded{};
    std::memcpy(padded.data(), part.data(), part.size());
    BlockBits bits = classify(padded.data());
    const std::uint32_t mask = (std::uint32_t(1) << part.size()) - 1;
    for (std::uint32_t *b : {&bits.newline, &bits.carriage, &bits.high, &bits.listed, &bits.keyed})
        *b &= mask;
    return bits;
}

} // namespace

HeadwordLines::HeadwordLines(std::string_view word, std::size_t limit, std::vector<std::string> keys)
    : word_(word), lowerWord_(word), limit_(word.empty() ? 0 : limit), keys_(std::move(keys)), withKey_(keys_.size())
{
    std::transform(lowerWord_.begin(), lowerWord_.end(), lowerWord_.begin(), Lower);
    // A line has the key only if its first character keys to the key's first letter:
    // an ASCII byte of that letter, or a character past ASCII (a letter with marks, a
    // loose mark), which every search looks at anyway.
    std::vector<char> first;
    for (const std::string &key : keys_) {
        if (key.empty()) {
            everyLineMayHaveKey_ = true;
            continue;
        }
        const char letter = key.front();
        keyFirstLetters_ += letter;
        keyPairs_.push_back({letter, key.size() > 1 ? key[1] : '\n'});
        if (letter >= 'A' && letter <= 'Z')
            continue; // no ASCII byte keys to a capital
        for (const char byte : {letter, Upper(letter)})
            if (std::find(first.begin(), first.end(), byte) == first.end())
                first.push_back(byte);
    }
    everyLineMayHaveKey_ = everyLineMayHaveKey_ || first.size() > keyFirstBytes_.size();
    // A line feed where no byte is wanted: an empty line has no key but the empty one.
    keyFirstBytes_.fill('\n');
    std::copy_n(first.begin(), std::min(first.size(), keyFirstBytes_.size()), keyFirstBytes_.begin());
}

void HeadwordLines::add(std::string_view piece)
{
    bytes_ += piece.size();
    if (std::int64_t(bytes_) > plain::files::MaxHeadwordsBytes)
        fit_ = false;
    if (!fit_)
        return;
    // The line the last piece ended in, or the first one, which may start with a byte
    // order mark.
    if (!begun_ || !carried_.empty()) {
        const std::size_t end = piece.find('\n');
        carried_.append(piece.substr(0, end));
        if (std::int64_t(carried_.size()) > plain::files::MaxLineBytes + std::int64_t(ByteOrderMark.size())) {
            fit_ = false;
            return;
        }
        if (end == std::string_view::npos)
            return;
        std::string_view line = carried_;
        if (!begun_ && line.starts_with(ByteOrderMark))
            line.remove_prefix(ByteOrderMark.size());
        begun_ = true;
        addLine(line);
        carried_.clear();
        piece.remove_prefix(end + 1);
    }
    const std::size_t last = piece.rfind('\n');
    if (last != std::string_view::npos) {
        addLines(piece.substr(0, last + 1));
        piece.remove_prefix(last + 1);
    }
    carried_.assign(piece);
}

bool HeadwordLines::finish()
{
    std::string_view line = carried_;
    if (fit_ && !begun_) {
        if (line.starts_with(ByteOrderMark))
            line.remove_prefix(ByteOrderMark.size());
        fit_ = !line.empty(); // an empty member
        begun_ = true;
    }
    if (fit_ && !carried_.empty())
        addLine(line); // the last line, without a line feed
    carried_.clear();
    if (entries_ > plain::files::MaxEntries)
        fit_ = false;
    return fit_;
}

std::vector<Line> HeadwordLines::withKey(std::string_view key) const
{
    std::vector<Line> lines;
    const auto k = std::find(keys_.begin(), keys_.end(), key);
    if (k != keys_.end())
        for (const int entry : withKey_[std::size_t(k - keys_.begin())])
            lines.push_back({entry, found_.at(entry)});
    return lines;
}

std::optional<std::string_view> HeadwordLines::headword(int entry) const
{
    const auto found = found_.find(entry);
    return found == found_.end() ? std::nullopt : std::optional<std::string_view>(found->second);
}

// Whole lines, the last one ending in a line feed, 32 bytes at a time: each block is
// checked for what makes the member unfit, and only the lines where a byte of interest
// lies are looked at (and the line feeds before them counted).
void HeadwordLines::addLines(std::string_view text)
{
    const BlockClassifier classify(WordBytes(word_), keyFirstBytes_);
    const bool keys = !keys_.empty();
    constexpr std::size_t None = std::string_view::npos;
    std::size_t checkedTo = 0;    // the characters before it are checked
    std::size_t lookedTo = 0;     // the lines before it are looked at
    std::size_t countedTo = 0;    // the line feeds before it are counted in `lines`
    int lines = entries_;
    std::size_t longLine = None;  // where a line with no feed in the last blocks starts
    std::uint32_t lastFeeds = 0;  // of the block before
    std::uint32_t lineStarts = 1; // the block's first byte starts a line
    for (std::size_t at = 0; at < text.size(); at += Block) {
        const std::size_t bytes = std::min(Block, text.size() - at);
        const BlockBits bits = bytes == Block ? classify(text.data() + at) : ClassifyPart(classify, text.substr(at));
        if (bits.carriage != 0) {
            fit_ = false;
            return;
        }
        // A line past the bounds runs through thousands of blocks without a line feed.
        if (bits.newline == 0 || longLine != None) {
            if (longLine == None)
                longLine = at == 0 ? 0 : at - Block + std::size_t(std::bit_width(lastFeeds));
            const std::size_t end = bits.newline == 0 ? at + bytes : at + std::size_t(std::countr_zero(bits.newline));
            if (std::int64_t(end - longLine) > plain::files::MaxLineBytes) {
                fit_ = false;
                return;
            }
            if (bits.newline != 0)
                longLine = None;
        }
        lastFeeds = bits.newline;
        const bool checked = bits.high == 0 || (bytes == Block && checkedTo <= at && classify.plainPairs(text.data() + at, bits.high));
        for (std::uint32_t high = checked ? 0 : bits.high; high != 0; high &= high - 1) {
            const std::size_t p = at + std::size_t(std::countr_zero(high));
            if (p < checkedTo)
                continue;
            const std::size_t length = FitCharacterAt(text, p);
            if (length == 0) {
                fit_ = false;
                return;
            }
            checkedTo = p + length;
        }
        // (A line feed at the end of the text starts no line in it.)
        const std::uint32_t starts = (lineStarts | bits.newline << 1) & (~std::uint32_t(0) >> (Block - bytes));
        lineStarts = bits.newline >> (Block - 1);
        std::uint32_t wanted = 0;
        if (containing_.size() < limit_)
            wanted = bits.listed;
        else if (startingWith_.size() < limit_)
            wanted = bits.listed & starts;
        // Lines that may have a key, by their first letter (and second, when both are
        // ASCII) as their start shows it.
        const std::uint32_t keyStarts = !keys ? 0 : everyLineMayHaveKey_ ? starts : (bits.keyed | bits.high) & starts & ~wanted;
        for (wanted |= keyStarts; wanted != 0; wanted &= wanted - 1) {
            const int bit = std::countr_zero(wanted);
            const std::size_t p = at + std::size_t(bit);
            if (p < lookedTo || ((keyStarts >> bit & 1) != 0 && !everyLineMayHaveKey_ && !mayStartKey(text, p)))
                continue;
            std::size_t start = p;
            while (start > 0 && text[start - 1] != '\n')
                --start;
            const std::size_t end = text.find('\n', p);
            lines += int(LineFeeds(text.substr(countedTo, start - countedTo)));
            look(++lines, text.substr(start, end - start));
            lookedTo = countedTo = end + 1;
        }
    }
    entries_ = lines + int(LineFeeds(text.substr(countedTo)));
}

// Whether the line starting at `at` (before the text's last line feed, its first
// character checked) may have a key.
bool HeadwordLines::mayStartKey(std::string_view text, std::size_t at)
{
    const char first = text[at];
    if (static_cast<unsigned char>(first) < 0x80) {
        if (first == '\n')
            return false; // an empty line
        const char second = text[at + 1];
        if (static_cast<unsigned char>(second) >= 0x80)
            return true;
        const std::array<char, 2> pair{Lower(first), Lower(second)};
        return std::find(keyPairs_.begin(), keyPairs_.end(), pair) != keyPairs_.end();
    }
    const auto told = [this](char32_t c) {
        const std::optional<char> key = plain::AsciiKeyOf(c);
        return key && (*key == 0 || keyFirstLetters_.find(*key) != std::string::npos);
    };
    std::size_t next = at;
    const char32_t c = plain::NextCharacter(text, next).value_or(0);
    if (c >= startsKey_.size())
        return told(c);
    // Lines start with few letters: each told once.
    if (startsKey_[c] == 0)
        startsKey_[c] = told(c) ? 1 : -1;
    return startsKey_[c] > 0;
}

// A line on its own, checked and looked at.
void HeadwordLines::addLine(std::string_view line)
{
    if (std::int64_t(line.size()) > plain::files::MaxLineBytes) {
        fit_ = false;
        return;
    }
    for (std::size_t at = 0; at < line.size();) {
        const auto byte = static_cast<unsigned char>(line[at]);
        const std::size_t length = byte == '\r' ? 0 : byte < 0x80 ? 1 : FitCharacterAt(line, at);
        if (length == 0) {
            fit_ = false;
            return;
        }
        at += length;
    }
    look(++entries_, line);
}

void HeadwordLines::look(int entry, std::string_view line)
{
    bool found = false;
    if (startingWith_.size() < limit_ && line.starts_with(word_)) {
        startingWith_.push_back(entry);
        found = true;
    }
    if (containing_.size() < limit_ && ContainsFolded(line, lowerWord_)) {
        containing_.push_back(entry);
        found = true;
    }
    for (std::size_t k = 0; k < keys_.size(); ++k) {
        if (HasKey(line, keys_[k])) {
            withKey_[k].push_back(entry);
            found = true;
        }
    }
    if (found)
        found_.emplace(entry, line);
}

} // namespace quillet::lookup
