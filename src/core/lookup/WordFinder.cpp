// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/WordFinder.h"

#include "core/dictionary/Diacritics.h"
#include "core/lookup/EnglishMorphology.h"
#include "core/lookup/NearMisses.h"
#include "core/lookup/RomanianMorphology.h"
#include "core/lookup/WordKey.h"

#include <algorithm>

namespace quillet {

namespace {

std::size_t Slot(int d)
{
    return d == DictTable::RomanianEnglish ? 1 : 0;
}

void AppendEach(QStringList &list, const QStringList &more)
{
    for (const QString &word : more)
        if (!list.contains(word))
            list.append(word);
}

// The base forms the forms table lists for the word: of forms spelled as it, and when
// there are none (or marks are ignored), of forms that differ from it in marks.
QStringList ListedBases(const FormsTable &forms, QStringView word, Diacritics diacritics)
{
    const FoundBases found = forms.basesOf(word);
    QStringList bases = found.spelledAlike;
    // A form typed without its marks ("suruburile") still leads to its base.
    if (diacritics == Diacritics::Ignored || bases.isEmpty())
        AppendEach(bases, found.marksApart);
    return bases;
}

// The query without the particle in front of it, if it has one.
std::optional<QStringView> WithoutParticle(int d, QStringView query)
{
    const qsizetype space = query.indexOf(u' ');
    if (space <= 0)
        return std::nullopt;
    const QStringView first = query.first(space);
    const auto isFirst = [first](QStringView particle) { return first.compare(particle, Qt::CaseInsensitive) == 0; };
    const bool particle = d == DictTable::EnglishRomanian
                              ? std::any_of(EnglishParticles.begin(), EnglishParticles.end(), isFirst)
                              : std::any_of(RomanianParticles.begin(), RomanianParticles.end(), isFirst);
    const QStringView rest = query.sliced(space + 1).trimmed();
    if (!particle || rest.isEmpty())
        return std::nullopt;
    return rest;
}

} // namespace

void WordFinder::setForms(int d, FormsTable forms)
{
    if (DictTable::isDirection(d))
        forms_[Slot(d)] = std::move(forms);
}

void WordFinder::prepare()
{
    keys(DictTable::EnglishRomanian);
    keys(DictTable::RomanianEnglish);
}

const HeadwordKeys &WordFinder::keys(int d)
{
    std::optional<HeadwordKeys> &slot = keys_[Slot(d)];
    if (!slot)
        slot.emplace(table_, d);
    return *slot;
}

std::optional<int> WordFinder::entryOf(int d, const QString &word, Diacritics diacritics)
{
    // The headwords spelled as the word when case and marks are set aside, found in the
    // index the search keeps: the keys of every headword are made only for near misses.
    const HeadwordText &plain = table_.headwords(d).foldedWithoutMarks();
    const std::vector<int> alike = plain.findEqual(
        FoldDiacritics(HeadwordIndex::fold(word)).toStdString(), std::min(table_.EntryCount(d), plain.size()));
    const auto headword = [&](int k) -> const QString & { return table_(d, DictTable::Headword, k); };
    const auto pick = [&](auto &&matches) -> std::optional<int> {
        const auto found = std::find_if(alike.begin(), alike.end(), matches);
        return found == alike.end() ? std::nullopt : std::optional<int>(*found);
    };
    if (const auto exact = pick([&](int k) { return headword(k) == word; }))
        return exact;
    if (const auto caseApart = pick([&](int k) { return headword(k).compare(word, Qt::CaseInsensitive) == 0; }))
        return caseApart;
    if (diacritics == Diacritics::Ignored && !alike.empty())
        return alike.front();
    return std::nullopt;
}

bool WordFinder::isHeadword(int d, QStringView query, Diacritics diacritics)
{
    return DictTable::isDirection(d) && entryOf(d, query.toString(), diacritics).has_value();
}

QStringList WordFinder::candidateBases(int d, QStringView query, Diacritics diacritics)
{
    const FormsTable &forms = forms_[Slot(d)];
    QStringList bases = ListedBases(forms, query, diacritics);
    if (d == DictTable::EnglishRomanian) {
        AppendEach(bases, EnglishBaseCandidates(query));
        // An irregular last word of a phrase: "carbon fibre indices".
        const qsizetype space = query.lastIndexOf(u' ');
        if (space > 0) {
            const QString phrase = query.first(space + 1).toString();
            for (const QString &base : forms.basesOf(query.sliced(space + 1)).spelledAlike)
                AppendEach(bases, {phrase + base});
        }
    } else if (bases.isEmpty()) {
        // A form the list lacks but for its article: "pompele" is "pompe" and "le".
        for (const QString &stem : RomanianArticleCandidates(query)) {
            AppendEach(bases, {stem});
            AppendEach(bases, ListedBases(forms, stem, diacritics));
        }
    }
    // A particle in front: "a pompa", "to pump", "unei pompe".
    if (const std::optional<QStringView> rest = WithoutParticle(d, query))
        AppendEach(bases, isHeadword(d, *rest, diacritics) ? QStringList{rest->toString()}
                                                           : candidateBases(d, *rest, diacritics));
    return bases;
}

QStringList WordFinder::headwordBases(int d, QStringView query, Diacritics diacritics) const
{
    const FoundBases listed = forms_[Slot(d)].basesOf(query);
    QStringList bases = listed.spelledAlike;
    if (diacritics == Diacritics::Ignored)
        AppendEach(bases, listed.marksApart);
    if (d == DictTable::EnglishRomanian)
        AppendEach(bases, EnglishBaseCandidates(query, EnglishEndings::VerbsAndPlurals));
    return bases;
}

std::vector<int> WordFinder::baseForms(int d, QStringView query, Diacritics diacritics)
{
    std::vector<int> entries;
    if (!DictTable::isDirection(d) || query.isEmpty())
        return entries;
    const bool headword = isHeadword(d, query, diacritics);
    const QString key = WordKey(query);
    for (const QString &base : headword ? headwordBases(d, query, diacritics) : candidateBases(d, query, diacritics)) {
        // Beside a headword, the word itself is no base form of it.
        if (headword && WordKey(base) == key)
            continue;
        const std::optional<int> k = entryOf(d, base, diacritics);
        if (k && std::find(entries.begin(), entries.end(), *k) == entries.end())
            entries.push_back(*k);
        if (entries.size() == MaxBaseForms)
            break;
    }
    return entries;
}

std::vector<int> WordFinder::otherCase(int d, QStringView query, Diacritics diacritics)
{
    std::vector<int> entries;
    if (!DictTable::isDirection(d) || query.isEmpty())
        return entries;
    // As the Starting-with list compares: marks count unless they are ignored, case always.
    const auto spelling = [diacritics](QStringView text) {
        return diacritics == Diacritics::Ignored ? FoldDiacritics(text) : text.toString();
    };
    const QString asTyped = spelling(query);
    const HeadwordText &plain = table_.headwords(d).foldedWithoutMarks();
    for (const int k : plain.findEqual(FoldDiacritics(HeadwordIndex::fold(query)).toStdString(),
                                       std::min(table_.EntryCount(d), plain.size()))) {
        const QString headword = spelling(table_(d, DictTable::Headword, k));
        if (headword != asTyped && headword.compare(asTyped, Qt::CaseInsensitive) == 0)
            entries.push_back(k);
        if (entries.size() == MaxBaseForms)
            break;
    }
    return entries;
}

std::vector<int> WordFinder::nearMisses(int d, QStringView query)
{
    return DictTable::isDirection(d) ? FindNearMisses(keys(d), query) : std::vector<int>{};
}

WordFinds WordFinder::find(int d, QStringView query, const SearchResult &found, Diacritics diacritics,
                           NearMissSearch nearMisses)
{
    WordFinds finds;
    if (!DictTable::isDirection(d))
        return finds;
    finds.otherCase = otherCase(d, query, diacritics);
    finds.baseForms = baseForms(d, query, diacritics);
    // A base form that differs from the query in case alone is offered once, as such.
    std::erase_if(finds.baseForms, [&finds](int k) {
        return std::find(finds.otherCase.begin(), finds.otherCase.end(), k) != finds.otherCase.end();
    });
    finds.besideHeadword = !finds.baseForms.empty() && isHeadword(d, query, diacritics);
    if (nearMisses == NearMissSearch::WhenNothingFound && finds.isEmpty() && found.startingWith.empty()
        && found.containing.empty())
        finds.nearMisses = this->nearMisses(d, query);
    return finds;
}

std::size_t WordFinder::byteSize() const
{
    std::size_t bytes = 0;
    for (const FormsTable &forms : forms_)
        bytes += std::size_t(forms.byteSize());
    for (const std::optional<HeadwordKeys> &keys : keys_)
        bytes += keys ? keys->byteSize() : 0;
    return bytes;
}

} // namespace quillet
