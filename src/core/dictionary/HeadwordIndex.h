// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/ByteSearch.h"
#include "core/dictionary/TextColumn.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// Headwords laid end to end in UTF-8, each followed by a line feed, with one more line
// feed in front. UTF-8 keeps a search one byte scan over one buffer, and a byte match is
// a character match because no character's bytes begin inside another's.
class HeadwordText {
public:
    static constexpr char Separator = '\n';

    HeadwordText() { clear(); }

    void clear();
    void append(std::string_view utf8);
    // Adds the headwords of lines, each ended by a line feed.
    void appendLines(std::string_view lines);
    // Makes room for this many more bytes and entries.
    void reserve(std::size_t bytes, std::size_t entries);
    // Headwords laid out as bytes() has them, somewhere in a buffer: they are kept where
    // they lie, the buffer shared, not copied.
    struct Bytes {
        QByteArray buffer;
        QByteArrayView text; // within buffer
    };
    // Takes headwords laid out as bytes() has them, and their byte order when it is given
    // (else it is made when first needed). False, and nothing taken, when the bytes do not
    // hold that many headwords or the order is not one of those entries. A change made
    // afterwards copies them first.
    bool assign(Bytes bytes, int entries, std::vector<int> order);

    int size() const { return int(starts_.size()) - 1; }
    std::string_view bytes() const
    {
        return kept_.isNull() ? std::string_view(own_) : std::string_view(kept_.constData() + keptFrom_, keptSize_);
    }
    // Offset of entry k's first byte, k from 1 to size() + 1 (the end).
    std::size_t startOf(int k) const { return starts_[std::size_t(k - 1)]; }
    // Entry k's headword, k from 1 to size().
    std::string_view headword(int k) const;
    // The entry whose headword (or its separator) holds the offset.
    int entryAt(std::size_t offset) const;

    // Entries 1 to `entries` whose headword holds `needle`, each once, in table order,
    // at most `limit` of them. A needle that begins with the separator matches at the
    // beginning of a headword only.
    std::vector<int> find(std::string_view needle, int entries, std::size_t limit) const;

    // Entries 1 to `entries` whose headword begins with `prefix`, in table order, at most
    // `limit` of them: the same entries as find() with the separator in front, found by
    // a binary search in the headwords' byte order instead of a scan.
    std::vector<int> findStartingWith(std::string_view prefix, int entries, std::size_t limit) const;

    // Entries 1 to `entries` whose headword is exactly these bytes, in table order.
    std::vector<int> findEqual(std::string_view headword, int entries) const;

    // Entries 1 to size() sorted by their headwords' bytes, ties in table order.
    const std::vector<int> &byteOrder() const;

    // Whether the text serves a single search: findStartingWith() then scans it instead
    // of sorting the byte order when that is not at hand (the sorting pays off over the
    // searches that follow, not for one), and a scan is guided by a sample of its bytes.
    void setSearchedOnce(bool once) { searchedOnce_ = once; }

private:
    const ByteSearch::ByteCounts &byteCounts() const;
    std::string &owned();

    std::string own_;   // the bytes, when made here
    QByteArray kept_;   // else the buffer they were taken in, from keptFrom_ on
    std::size_t keptFrom_ = 0;
    std::size_t keptSize_ = 0;
    std::vector<std::uint32_t> starts_; // starts_[k - 1] = offset of entry k; last = end
    // How often each byte occurs, and the entries sorted by headword bytes (ties in table
    // order): both made at the first search that needs them, dropped when the text changes.
    mutable std::optional<ByteSearch::ByteCounts> byteCounts_;
    mutable std::vector<int> byteOrder_;
    bool searchedOnce_ = false;
};

// The headwords of one direction, kept in step with the table: once as stored and once
// case-folded, and both of those again with the marks taken off their letters, for the
// search that ignores diacritics.
class HeadwordIndex {
public:
    // The four texts, in the order of their fields below.
    static constexpr int Texts = 4;

    // Sets the headword of entry k (from 1). Entries are normally added in order; an
    // entry set out of order (or changed) makes the index rebuild itself.
    void set(int k, QStringView headword);
    // Adds the next entry's headword, given as valid UTF-8.
    void appendUtf8(QByteArrayView utf8);
    // The index of the lines of `utf8` (valid UTF-8), in their order.
    static HeadwordIndex OfLines(QByteArrayView utf8, const std::vector<LineSpan> &lines);
    void clear();

    int size() const { return stored_.size(); }
    const HeadwordText &stored() const { return stored_; }
    const HeadwordText &folded() const { return folded_; }
    const HeadwordText &storedWithoutMarks() const { return storedWithoutMarks_; }
    const HeadwordText &foldedWithoutMarks() const { return foldedWithoutMarks_; }
    const HeadwordText &text(int i) const { return *texts()[std::size_t(i)]; }
    // Takes the four texts as made before (by the packer), with the byte order of each
    // that has one; false, and the index left empty, when they do not fit together.
    bool assign(std::array<HeadwordText::Bytes, Texts> texts, int entries, std::array<std::vector<int>, Texts> orders);

    // Case folding one character at a time, as the case-insensitive comparison of two
    // strings does; a fold that would change a character's length in UTF-16 keeps it.
    static QString fold(QStringView text);
    static char32_t foldCharacter(char32_t code);

    // See HeadwordText::setSearchedOnce.
    void setSearchedOnce(bool once);

private:
    void append(QStringView headword);
    void appendAscii(std::string_view headword);
    void appendMarked(QByteArrayView utf8);
    // Adds plain ASCII headwords, one a line, each line ended by a line feed.
    void appendAsciiLines(std::string_view lines);
    // The text in UTF-8, in a buffer kept for the next one.
    std::string_view utf8Of(QStringView text);
    void rebuildWith(int k, QStringView headword);
    std::array<HeadwordText *, Texts> texts();
    std::array<const HeadwordText *, Texts> texts() const;

    HeadwordText stored_;
    HeadwordText folded_;
    HeadwordText storedWithoutMarks_;
    HeadwordText foldedWithoutMarks_;
    std::string asciiScratch_;  // reused for the line of a plain ASCII headword
    std::string foldedScratch_; // and for their folding
    std::array<std::u16string, Texts> scratch_; // the four texts of a headword with marks
    std::string utf8Scratch_;            // and one of them in UTF-8
};

} // namespace quillet
