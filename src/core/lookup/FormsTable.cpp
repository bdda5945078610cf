// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/FormsTable.h"

#include "core/lookup/FormsBlockIndex.h"
#include "core/lookup/WordKey.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <tuple>

namespace quillet {

namespace {

constexpr char Tab = '\t';
constexpr char LineEnd = '\n';

QByteArrayView FormOf(QByteArrayView line)
{
    return line.first(line.indexOf(Tab));
}

QByteArrayView BaseOf(QByteArrayView line)
{
    return line.sliced(line.indexOf(Tab) + 1);
}

void AppendOnce(QStringList &list, const QString &text)
{
    if (!list.contains(text))
        list.append(text);
}

} // namespace

FormsTable::FormsTable(QByteArray lines) : bytes_(std::move(lines))
{
    // Offsets are 32-bit: a table past 4 GB is no table of forms.
    if (bytes_.size() >= qsizetype(std::numeric_limits<quint32>::max()))
        bytes_.clear();
    // memchr finds each tab and line end at memory speed, over hundreds of thousands of lines.
    const char *const begin = bytes_.constData();
    const char *const end = begin + bytes_.size();
    for (const char *line = begin; line < end;) {
        const auto *lineEnd = static_cast<const char *>(std::memchr(line, LineEnd, std::size_t(end - line)));
        if (lineEnd == nullptr)
            lineEnd = end;
        const auto *tab = static_cast<const char *>(std::memchr(line, Tab, std::size_t(lineEnd - line)));
        if (tab != nullptr && tab > line && tab + 1 < lineEnd)
            starts_.push_back(quint32(line - begin));
        line = lineEnd + 1;
    }
    bytes_.squeeze();
    starts_.shrink_to_fit();
}

FormsTable::FormsTable(const FormsBlockIndex &index, BlockReader read)
    : blocks_(std::make_shared<FormsBlocks>(index, std::move(read)))
{
}

FormsBlocks::FormsBlocks(const FormsBlockIndex &index, FormsTable::BlockReader read)
    : index_(std::make_unique<FormsBlockIndex>(index)), read_(std::move(read))
{
}

FormsBlocks::~FormsBlocks() = default;

const FormsTable *FormsBlocks::tableFor(const QString &key)
{
    const std::optional<int> block = index_->blockOf(key);
    if (!block)
        return nullptr;
    auto found = tables_.find(*block);
    if (found == tables_.end()) {
        std::optional<QByteArray> lines = read_(*block);
        found = tables_.emplace(*block, lines ? FormsTable(std::move(*lines)) : FormsTable()).first;
    }
    return &found->second;
}

QByteArray FormsTable::encode(QList<FormPair> pairs)
{
    struct Keyed {
        QString key;
        QByteArray form;
        QByteArray base;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(std::size_t(pairs.size()));
    for (const auto &[form, base] : pairs)
        keyed.push_back({WordKey(form), form.toUtf8(), base.toUtf8()});
    const auto order = [](const Keyed &a, const Keyed &b) {
        return std::tie(a.key, a.form, a.base) < std::tie(b.key, b.form, b.base);
    };
    std::sort(keyed.begin(), keyed.end(), order);
    const auto same = [](const Keyed &a, const Keyed &b) { return a.form == b.form && a.base == b.base; };
    keyed.erase(std::unique(keyed.begin(), keyed.end(), same), keyed.end());

    QByteArray lines;
    for (const Keyed &pair : keyed)
        lines.append(pair.form).append(Tab).append(pair.base).append(LineEnd);
    return lines;
}

qsizetype FormsTable::byteSize() const
{
    return bytes_.capacity() + qsizetype(starts_.capacity() * sizeof(quint32));
}

QByteArrayView FormsTable::line(std::size_t i) const
{
    const QByteArrayView rest = QByteArrayView(bytes_).sliced(starts_[i]);
    const qsizetype end = rest.indexOf(LineEnd);
    return end < 0 ? rest : rest.first(end);
}

QString FormsTable::keyAt(std::size_t i) const
{
    return WordKey(QString::fromUtf8(FormOf(line(i))));
}

std::size_t FormsTable::firstWithKey(const QString &key) const
{
    std::size_t low = 0;
    std::size_t high = starts_.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (keyAt(middle) < key)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

FoundBases FormsTable::basesOf(QStringView word) const
{
    FoundBases found;
    const QString key = WordKey(word);
    if (key.isEmpty())
        return found;
    if (blocks_) {
        const FormsTable *const block = blocks_->tableFor(key);
        return block ? block->basesOf(word) : found;
    }
    for (std::size_t i = firstWithKey(key); i < starts_.size() && keyAt(i) == key; ++i) {
        const QString form = QString::fromUtf8(FormOf(line(i)));
        const QString base = QString::fromUtf8(BaseOf(line(i)));
        AppendOnce(form.compare(word, Qt::CaseInsensitive) == 0 ? found.spelledAlike : found.marksApart, base);
    }
    return found;
}

} // namespace quillet
