#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace quillet {

// The headwords of one direction laid end to end, each followed by a line feed, once
// as stored and once case-folded, so that a search is one scan over one string
// instead of one comparison per entry. The buffer begins with a line feed too, so
// "\n" + query finds exactly the headwords that start with the query. Folding is done
// per character and keeps every headword's length, so both texts share their offsets.
class HeadwordIndex {
public:
    static constexpr QChar Separator{u'\n'};

    HeadwordIndex();

    // Sets the headword of entry k (from 1). Entries are normally added in order; an
    // entry set out of order (or changed) makes the index rebuild itself from `all`.
    void set(int k, QStringView headword);
    void clear();

    int size() const { return int(starts_.size()) - 1; }
    QStringView text() const { return text_; }
    QStringView foldedText() const { return folded_; }

    // Offset of entry k's first character, k from 1 to size() + 1 (the end).
    qsizetype startOf(int k) const { return starts_[std::size_t(k - 1)]; }
    // The entry whose headword (or its separator) holds the offset.
    int entryAt(qsizetype offset) const;

    static QString fold(QStringView text);

private:
    void append(QStringView headword);
    void rebuildWith(int k, QStringView headword);

    QString text_;
    QString folded_;
    std::vector<qsizetype> starts_; // starts_[k - 1] = offset of entry k; last = end
};

} // namespace quillet
