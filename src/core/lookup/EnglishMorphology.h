// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QStringView>

namespace quillet {

// The words an English word may be a regular inflection of, by detaching its ending as
// WordNet's morphology does: plural nouns ("switches" → "switch", "batteries" →
// "battery"), verbs ("pumped" → "pump", "welding" → "weld", "compressing" → "compress"),
// comparatives ("larger" → "large"); a consonant doubled before the ending is also
// undoubled ("stopped" → "stop"), a possessive "'s" dropped, and an adverb's "-ly" taken
// off ("automatically" → "automatic"). Only the end of the text changes, so "ball
// bearings" gives "ball bearing". The candidates come in the order the rules try them,
// each once, in lower case; most are not words at all, and the caller keeps those that
// are headwords. Irregular forms ("went", "indices") are not found here but in the
// exception lists of the forms table.
//
// A word that is a headword of its own ("threaded", "bearing") is also an inflection only
// of what a verb or a plural makes: its "-er", "-est" and "-ly" are most often a word's
// own ending ("heater", "assembly"), not a comparative or an adverb.
enum class EnglishEndings { All, VerbsAndPlurals };
QStringList EnglishBaseCandidates(QStringView word, EnglishEndings endings = EnglishEndings::All);

} // namespace quillet
