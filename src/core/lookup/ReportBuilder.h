// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictTable.h"
#include "core/lookup/LookupReport.h"
#include "core/lookup/SearchEngine.h"
#include "core/lookup/WordFinder.h"
#include "core/terms/TermIndex.h"

#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace quillet {

// What a look-up from the command line asks for.
struct LookupRequest {
    QString word;                 // trimmed, never empty
    std::optional<int> direction; // none: both directions
    Diacritics diacritics = Diacritics::Distinct;
    ReportFormat format = ReportFormat::Text;
};

// The directions a request searches, English-Romanian first.
QList<int> RequestedDirections(const LookupRequest &request);

// The answer to the request from a loaded dictionary. Each direction holds its two
// lists, and before them, each when it holds an entry, the headwords the word matches but
// for letter case ("other-case"), its base forms ("base-forms"; after the Starting-with
// list when the word is a headword itself) and its near misses ("near-misses"). Near
// misses are looked for only when no direction asked found anything else, so a word
// found in one direction brings no near misses of the other. The user's own pairs, when
// given and there are any, lead the Starting-with and Containing lists, and the report is
// withSource.
LookupReport MakeReport(const DictTable &table, WordFinder &finder, const LookupRequest &request,
                        const TermIndex *terms = nullptr);

// The same in two steps, so that only the translations printed need be read between
// them: what the request finds (entry numbers, no text of the entries), then the report of
// it, which reads the headwords and translations of the entries found.
struct LookupFinds {
    struct Direction {
        int d = 0;
        SearchResult found;
        WordFinds offered;
        PersonalFinds personal;

        bool isEmpty() const;
    };
    std::vector<Direction> directions;
    bool withTerms = false;

    // The entries the report lists, by direction.
    std::map<int, std::vector<int>> entries() const;
};
LookupFinds FindForReport(const DictTable &table, WordFinder &finder, const LookupRequest &request,
                          const TermIndex *terms = nullptr);
LookupReport MakeReport(const DictTable &table, const LookupRequest &request, const LookupFinds &finds);

} // namespace quillet
