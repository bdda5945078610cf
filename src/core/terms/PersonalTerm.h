// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/terms/TermsTexts.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

namespace quillet {

// Which way a personal pair reads: its headword is English (EnglishRomanian) or Romanian
// (RomanianEnglish); a pair for Both is also found turned round in the other direction.
enum class TermDirection { EnglishRomanian, RomanianEnglish, Both };

// "en-ro", "ro-en" or "both": the words the files and the command line use.
QString TermDirectionCode(TermDirection direction);
std::optional<TermDirection> TermDirectionNamed(QStringView code);

// A pair of the user's own: headword, translation, direction and an optional note (the
// field, the client, where it comes from).
struct PersonalTerm {
    QString headword;
    QString translation;
    TermDirection direction = TermDirection::EnglishRomanian;
    QString note;

    // Whether the pair is found in dictionary direction d (1 or 2), and as which texts.
    bool readsIn(int d) const;
    QString headwordIn(int d) const;
    QString translationIn(int d) const;

    // The same pair: headword, translation and direction alike (the note aside).
    bool samePair(const PersonalTerm &other) const;
    friend bool operator==(const PersonalTerm &, const PersonalTerm &) = default;
};

// An entry the user keeps in My list: the direction it was found in (1 or 2), its
// headword and translation, and the day it was added.
struct KeptEntry {
    int direction = 1;
    QString headword;
    QString translation;
    QDate added;

    friend bool operator==(const KeptEntry &, const KeptEntry &) = default;
};

// The bounds of the user's files and of every text in them.
struct TermBounds {
    static constexpr qsizetype MaxTerms = 50000;        // pairs in My terms
    static constexpr qsizetype MaxKept = 50000;         // entries in My list
    static constexpr qsizetype MaxFieldChars = 1000;    // characters of one headword, translation or note
    static constexpr qsizetype MaxFileBytes = 32 << 20; // bytes of one file, read or imported
};

// Why a text cannot be stored as one field of a pair (empty when it can): a tab or a line
// break in it, or more than MaxFieldChars characters. `what` names the field (TermsText::
// TheHeadword, TheTranslation or TheNote).
BilingualText FieldProblem(QStringView text, TermsText what);

// Why the pair cannot be stored (empty when it can): an empty headword or translation, or
// a field FieldProblem refuses.
BilingualText TermProblem(const PersonalTerm &term);

} // namespace quillet
