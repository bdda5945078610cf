// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's word forms: the forms tables read after the first list, and the base
// forms and near misses offered above the Starting-with rows.
#include "ui/mainwindow/Form1.h"

#include "core/dictionary/FormsLoader.h"
#include "ui/lookup/QueryBox.h"
#include "ui/lookup/ResultList.h"

#include <QAction>

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
    wordFormsLoaded_ = true;
    wordFinder_.prepare();
    const ClosingWatch watch(unloaded_);
    LoadedForms loaded = FormsLoader(setup_.programDir)
                                   .LoadForms({DictTable::EnglishRomanian, DictTable::RomanianEnglish}, watch);
    if (unloaded_ || loaded.result.cancelled)
        return;
    if (!loaded.result.loaded)
        qWarning("quillet: the word forms could not be loaded: %s", qUtf8Printable(loaded.result.failure.message()));
    for (const int d : {DictTable::EnglishRomanian, DictTable::RomanianEnglish})
        wordFinder_.setForms(d, FormsTable(std::move(loaded.lines[std::size_t(d - 1)])));
    // A query typed while the forms loaded is shown again with its base forms.
    const QString query = Text1->text().trimmed();
    if (mnuWordForms->isChecked() && !query.isEmpty())
        RunSearch(query);
}

void Form1::offerWordForms(int d, const QString &query, const SearchResult &found, Diacritics diacritics)
{
    // While the table still fills, its headwords are not worth reading.
    if (loading_)
        return;
    const WordFinds finds = wordFinder_.find(d, query, found, diacritics);
    const auto rows = [&](const std::vector<int> &entries) {
        QList<std::pair<QString, QString>> texts;
        for (const int k : entries)
            texts.append({DictTable_->at(d, DictTable::Headword, k), DictTable_->at(d, DictTable::Translation, k)});
        return texts;
    };
    if (!finds.baseForms.empty())
        lv[0]->prependOffered(BaseFormsTitle, rows(finds.baseForms), BaseFormText, BaseFormGround);
    else if (!finds.nearMisses.empty())
        lv[0]->prependOffered(NearMissesTitle, rows(finds.nearMisses), NearMissText, NearMissGround);
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
