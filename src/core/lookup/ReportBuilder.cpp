// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/ReportBuilder.h"

#include "core/lookup/ReportWords.h"
#include "core/mainwindow/InterfaceTexts.h"

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// The command line speaks English.
constexpr bool English = true;

ReportList ListOf(QStringView name, TextTarget heading, const std::vector<int> &found, const DictTable &table,
                  int d)
{
    ReportList list{name.toString(), TextOf(heading, English), {}, int(found.size()) >= MaxListedMatches};
    for (const int k : found)
        list.entries.append({table(d, DictTable::Headword, k), table(d, DictTable::Translation, k)});
    return list;
}

using DirectionFinds = LookupFinds::Direction;

// The user's pairs go first, before the dictionary's entries.
ReportList WithPersonal(ReportList list, const QList<std::pair<QString, QString>> &personal)
{
    list.entries = personal + list.entries;
    list.personal = personal.size();
    return list;
}

ReportDirection DirectionReport(const DictTable &table, const DirectionFinds &finds)
{
    const int d = finds.d;
    const bool englishRomanian = d == DictTable::EnglishRomanian;
    ReportDirection direction{englishRomanian ? u"er"_s : u"re"_s,
                              TextOf(englishRomanian ? TextTarget::Label3_0_Caption : TextTarget::Label3_1_Caption,
                                     English),
                              {}};
    const WordFinds &offered = finds.offered;
    const auto add = [&](QStringView name, TextTarget heading, const std::vector<int> &entries) {
        if (!entries.empty())
            direction.lists.append(ListOf(name, heading, entries, table, d));
    };
    using plain::report::ListKind;
    for (const ListKind kind : plain::report::ListOrder(offered.besideHeadword)) {
        switch (kind) {
        case ListKind::OtherCase:
            add(u"other-case", TextTarget::OtherCaseTitle, offered.otherCase);
            break;
        case ListKind::BaseForms:
            add(u"base-forms", TextTarget::BaseFormsTitle, offered.baseForms);
            break;
        case ListKind::NearMisses:
            add(u"near-misses", TextTarget::NearMissesTitle, offered.nearMisses);
            break;
        case ListKind::StartingWith:
            direction.lists.append(WithPersonal(
                ListOf(u"starting-with", TextTarget::Label2_0_Caption, finds.found.startingWith, table, d),
                finds.personal.startingWith));
            break;
        case ListKind::Containing:
            direction.lists.append(WithPersonal(
                ListOf(u"containing", TextTarget::Label2_1_Caption, finds.found.containing, table, d),
                finds.personal.containing));
            break;
        }
    }
    return direction;
}

} // namespace

QList<int> RequestedDirections(const LookupRequest &request)
{
    return request.direction ? QList<int>{*request.direction}
                             : QList<int>{DictTable::EnglishRomanian, DictTable::RomanianEnglish};
}

bool LookupFinds::Direction::isEmpty() const
{
    return found.startingWith.empty() && found.containing.empty() && offered.isEmpty()
           && personal.startingWith.isEmpty() && personal.containing.isEmpty();
}

std::map<int, std::vector<int>> LookupFinds::entries() const
{
    std::map<int, std::vector<int>> listed;
    for (const Direction &finds : directions) {
        std::vector<int> &entries = listed[finds.d];
        for (const std::vector<int> *list : {&finds.found.startingWith, &finds.found.containing,
                                             &finds.offered.otherCase, &finds.offered.baseForms,
                                             &finds.offered.nearMisses})
            entries.insert(entries.end(), list->begin(), list->end());
    }
    return listed;
}

LookupFinds FindForReport(const DictTable &table, WordFinder &finder, const LookupRequest &request,
                          const TermIndex *terms)
{
    LookupFinds finds;
    finds.withTerms = terms != nullptr && !terms->isEmpty();
    const QString query = CommaBelowLetters(request.word);
    for (const int d : RequestedDirections(request)) {
        const SearchResult found = SearchDictionary(table, d, query, request.diacritics);
        finds.directions.push_back({d, found, finder.find(d, query, found, request.diacritics, NearMissSearch::Never),
                                    finds.withTerms ? terms->find(d, query, request.diacritics) : PersonalFinds{}});
    }
    if (std::all_of(finds.directions.begin(), finds.directions.end(),
                    [](const DirectionFinds &f) { return f.isEmpty(); }))
        for (DirectionFinds &direction : finds.directions)
            direction.offered.nearMisses = finder.nearMisses(direction.d, query);
    return finds;
}

LookupReport MakeReport(const DictTable &table, const LookupRequest &request, const LookupFinds &finds)
{
    LookupReport report{request.word, request.diacritics == Diacritics::Ignored, {}, finds.withTerms};
    for (const DirectionFinds &direction : finds.directions)
        report.directions.append(DirectionReport(table, direction));
    return report;
}

LookupReport MakeReport(const DictTable &table, WordFinder &finder, const LookupRequest &request,
                        const TermIndex *terms)
{
    return MakeReport(table, request, FindForReport(table, finder, request, terms));
}

} // namespace quillet
