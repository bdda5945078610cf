// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace quillet {

class FormsBlockIndex;
class FormsBlocks;

// One inflected form and the word it is a form of, its base form ("roțile", "roată").
using FormPair = std::pair<QString, QString>;

// The base forms a word is an inflected form of, as FormsTable finds them.
struct FoundBases {
    QStringList spelledAlike;   // of forms spelled as the word, letter case aside
    QStringList marksApart;     // of forms that differ from the word in their marks alone
};

// The inflected forms of one direction's words, as the archive carries them: one
// "form<TAB>base" line per pair, UTF-8, LF line ends, ordered by the form's WordKey, then by
// the form's and the base's bytes. The table keeps those bytes as they come, with the
// offset of each line, and finds a form by binary search: hundreds of thousands of forms
// cost little more than their text.
class FormsTable {
public:
    FormsTable() = default;
    // Takes the lines as encode() writes them. A line without a tab, or with nothing on
    // either side of it, is passed over; lines out of order are not found.
    explicit FormsTable(QByteArray lines);
    // The lines of the blocks the index describes, each block read (by its number) only
    // when a word could be in it.
    using BlockReader = std::function<std::optional<QByteArray>(int block)>;
    FormsTable(const FormsBlockIndex &index, BlockReader read);

    // The lines for these pairs, in the table's order, each pair once.
    static QByteArray encode(QList<FormPair> pairs);

    // The lines held now (blocks not yet read hold none).
    qsizetype size() const { return qsizetype(starts_.size()); }
    bool isEmpty() const { return starts_.empty() && !blocks_; }
    // The bytes it holds, for measuring.
    qsizetype byteSize() const;

    // The base forms of the forms that match the word, each base once, in line order.
    FoundBases basesOf(QStringView word) const;

private:
    QByteArrayView line(std::size_t i) const;
    QString keyAt(std::size_t i) const;
    std::size_t firstWithKey(const QString &key) const;

    QByteArray bytes_;
    std::vector<quint32> starts_; // where each usable line begins
    std::shared_ptr<FormsBlocks> blocks_; // or the blocks, read when asked for
};

// The blocks of one direction's forms, each made a table when first needed.
class FormsBlocks {
public:
    FormsBlocks(const FormsBlockIndex &index, FormsTable::BlockReader read);
    ~FormsBlocks();
    // The table of the block that could hold the key, or nullptr when none could (or it
    // could not be read).
    const FormsTable *tableFor(const QString &key);

private:
    std::unique_ptr<FormsBlockIndex> index_;
    FormsTable::BlockReader read_;
    std::map<int, FormsTable> tables_;
};

} // namespace quillet
