// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictTable.h"
#include "core/terms/TermList.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>

namespace quillet {

// Where the quiz's words come from.
enum class QuizSource { Dictionary, MyList, MyTerms, History };

inline constexpr std::array<QuizSource, 4> QuizSources{QuizSource::Dictionary, QuizSource::MyList,
                                                       QuizSource::MyTerms, QuizSource::History};

// The source's name in the interface language ("Whole dictionary", "My list" ...).
QString QuizSourceName(QuizSource source, bool english);

// The words of a source other than the dictionary, as a small table of both directions
// that the quiz draws from as it draws from the dictionary: My list's entries in their
// own direction, My terms' pairs in each direction they read in, the history's words with
// the dictionary's entries of those headwords.
std::unique_ptr<DictTable> QuizTableOf(const KeptList &kept);
std::unique_ptr<DictTable> QuizTableOf(const TermList &terms);
std::unique_ptr<DictTable> QuizTableOf(const DictTable &dictionary, const QStringList &history);

// How many different candidates direction d of the table can give a question: entries
// with a headword and a translation, one for each translation text.
int QuizCandidatesIn(const DictTable &table, int d);

// The caption of the quiz's choice of source: "Words from:".
QString QuizSourceCaption(bool english);

// What the quiz says instead of starting when the source has too few words.
QString TooFewWordsMessage(QuizSource source, int available, int needed, bool english);

} // namespace quillet
