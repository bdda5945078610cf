// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/HeadwordIndex.h"

#include "core/dictionary/Diacritics.h"

#include <QChar>
#include <QStringList>

#include <algorithm>
#include <cstring>

namespace quillet {

namespace {

std::string_view View(const QByteArray &bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

} // namespace

void HeadwordText::clear()
{
    bytes_.assign(1, Separator);
    starts_.assign(1, 1);
}

void HeadwordText::append(std::string_view utf8)
{
    bytes_.append(utf8);
    bytes_.push_back(Separator);
    starts_.push_back(bytes_.size());
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
    const std::size_t end = startOf(std::clamp(entries, 0, size()) + 1);
    std::size_t from = 0;
    while (found.size() < limit && from < end) {
        const void *hit = memmem(bytes_.data() + from, end - from, needle.data(), needle.size());
        if (hit == nullptr)
            break;
        const auto at = std::size_t(static_cast<const char *>(hit) - bytes_.data());
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

QString HeadwordIndex::fold(QStringView text)
{
    QString folded;
    folded.reserve(text.size());
    const char16_t *begin = text.utf16();
    const char16_t *const end = begin + text.size();
    for (const char16_t *p = begin; p < end;) {
        char32_t code = *p;
        qsizetype units = 1;
        if (QChar::isHighSurrogate(code) && p + 1 < end && QChar::isLowSurrogate(p[1])) {
            code = QChar::surrogateToUcs4(p[0], p[1]);
            units = 2;
        }
        const char32_t lower = QChar::toCaseFolded(code);
        if (QChar::requiresSurrogates(lower) == (units == 2))
            code = lower;
        if (units == 2) {
            folded.append(QChar(QChar::highSurrogate(code)));
            folded.append(QChar(QChar::lowSurrogate(code)));
        } else {
            folded.append(QChar(code));
        }
        p += units;
    }
    return folded;
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
    const QString folded = fold(headword);
    const QByteArray storedBytes = headword.toUtf8();
    const QByteArray foldedBytes = folded.toUtf8();
    stored_.append(View(storedBytes));
    folded_.append(View(foldedBytes));
    // A headword of plain ASCII, as most are, has no marks to take off: its UTF-8 is
    // exactly as long as its text.
    if (storedBytes.size() == headword.size()) {
        storedWithoutMarks_.append(View(storedBytes));
        foldedWithoutMarks_.append(View(foldedBytes));
        return;
    }
    storedWithoutMarks_.append(View(FoldDiacritics(headword).toUtf8()));
    foldedWithoutMarks_.append(View(FoldDiacritics(folded).toUtf8()));
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
        const std::string_view bytes =
            stored_.bytes().substr(stored_.startOf(i), stored_.startOf(i + 1) - stored_.startOf(i) - 1);
        headwords.append(QString::fromUtf8(bytes.data(), qsizetype(bytes.size())));
    }
    headwords[k - 1] = headword.toString();
    clear();
    for (const QString &word : std::as_const(headwords))
        append(word);
}

} // namespace quillet
