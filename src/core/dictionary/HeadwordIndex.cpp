// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/HeadwordIndex.h"

#include "core/dictionary/ByteSearch.h"
#include "core/dictionary/Diacritics.h"

#include <QChar>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>
#include <numeric>

namespace quillet {

namespace {

std::string_view View(const QByteArray &bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

// Compares an entry's headword with bytes, either way round.
struct HeadwordBytesOrder {
    const HeadwordText &text;
    bool operator()(int k, std::string_view bytes) const { return text.headword(k) < bytes; }
    bool operator()(std::string_view bytes, int k) const { return bytes < text.headword(k); }
};

} // namespace

std::string &HeadwordText::owned()
{
    if (!kept_.isNull()) {
        own_.assign(bytes());
        kept_ = QByteArray();
    }
    return own_;
}

void HeadwordText::clear()
{
    kept_ = QByteArray();
    own_.assign(1, Separator);
    starts_.assign(1, 1);
    byteCounts_.reset();
    byteOrder_.clear();
}

void HeadwordText::append(std::string_view utf8)
{
    std::string &bytes = owned();
    bytes.append(utf8);
    bytes.push_back(Separator);
    starts_.push_back(std::uint32_t(bytes.size()));
    byteCounts_.reset();
    byteOrder_.clear();
}

void HeadwordText::appendLines(std::string_view lines)
{
    std::string &bytes = owned();
    std::size_t at = bytes.size();
    bytes.append(lines);
    while (const void *end = std::memchr(bytes.data() + at, Separator, bytes.size() - at)) {
        at = std::size_t(static_cast<const char *>(end) - bytes.data()) + 1;
        starts_.push_back(std::uint32_t(at));
    }
    byteCounts_.reset();
    byteOrder_.clear();
}

void HeadwordText::reserve(std::size_t bytes, std::size_t entries)
{
    std::string &own = owned();
    own.reserve(own.size() + bytes);
    starts_.reserve(starts_.size() + entries);
}

bool HeadwordText::assign(Bytes taken, int entries, std::vector<int> order)
{
    const std::string_view bytes(taken.text.data(), std::size_t(taken.text.size()));
    // Entry 1 starts behind the separator in front; each separator ends one entry.
    std::vector<std::uint32_t> starts{1};
    if (bytes.empty() || bytes.front() != Separator || bytes.back() != Separator || entries < 0
        || bytes.size() >= std::numeric_limits<std::uint32_t>::max())
        return false;
    starts.reserve(std::size_t(entries) + 1);
    for (std::size_t at = 1; at < bytes.size(); ++at) {
        const auto *next = static_cast<const char *>(std::memchr(bytes.data() + at, Separator, bytes.size() - at));
        at = std::size_t(next - bytes.data());
        starts.push_back(std::uint32_t(at + 1));
    }
    if (starts.size() != std::size_t(entries) + 1)
        return false;
    if (!order.empty()) {
        std::vector<bool> seen(std::size_t(entries) + 1);
        for (const int k : order) {
            if (k < 1 || k > entries || seen[std::size_t(k)])
                return false;
            seen[std::size_t(k)] = true;
        }
        if (order.size() != std::size_t(entries))
            return false;
    }
    own_.clear();
    own_.shrink_to_fit();
    keptFrom_ = std::size_t(taken.text.data() - taken.buffer.constData());
    keptSize_ = bytes.size();
    kept_ = std::move(taken.buffer);
    starts_ = std::move(starts);
    byteCounts_.reset();
    byteOrder_ = std::move(order);
    return true;
}

const ByteSearch::ByteCounts &HeadwordText::byteCounts() const
{
    if (!byteCounts_) {
        byteCounts_.emplace();
        byteCounts_->fill(0);
        // For a single search, a kilobyte in every sixteen tells the rare bytes well enough.
        constexpr std::size_t Sample = 1024;
        const std::size_t step = searchedOnce_ ? 16 * Sample : Sample;
        const std::string_view text = bytes();
        for (std::size_t at = 0; at < text.size(); at += step)
            for (const char c : text.substr(at, Sample))
                ++(*byteCounts_)[static_cast<unsigned char>(c)];
    }
    return *byteCounts_;
}

std::string_view HeadwordText::headword(int k) const
{
    return bytes().substr(startOf(k), startOf(k + 1) - startOf(k) - 1);
}

int HeadwordText::entryAt(std::size_t offset) const
{
    const auto next = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return int(next - starts_.begin());
}

std::vector<int> HeadwordText::find(std::string_view needle, int entries, std::size_t limit) const
{
    std::vector<int> found;
    const bool anchored = !needle.empty() && needle.front() == Separator;
    const std::string_view text = bytes().substr(0, startOf(std::clamp(entries, 0, size()) + 1));
    const ByteSearch search(needle, byteCounts());
    std::size_t from = 0;
    while (found.size() < limit) {
        const std::size_t at = search.findIn(text, from);
        if (at == ByteSearch::npos)
            break;
        const int k = entryAt(anchored ? at + 1 : at);
        if (k > entries)
            break;
        found.push_back(k);
        // The next match must lie in a later headword; an anchored one's own separator
        // ends the previous headword, so it may begin right there.
        from = anchored ? startOf(k + 1) - 1 : startOf(k + 1);
    }
    return found;
}

namespace {

// The first eight bytes of a headword as one number that orders as the bytes do; a
// headword shorter than eight bytes is padded with zeros.
std::uint64_t LeadingBytes(std::string_view headword)
{
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 8; ++i)
        key = (key << 8) | (i < headword.size() ? static_cast<unsigned char>(headword[i]) : 0u);
    return key;
}

// Sorts the keyed entries by key, stably, one byte of the key at a time from the last:
// eight passes over the entries instead of a comparison sort's many string compares.
void RadixSort(std::vector<std::pair<std::uint64_t, int>> &keyed)
{
    // The counts of every byte position, taken in one pass.
    std::array<std::array<std::size_t, 257>, 8> starts{};
    for (const auto &entry : keyed)
        for (std::size_t byte = 0; byte < 8; ++byte)
            ++starts[byte][((entry.first >> (8 * byte)) & 0xFF) + 1];
    std::vector<std::pair<std::uint64_t, int>> other(keyed.size());
    for (std::size_t byte = 0; byte < 8; ++byte) {
        std::array<std::size_t, 257> &next = starts[byte];
        if (std::find(next.begin() + 1, next.end(), keyed.size()) != next.end())
            continue; // every key has the same byte here
        std::partial_sum(next.begin(), next.end(), next.begin());
        const int shift = int(8 * byte);
        for (const auto &entry : keyed)
            other[next[(entry.first >> shift) & 0xFF]++] = entry;
        keyed.swap(other);
    }
}

} // namespace

const std::vector<int> &HeadwordText::byteOrder() const
{
    if (byteOrder_.size() == std::size_t(size()))
        return byteOrder_;
    // The leading bytes settle most of the order; entries that share them are then put
    // in order by their whole headwords, ties in table order.
    std::vector<std::pair<std::uint64_t, int>> keyed(static_cast<std::size_t>(size()));
    for (int k = 1; k <= size(); ++k)
        keyed[std::size_t(k - 1)] = {LeadingBytes(headword(k)), k};
    RadixSort(keyed);
    for (auto run = keyed.begin(); run != keyed.end();) {
        const auto runEnd = std::find_if(run, keyed.end(), [&](const auto &e) { return e.first != run->first; });
        if (runEnd - run > 1)
            std::stable_sort(run, runEnd, [this](const auto &a, const auto &b) {
                return headword(a.second) < headword(b.second);
            });
        run = runEnd;
    }
    byteOrder_.resize(keyed.size());
    std::transform(keyed.begin(), keyed.end(), byteOrder_.begin(), [](const auto &key) { return key.second; });
    return byteOrder_;
}

std::vector<int> HeadwordText::findEqual(std::string_view headword, int entries) const
{
    // A binary search when the byte order is at hand; otherwise one scan for the
    // headword between two separators, so that a single look-up sorts nothing.
    if (byteOrder_.size() == std::size_t(size())) {
        const auto [first, last] = std::equal_range(byteOrder_.begin(), byteOrder_.end(), headword,
                                                    HeadwordBytesOrder{*this});
        std::vector<int> found;
        std::copy_if(first, last, std::back_inserter(found), [entries](int k) { return k <= entries; });
        return found; // in table order, as the byte order keeps ties
    }
    std::string line;
    line.reserve(headword.size() + 2);
    line += Separator;
    line += headword;
    line += Separator;
    return find(line, entries, std::numeric_limits<std::size_t>::max());
}

std::vector<int> HeadwordText::findStartingWith(std::string_view prefix, int entries, std::size_t limit) const
{
    if (searchedOnce_ && byteOrder_.size() != std::size_t(size())) {
        std::string line;
        line.reserve(prefix.size() + 1);
        line += Separator;
        line += prefix;
        return find(line, entries, limit);
    }
    const std::vector<int> &order = byteOrder();
    // The headwords that begin with the prefix are one run of the byte order.
    const auto first = std::lower_bound(order.begin(), order.end(), prefix, HeadwordBytesOrder{*this});
    const auto end = std::partition_point(first, order.end(),
                                          [&](int k) { return headword(k).substr(0, prefix.size()) == prefix; });
    std::vector<int> found;
    for (auto it = first; it != end; ++it)
        if (*it <= entries)
            found.push_back(*it);
    const std::size_t kept = std::min(limit, found.size());
    std::partial_sort(found.begin(), found.begin() + std::ptrdiff_t(kept), found.end());
    found.resize(kept);
    return found;
}

char32_t HeadwordIndex::foldCharacter(char32_t code)
{
    const char32_t lower = code < 0x80 ? (code >= U'A' && code <= U'Z' ? code + 32 : code) : QChar::toCaseFolded(code);
    return QChar::requiresSurrogates(lower) == QChar::requiresSurrogates(code) ? lower : code;
}

QString HeadwordIndex::fold(QStringView text)
{
    // Every character keeps its length, so the folding fills a string of the same size.
    QString folded(text.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(folded.data());
    const char16_t *begin = text.utf16();
    const char16_t *const end = begin + text.size();
    for (const char16_t *p = begin; p < end;) {
        if (QChar::isHighSurrogate(*p) && p + 1 < end && QChar::isLowSurrogate(p[1])) {
            const char32_t code = foldCharacter(QChar::surrogateToUcs4(p[0], p[1]));
            *out++ = QChar::highSurrogate(code);
            *out++ = QChar::lowSurrogate(code);
            p += 2;
        } else {
            *out++ = char16_t(foldCharacter(*p++));
        }
    }
    return folded;
}

std::array<HeadwordText *, HeadwordIndex::Texts> HeadwordIndex::texts()
{
    return {&stored_, &folded_, &storedWithoutMarks_, &foldedWithoutMarks_};
}

std::array<const HeadwordText *, HeadwordIndex::Texts> HeadwordIndex::texts() const
{
    return {&stored_, &folded_, &storedWithoutMarks_, &foldedWithoutMarks_};
}

bool HeadwordIndex::assign(std::array<HeadwordText::Bytes, Texts> texts, int entries, std::array<std::vector<int>, Texts> orders)
{
    const std::array<HeadwordText *, Texts> mine = this->texts();
    for (std::size_t i = 0; i < mine.size(); ++i)
        if (!mine[i]->assign(std::move(texts[i]), entries, std::move(orders[i]))) {
            clear();
            return false;
        }
    return true;
}

HeadwordIndex HeadwordIndex::OfLines(QByteArrayView utf8, const std::vector<LineSpan> &lines)
{
    HeadwordIndex index;
    for (HeadwordText *text : index.texts())
        text->reserve(std::size_t(utf8.size()) + lines.size(), lines.size());
    const auto isAscii = [&utf8](const LineSpan &line) {
        const QByteArrayView bytes = utf8.sliced(line.offset, line.length);
        return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    };
    // Most headwords are plain ASCII lines, one after another, each ended by a line feed
    // alone: each run of them is added at once.
    const auto inRun = [&](std::size_t k, std::size_t first) {
        const qsizetype after = qsizetype(lines[k].offset) + qsizetype(lines[k].length);
        return after < utf8.size() && utf8[after] == '\n' && isAscii(lines[k])
               && (k == first || lines[k].offset == lines[k - 1].offset + lines[k - 1].length + 1);
    };
    for (std::size_t k = 0; k < lines.size();) {
        std::size_t end = k;
        while (end < lines.size() && inRun(end, k))
            ++end;
        if (end == k) {
            index.appendUtf8(utf8.sliced(lines[k].offset, lines[k].length));
            ++k;
            continue;
        }
        const std::size_t from = lines[k].offset;
        const std::size_t to = std::size_t(lines[end - 1].offset) + lines[end - 1].length + 1;
        index.appendAsciiLines(std::string_view(utf8.data() + from, to - from));
        k = end;
    }
    return index;
}

void HeadwordIndex::setSearchedOnce(bool once)
{
    for (HeadwordText *text : texts())
        text->setSearchedOnce(once);
}

void HeadwordIndex::clear()
{
    stored_.clear();
    folded_.clear();
    storedWithoutMarks_.clear();
    foldedWithoutMarks_.clear();
}

void HeadwordIndex::append(QStringView headword)
{
    if (std::all_of(headword.begin(), headword.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        asciiScratch_.resize(std::size_t(headword.size()));
        std::transform(headword.begin(), headword.end(), asciiScratch_.begin(),
                       [](QChar c) { return char(c.unicode()); });
        asciiScratch_ += HeadwordText::Separator;
        appendAsciiLines(asciiScratch_);
        return;
    }
    const QString folded = fold(headword);
    stored_.append(View(headword.toUtf8()));
    folded_.append(View(folded.toUtf8()));
    storedWithoutMarks_.append(View(FoldDiacritics(headword).toUtf8()));
    foldedWithoutMarks_.append(View(FoldDiacritics(folded).toUtf8()));
}

void HeadwordIndex::appendUtf8(QByteArrayView utf8)
{
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        appendAscii(std::string_view(utf8.data(), std::size_t(utf8.size())));
    else
        appendMarked(utf8);
}

void HeadwordIndex::appendMarked(QByteArrayView utf8)
{
    // As append() makes them, unit by unit, in buffers kept for the next headword: every
    // character of a headword but the rare one outside the Basic Multilingual Plane is
    // one UTF-16 unit, folded and bared of its marks alone.
    std::u16string &stored = scratch_[0];
    stored.resize(std::size_t(utf8.size()));
    QChar *const units = reinterpret_cast<QChar *>(stored.data());
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    stored.resize(std::size_t(decoder.appendToBuffer(units, utf8) - units));
    if (std::any_of(stored.cbegin(), stored.cend(), [](char16_t unit) { return QChar::isSurrogate(unit); })) {
        append(QStringView(stored));
        return;
    }
    std::u16string &folded = scratch_[1];
    std::u16string &plain = scratch_[2];
    std::u16string &plainFolded = scratch_[3];
    folded.resize(stored.size());
    plain.resize(stored.size());
    plainFolded.resize(stored.size());
    std::size_t plainSize = 0;
    std::size_t plainFoldedSize = 0;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char16_t unit = stored[i];
        const auto foldedUnit = char16_t(foldCharacter(unit));
        folded[i] = foldedUnit;
        if (const std::optional<char16_t> bare = WithoutMarks(unit))
            plain[plainSize++] = *bare;
        if (const std::optional<char16_t> bare = WithoutMarks(foldedUnit))
            plainFolded[plainFoldedSize++] = *bare;
    }
    plain.resize(plainSize);
    plainFolded.resize(plainFoldedSize);
    stored_.append(std::string_view(utf8.data(), std::size_t(utf8.size())));
    folded_.append(utf8Of(folded));
    storedWithoutMarks_.append(utf8Of(plain));
    foldedWithoutMarks_.append(utf8Of(plainFolded));
}

std::string_view HeadwordIndex::utf8Of(QStringView text)
{
    utf8Scratch_.resize(std::size_t(text.size()) * 3);
    QStringEncoder encoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    char *const end = encoder.appendToBuffer(utf8Scratch_.data(), text);
    return std::string_view(utf8Scratch_.data(), std::size_t(end - utf8Scratch_.data()));
}

void HeadwordIndex::appendAsciiLines(std::string_view lines)
{
    // Most headwords are plain ASCII: their UTF-8 is their text, byte for byte, their
    // folding is A to Z in lower case, and they have no marks to take off.
    stored_.appendLines(lines);
    storedWithoutMarks_.appendLines(lines);
    foldedScratch_.resize(lines.size());
    std::transform(lines.begin(), lines.end(), foldedScratch_.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    folded_.appendLines(foldedScratch_);
    foldedWithoutMarks_.appendLines(foldedScratch_);
}

void HeadwordIndex::appendAscii(std::string_view headword)
{
    // The line is made in the buffer kept for it: no allocation a headword.
    asciiScratch_.assign(headword);
    asciiScratch_ += HeadwordText::Separator;
    appendAsciiLines(asciiScratch_);
}

void HeadwordIndex::set(int k, QStringView headword)
{
    if (k < 1)
        return;
    while (size() < k - 1)
        append(QStringView());
    if (size() == k - 1) {
        append(headword);
        return;
    }
    rebuildWith(k, headword);
}

void HeadwordIndex::rebuildWith(int k, QStringView headword)
{
    QStringList headwords;
    for (int i = 1; i <= size(); ++i) {
        const std::string_view bytes = stored_.headword(i);
        headwords.append(QString::fromUtf8(bytes.data(), qsizetype(bytes.size())));
    }
    headwords[k - 1] = headword.toString();
    clear();
    for (const QString &word : std::as_const(headwords))
        append(word);
}

} // namespace quillet
