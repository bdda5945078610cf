// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/StopList.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace quillet::gendict {

// The English glosses of the Romanian entries, and the renderings of the translation
// tables: how they divide into renderings and how a short one becomes a headword.
class Gloss {
public:
    // The most words a reversed gloss may have to become a headword: more make a
    // definition, not an equivalent.
    static constexpr qsizetype MaxReversedWords = 3;

    // Splits at ", " and "; " outside parentheses; pieces are trimmed, empty ones dropped.
    static QStringList renderings(QStringView gloss);
    // The text without its notes in parentheses or brackets, blanks collapsed.
    static QString withoutNotes(QStringView text);
    // True for "plural of x", "third-person singular simple perfect indicative of x",
    // "Alternative form of x", "Abbreviation of x", "Used other than idiomatically: see x":
    // a pointer to another word, no meaning.
    static bool isFormOf(QStringView text);
    // A rendering turned round into an English headword: notes removed, "to " before a
    // verb and "a "/"an " before a noun dropped; nothing when the result is empty or
    // longer than MaxReversedWords words. isVerb is set when "to " was dropped.
    static std::optional<QString> reversedHeadword(QStringView rendering, bool *isVerb);
    // The most words a rendering may have, notes and a verb's particle aside, before it
    // reads as a definition rather than an equivalent.
    static constexpr qsizetype MaxRenderingWords = 4;
    // A rendering that reads as a definition: longer than MaxRenderingWords, or starting
    // with an article or a pronoun ("a player in defense", "one who sells", Romanian
    // "o persoană care ...", "care se întâmplă").
    static bool isDefinitionLike(QStringView rendering, Language language);
    // Drops the gender and part-of-speech markers in braces and the qualifiers in
    // brackets of a table's translation: "piuliță {f}" is "piuliță". The bracketed
    // qualifiers, if any, go to *qualifiers, the markers in braces to *tags ("f", "m-p").
    static QString withoutMarkers(QStringView translation, QString *qualifiers, QStringList *tags = nullptr);
    // A table's translation without what typing left around the word: what follows a
    // blank and a colon ("tâță :sâni", "grădinar :"), a trailing "&", gender and number
    // letters written without braces ("asigurări f", "șofer m", "thailandeze f pl", "al m
    // sg"); a translation that is only such letters ("pl"), or an example sentence with its
    // own translation after a dash ("No smoking — Fumatul interzis"), becomes empty.
    static QString withoutStrayMarks(QStringView translation);
    // A gloss that describes a letter of the alphabet ("The first letter of the Romanian
    // alphabet", "the letter ă"): no translation.
    static bool describesALetter(QStringView gloss);
    // A gloss that is a definition, not a translation: a sentence of more than
    // MaxRenderingWords words starting with an article, or "a native of ...".
    static bool isDefinition(QStringView gloss);
    // A definition written as a sentence, in lower case ("A designated minister" is "a
    // designated minister"), unless its first word is a name: one isWord does not know in
    // lower case.
    template <typename IsWord>
    static QString lowerCased(const QString &definition, const IsWord &isWord)
    {
        if (definition.isEmpty() || !definition.front().isUpper() || !isDefinition(definition))
            return definition;
        const QString first = definition.section(u' ', 0, 0);
        if (first.size() > 1 && !isWord(first.toLower()))
            return definition;
        return definition.front().toLower() + definition.sliced(1);
    }
    // What glossOfDefinition() did to a rendering.
    enum class Rewrite { None, Inhabitant, Activity, Article };
    // A definition said the way a bilingual dictionary glosses the word, where the
    // definition itself gives the words and reads alike without what is dropped: "a native
    // or resident of Tulcea" is "inhabitant of Tulcea"; "the act or result of sifting" is
    // "sifting" (a gerund of at most MaxRenderingWords words); "the function of an
    // actuary" is "function of an actuary" (for a one-word headword, a definition that is a
    // noun phrase of at most MaxRenderingWords words after its article: no relative clause,
    // no finite verb). Anything else is returned as it is, with Rewrite::None.
    static QString glossOfDefinition(const QString &definition, QStringView headword, Rewrite *rewrite);
    // Splits a gloss into renderings as renderings() does, unless it is a saying: the
    // halves of "like father, like son" start alike, and a headword of four or more words
    // or one with a comma is a saying whose gloss is one.
    static QStringList renderingsOfGloss(QStringView gloss, QStringView headword);
};

} // namespace quillet::gendict
