#include "dictionary/HeadwordIndex.h"

#include <QChar>
#include <QStringList>

#include <algorithm>

namespace quillet {

HeadwordIndex::HeadwordIndex()
{
    clear();
}

void HeadwordIndex::clear()
{
    text_ = QString(Separator);
    folded_ = text_;
    starts_.assign(1, 1);
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
        // A fold that would change the length in UTF-16 keeps the character as it is.
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

void HeadwordIndex::append(QStringView headword)
{
    text_.append(headword);
    text_.append(Separator);
    folded_.append(fold(headword));
    folded_.append(Separator);
    starts_.push_back(text_.size());
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
    for (int i = 1; i <= size(); ++i)
        headwords.append(text_.mid(startOf(i), startOf(i + 1) - startOf(i) - 1));
    headwords[k - 1] = headword.toString();
    clear();
    for (const QString &word : std::as_const(headwords))
        append(word);
}

int HeadwordIndex::entryAt(qsizetype offset) const
{
    const auto next = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return int(next - starts_.begin());
}

} // namespace quillet
