// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/ReportBuilder.h"

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

struct DirectionFinds {
    int d;
    SearchResult found;
    WordFinds offered;
    PersonalFinds personal;

    bool isEmpty() const
    {
        return found.startingWith.empty() && found.containing.empty() && offered.isEmpty()
               && personal.startingWith.isEmpty() && personal.containing.isEmpty();
    }
};

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
    const auto add = [&](QStringView name, TextTarget heading, const std::vector<int> &entries) {
        if (!entries.empty())
            direction.lists.append(ListOf(name, heading, entries, table, d));
    };
    const WordFinds &offered = finds.offered;
    add(u"other-case", TextTarget::OtherCaseTitle, offered.otherCase);
    if (!offered.besideHeadword)
        add(u"base-forms", TextTarget::BaseFormsTitle, offered.baseForms);
    add(u"near-misses", TextTarget::NearMissesTitle, offered.nearMisses);
    direction.lists.append(WithPersonal(
        ListOf(u"starting-with", TextTarget::Label2_0_Caption, finds.found.startingWith, table, d),
        finds.personal.startingWith));
    if (offered.besideHeadword)
        add(u"base-forms", TextTarget::BaseFormsTitle, offered.baseForms);
    direction.lists.append(WithPersonal(
        ListOf(u"containing", TextTarget::Label2_1_Caption, finds.found.containing, table, d),
        finds.personal.containing));
    return direction;
}

} // namespace

QList<int> RequestedDirections(const LookupRequest &request)
{
    return request.direction ? QList<int>{*request.direction}
                             : QList<int>{DictTable::EnglishRomanian, DictTable::RomanianEnglish};
}

LookupReport MakeReport(const DictTable &table, WordFinder &finder, const LookupRequest &request,
                        const TermIndex *terms)
{
    const bool withTerms = terms != nullptr && !terms->isEmpty();
    const QString query = CommaBelowLetters(request.word);
    std::vector<DirectionFinds> directions;
    for (const int d : RequestedDirections(request)) {
        const SearchResult found = SearchDictionary(table, d, query, request.diacritics);
        directions.push_back({d, found, finder.find(d, query, found, request.diacritics, NearMissSearch::Never),
                              withTerms ? terms->find(d, query, request.diacritics) : PersonalFinds{}});
    }
    if (std::all_of(directions.begin(), directions.end(), [](const DirectionFinds &f) { return f.isEmpty(); }))
        for (DirectionFinds &finds : directions)
            finds.offered.nearMisses = finder.nearMisses(finds.d, query);

    LookupReport report{request.word, request.diacritics == Diacritics::Ignored, {}, withTerms};
    for (const DirectionFinds &finds : directions)
        report.directions.append(DirectionReport(table, finds));
    return report;
}

} // namespace quillet
