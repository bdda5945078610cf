// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's hook for the user's own words: My terms in both result lists, the
// right-click menu's and the empty list's offers to add, starring an entry into My list,
// and the window that manages both.
#include "ui/mainwindow/Form1.h"

#include "core/app/StaleFiles.h"
#include "core/mainwindow/InterfaceTexts.h"
#include "ui/lookup/QueryBox.h"
#include "ui/lookup/ResultList.h"
#include "ui/mainwindow/HoverColours.h"
#include "ui/terms/MyTermsWindow.h"

#include <QAction>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace quillet {

void Form1::connectTermsHandlers()
{
    connect(mnuMyTerms, &QAction::triggered, this, &Form1::mnuMyTerms_Click);
    connect(mnuAddTerm, &QAction::triggered, this, &Form1::mnuAddTerm_Click);
    connect(mnuKeep, &QAction::triggered, this, &Form1::mnuKeep_Click);
}

void Form1::startReadingPersonalWords()
{
    if (personalRead_.valid() || personalLoaded_)
        return;
    // What a save that was killed left beside the files goes first.
    RemoveStaleSaveLeftovers(personal_.files().terms);
    RemoveStaleSaveLeftovers(personal_.files().kept);
    personalRead_ = std::async(std::launch::async, [files = personal_.files()] {
        PersonalRead read{PersonalWords(files), {}, {}};
        read.problems = read.words.load();
        read.index = TermIndex(read.words.terms());
        return read;
    });
}

void Form1::LoadPersonalWords()
{
    // Once read, My terms are read again when another program (an import from the command
    // line) changed their file, so that the next search or caller finds the new pairs.
    if (personalLoaded_) {
        if (personal_.readTermsAgainIfChanged())
            refreshTermIndex();
        return;
    }
    startReadingPersonalWords();
    personalLoaded_ = true;
    PersonalRead read = personalRead_.get();
    personal_ = std::move(read.words);
    termIndex_ = std::move(read.index);
    indexedGeneration_ = personal_.termsGeneration();
    for (const QString &problem : read.problems)
        reportProblem(problem);
}

void Form1::refreshTermIndex()
{
    if (indexedGeneration_ == personal_.termsGeneration())
        return;
    termIndex_ = TermIndex(personal_.terms());
    indexedGeneration_ = personal_.termsGeneration();
}

void Form1::reportProblem(const QString &problem)
{
    qWarning("quillet: %s", qUtf8Printable(problem));
    if (setup_.showProblem)
        setup_.showProblem(problem);
    else
        QMessageBox::warning(this, u"Quillet"_s, problem);
}

std::pair<qsizetype, qsizetype> Form1::showPersonalFinds(int d, const QString &query, Diacritics diacritics)
{
    LoadPersonalWords();
    if (termIndex_.isEmpty())
        return {0, 0};
    const PersonalFinds finds = termIndex_.find(d, query, diacritics);
    const QString mark = TextOf(TextTarget::PersonalRowTip, inEnglish());
    lv[0]->insertPersonal(finds.startingWith, mark);
    lv[1]->insertPersonal(finds.containing, mark);
    return {finds.startingWith.size(), finds.containing.size()};
}

// A search that finds nothing at all offers to add the word.
void Form1::offerToAdd(const QString &query)
{
    addOffered_.clear();
    if (loading_ || otherDirectionOffered_ != 0 || lv[0]->rowCount() > 0 || lv[1]->rowCount() > 0)
        return;
    lv[0]->setNotice(TextOf(TextTarget::AddWordNotice, inEnglish()).arg(query), NoticeLinkText, NoticeLinkGround);
    addOffered_ = query;
}

void Form1::chooseNotice()
{
    if (otherDirectionOffered_ != 0) {
        openOtherDirection();
        return;
    }
    if (!addOffered_.isEmpty()) {
        const bool romanian = CurrentDirection() == DictTable::RomanianEnglish;
        openMyTerms(PersonalTerm{addOffered_, {},
                                 romanian ? TermDirection::RomanianEnglish : TermDirection::EnglishRomanian, {}});
    }
}

void Form1::mnuMyTerms_Click()
{
    openMyTerms(std::nullopt);
}

void Form1::mnuAddTerm_Click()
{
    const bool romanian = CurrentDirection() == DictTable::RomanianEnglish;
    PersonalTerm proposed{{}, {}, romanian ? TermDirection::RomanianEnglish : TermDirection::EnglishRomanian, {}};
    if (const auto row = lv[ActiveListIndex]->selectedRow()) {
        proposed.headword = row->first;
        proposed.translation = row->second;
    } else {
        proposed.headword = Text1->text().trimmed();
    }
    openMyTerms(proposed);
}

void Form1::mnuKeep_Click()
{
    LoadPersonalWords();
    const auto row = lv[ActiveListIndex]->selectedRow();
    if (!row)
        return;
    if (const QString problem = personal_.keep({CurrentDirection(), row->first, row->second, {}}); !problem.isEmpty())
        reportProblem(problem);
}

void Form1::openMyTerms(std::optional<PersonalTerm> proposed)
{
    LoadPersonalWords();
    MyTermsWindow window(MyTermsInputs{personal_, history_.entries(), *DictTable_, inEnglish(), std::move(proposed)},
                         this);
    if (setup_.showMyTerms)
        setup_.showMyTerms(window);
    else
        window.exec();
    // What the window changed is found at once.
    const int before = indexedGeneration_;
    refreshTermIndex();
    const QString query = Text1->text().trimmed();
    if (before != indexedGeneration_ && !query.isEmpty())
        RunSearch(query);
}

} // namespace quillet
