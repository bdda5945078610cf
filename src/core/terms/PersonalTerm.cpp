// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terms/PersonalTerm.h"

#include "core/dictionary/DictTable.h"

using namespace Qt::StringLiterals;

namespace quillet {

QString TermDirectionCode(TermDirection direction)
{
    switch (direction) {
    case TermDirection::EnglishRomanian: return u"en-ro"_s;
    case TermDirection::RomanianEnglish: return u"ro-en"_s;
    case TermDirection::Both: return u"both"_s;
    }
    return {};
}

std::optional<TermDirection> TermDirectionNamed(QStringView code)
{
    for (const TermDirection direction : {TermDirection::EnglishRomanian, TermDirection::RomanianEnglish,
                                          TermDirection::Both})
        if (code == TermDirectionCode(direction))
            return direction;
    return std::nullopt;
}

bool PersonalTerm::readsIn(int d) const
{
    return direction == TermDirection::Both
           || (d == DictTable::EnglishRomanian && direction == TermDirection::EnglishRomanian)
           || (d == DictTable::RomanianEnglish && direction == TermDirection::RomanianEnglish);
}

// A pair for both directions is written English first; read from Romanian, it is turned.
QString PersonalTerm::headwordIn(int d) const
{
    return direction == TermDirection::Both && d == DictTable::RomanianEnglish ? translation : headword;
}

QString PersonalTerm::translationIn(int d) const
{
    return direction == TermDirection::Both && d == DictTable::RomanianEnglish ? headword : translation;
}

bool PersonalTerm::samePair(const PersonalTerm &other) const
{
    return headword == other.headword && translation == other.translation && direction == other.direction;
}

BilingualText FieldProblem(QStringView text, TermsText what)
{
    // The messages are made only for a field that has a problem: most have none.
    for (const QChar c : text)
        if (c == u'\t' || c == u'\n' || c == u'\r' || c == QChar(0x2028) || c == QChar(0x2029))
            return MessageOf(TermsText::FieldHoldsBreak).arg(MessageOf(what));
    if (text.size() > TermBounds::MaxFieldChars)
        return MessageOf(TermsText::FieldTooLong).arg(MessageOf(what)).arg(TermBounds::MaxFieldChars);
    return {};
}

BilingualText TermProblem(const PersonalTerm &term)
{
    if (term.headword.trimmed().isEmpty())
        return MessageOf(TermsText::HeadwordEmpty);
    if (term.translation.trimmed().isEmpty())
        return MessageOf(TermsText::TranslationEmpty);
    for (const auto &[text, what] : {std::pair{&term.headword, TermsText::TheHeadword},
                                     std::pair{&term.translation, TermsText::TheTranslation},
                                     std::pair{&term.note, TermsText::TheNote}})
        if (BilingualText problem = FieldProblem(*text, what); !problem.isEmpty())
            return problem;
    return {};
}

} // namespace quillet
