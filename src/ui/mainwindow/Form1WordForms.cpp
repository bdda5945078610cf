// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's offers besides the lists: the forms tables read after the first list;
// the headwords spelled as the query but for letter case, its base forms and near misses
// offered among the Starting-with rows; and the notice that the other direction has it.
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/HoverColours.h"

#include "core/dictionary/Diacritics.h"
#include "core/dictionary/FormsLoader.h"
#include "core/mainwindow/InterfaceTexts.h"
#include "ui/lookup/QueryBox.h"
#include "ui/lookup/ResultList.h"

#include <QAction>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// Base forms in green, near misses in amber, on a light ground of the same hue.
const QColor BaseFormText(0, 100, 0);
const QColor BaseFormGround(230, 244, 230);
const QColor NearMissText(150, 75, 0);
const QColor NearMissGround(255, 243, 222);

// Gives the forms loader the window's close: a window closed before the forms are read
// reads none.
class ClosingWatch : public LoadObserver {
public:
    explicit ClosingWatch(const bool &closed) : closed_(closed) {}
    bool cancelled() const override { return closed_; }

private:
    const bool &closed_;
};

} // namespace

void Form1::LoadWordForms()
{
    // Read once, and only for a user who has the option on.
    if (unloaded_ || loading_ || wordFormsLoaded_ || !mnuWordForms->isChecked())
        return;
    if (!readWordForms())
        return;
    // A query typed while the forms loaded is shown again with its base forms.
    const QString query = Text1->text().trimmed();
    if (mnuWordForms->isChecked() && !query.isEmpty())
        RunSearch(query);
}

bool Form1::readWordForms()
{
    wordFormsLoaded_ = true;
    wordFinder_.prepare();
    const ClosingWatch watch(unloaded_);
    LoadedForms loaded = FormsLoader(setup_.programDir)
                                   .LoadForms({DictTable::EnglishRomanian, DictTable::RomanianEnglish}, watch);
    if (unloaded_ || loaded.result.cancelled)
        return false;
    if (!loaded.result.loaded)
        qWarning("quillet: the word forms could not be loaded: %s", qUtf8Printable(loaded.result.failure.message()));
    for (const int d : {DictTable::EnglishRomanian, DictTable::RomanianEnglish})
        wordFinder_.setForms(d, FormsTable(std::move(loaded.lines[std::size_t(d - 1)])));
    return true;
}

qsizetype Form1::offerBesides(int d, const QString &query, const SearchResult &found, Diacritics diacritics,
                              qsizetype top)
{
    otherDirectionOffered_ = 0;
    // While the table still fills, its headwords are not worth reading.
    if (loading_)
        return 0;
    const bool english = inEnglish();
    const auto rows = [&](const std::vector<int> &entries) {
        QList<std::pair<QString, QString>> texts;
        for (const int k : entries)
            texts.append({DictTable_->at(d, DictTable::Headword, k), DictTable_->at(d, DictTable::Translation, k)});
        return texts;
    };
    // The letter case is told apart by the Starting-with list alone: its other spellings are
    // offered with the word forms on or off.
    WordFinds finds;
    if (mnuWordForms->isChecked())
        finds = wordFinder_.find(d, query, found, diacritics, NearMissSearch::Never);
    else
        finds.otherCase = wordFinder_.otherCase(d, query, diacritics);
    const bool nothingFound = finds.isEmpty() && found.startingWith.empty() && found.containing.empty();
    const int other = d == DictTable::EnglishRomanian ? DictTable::RomanianEnglish : DictTable::EnglishRomanian;
    const bool inOther = nothingFound && wordFinder_.isHeadword(other, query, diacritics);
    if (nothingFound && !inOther && mnuWordForms->isChecked())
        finds.nearMisses = wordFinder_.nearMisses(d, query);

    // From the bottom up: each group goes above those already placed.
    if (finds.besideHeadword) {
        // After the word's own rows, which lead the Starting-with list.
        const QString asTyped = diacritics == Diacritics::Ignored ? FoldDiacritics(query) : query;
        int own = 0;
        while (own < int(found.startingWith.size())) {
            const QString &headword = DictTable_->at(d, DictTable::Headword, found.startingWith[std::size_t(own)]);
            if ((diacritics == Diacritics::Ignored ? FoldDiacritics(headword) : headword) != asTyped)
                break;
            ++own;
        }
        lv[0]->insertOffered(int(std::min<qsizetype>(top + own, lv[0]->rowCount())), TextOf(TextTarget::BaseFormsTitle, english), rows(finds.baseForms), BaseFormText,
                             BaseFormGround);
    }
    if (!finds.nearMisses.empty())
        lv[0]->insertOffered(int(top), TextOf(TextTarget::NearMissesTitle, english), rows(finds.nearMisses), NearMissText,
                             NearMissGround);
    if (!finds.besideHeadword && !finds.baseForms.empty())
        lv[0]->insertOffered(int(top), TextOf(TextTarget::BaseFormsTitle, english), rows(finds.baseForms), BaseFormText,
                             BaseFormGround);
    if (!finds.otherCase.empty())
        lv[0]->insertOffered(int(top), TextOf(TextTarget::OtherCaseTitle, english), rows(finds.otherCase), BaseFormText,
                             BaseFormGround);
    if (inOther) {
        const TextTarget found = other == DictTable::EnglishRomanian ? TextTarget::FoundInEnglishRomanian
                                                                     : TextTarget::FoundInRomanianEnglish;
        lv[0]->setNotice(TextOf(found, english).arg(query), NoticeLinkText, NoticeLinkGround);
        otherDirectionOffered_ = other;
    }
    return qsizetype(finds.otherCase.size() + finds.baseForms.size() + finds.nearMisses.size());
}

// The notice of the Starting-with list was chosen: the query is searched in the direction
// that has it, as a click on that direction's label searches.
void Form1::openOtherDirection()
{
    if (otherDirectionOffered_ != 0)
        Label3_Click(otherDirectionOffered_ == DictTable::EnglishRomanian ? 0 : 1);
}

void Form1::mnuWordForms_Click()
{
    mnuWordForms->setChecked(!mnuWordForms->isChecked());
    // Forms not read yet, the option being off at start, are read now, and the search
    // runs again with them.
    if (mnuWordForms->isChecked() && !wordFormsLoaded_ && !loading_) {
        LoadWordForms();
        return;
    }
    // The lists show at once what the query finds with the forms or without them.
    const QString query = Text1->text().trimmed();
    if (!query.isEmpty())
        RunSearch(query);
}

} // namespace quillet
