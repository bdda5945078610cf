// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bus/BusRequests.h"

#include "core/bus/BusNames.h"
#include "core/dictionary/DictTable.h"
#include "core/lookup/QueryLength.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillet::bus {

namespace {

BusError Invalid(const QString &message)
{
    return BusError{InvalidArgumentError(), message};
}

bool IsText(const QString &word)
{
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar c = word[i];
        if (c == QChar::ReplacementCharacter || (c.category() == QChar::Other_Control && c != u'\t'))
            return false;
        if (c.isHighSurrogate() && i + 1 < word.size() && word[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            return false;
    }
    return true;
}

} // namespace

std::optional<BusError> CheckWord(const QString &word)
{
    if (word.size() > MaxQueryLength)
        return Invalid(u"the word is %1 characters long; at most %2 are searched"_s.arg(word.size())
                           .arg(MaxQueryLength));
    if (word.trimmed().isEmpty())
        return Invalid(u"the word is empty"_s);
    if (!IsText(word))
        return Invalid(u"the word is not valid UTF-8 text (it holds a control character or bytes that "
                       "are not UTF-8)"_s);
    return std::nullopt;
}

std::variant<LookupRequest, BusError> LookupArguments(const QString &word, const QString &direction,
                                                      bool ignoreDiacritics)
{
    if (const std::optional<BusError> problem = CheckWord(word))
        return *problem;
    LookupRequest request;
    request.word = word.trimmed();
    if (direction == "er"_L1)
        request.direction = DictTable::EnglishRomanian;
    else if (direction == "re"_L1)
        request.direction = DictTable::RomanianEnglish;
    else if (!direction.isEmpty())
        return Invalid(u"unknown direction \"%1\" (use er, re, or an empty string for both)"_s
                           .arg(direction.left(40)));
    request.diacritics = ignoreDiacritics ? Diacritics::Ignored : Diacritics::Distinct;
    return request;
}

bool WaitingRequests::add(std::function<void()> request)
{
    if (waiting_.size() >= MaxWaiting)
        return false;
    waiting_.push_back(std::move(request));
    return true;
}

void WaitingRequests::runAll()
{
    while (!waiting_.empty()) {
        const std::function<void()> next = std::move(waiting_.front());
        waiting_.pop_front();
        next();
    }
}

BusError TooManyWaiting()
{
    return BusError{BusyError(), u"%1 requests already wait for the dictionary to load; try again in a moment"_s
                                     .arg(WaitingRequests::MaxWaiting)};
}

BusError NothingSelected()
{
    return Invalid(u"nothing is selected, and the clipboard holds no word"_s);
}

BusError LeftToCommandLine(const QString &why)
{
    return BusError{NotSupportedError(), why + u"; quillet-cli answers it"_s};
}

} // namespace quillet::bus
