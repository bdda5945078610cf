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

QString FieldProblem(const QString &text, const QString &what)
{
    for (const QChar c : text)
        if (c == u'\t' || c == u'\n' || c == u'\r' || c == QChar(0x2028) || c == QChar(0x2029))
            return u"the %1 holds a tab or a line break"_s.arg(what);
    if (text.size() > TermBounds::MaxFieldChars)
        return u"the %1 is longer than %2 characters"_s.arg(what).arg(TermBounds::MaxFieldChars);
    return {};
}

QString TermProblem(const PersonalTerm &term)
{
    if (term.headword.trimmed().isEmpty())
        return u"the headword is empty"_s;
    if (term.translation.trimmed().isEmpty())
        return u"the translation is empty"_s;
    for (const auto &[text, what] : {std::pair{&term.headword, u"headword"_s},
                                     std::pair{&term.translation, u"translation"_s}, std::pair{&term.note, u"note"_s}})
        if (const QString problem = FieldProblem(*text, what); !problem.isEmpty())
            return problem;
    return {};
}

} // namespace quillet
