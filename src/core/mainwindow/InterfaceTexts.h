// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <span>
#include <utility>

namespace quillet {

// Everything of the main window that is written in the interface language, one
// enumerator per control and property. The three rows that carry no text of their own
// are ColumnHeadings (see ColumnHeadings()) and the pop-up menu's two copy items, which
// take the captions their Edit menu counterparts have just been given. The counts under
// the lists are written by WordCount(), the one rule for both languages.
enum class TextTarget {
    Label3_0_Caption,
    Label3_1_Caption,
    Label3_0_ToolTip,
    Label3_1_ToolTip,
    ColumnHeadings,
    Label2_0_Caption,
    Label2_1_Caption,
    mnuCopyRec_Caption,
    mnuCopyTranslation_Caption,
    mnuSearchAsYouType_Caption,
    mnuOptions_Caption,
    mnuEdit_Caption,
    PasteTitle,
    mnuPasteWord_Caption,
    ImgSearch_ToolTip,
    mnuEngRom_Caption,
    mnuRomEng_Caption,
    mnuAbout_Caption,
    Find_Caption,
    mnuAdvancedSearch_Caption,
    Label1_0_Caption,
    Label1_0_ToolTip,
    mnuGame_Caption,
    Label1_1_Caption,
    Label1_1_ToolTip,
    Label1_2_Caption,
    Label1_2_ToolTip,
    lblPuncte,
    lblPuncte1,
    mnuExit_Caption,
    mnuCopyRec2_FromCopyRec,
    mnuCopyTranslation2_FromCopyTranslation,
    mnuIgnoreDiacritics_Caption,
    mnuWordForms_Caption,
    BaseFormsTitle,
    NearMissesTitle,
    OtherCaseTitle,         // headwords that differ from the query in letter case alone
    FoundInEnglishRomanian, // "%1" is the query, found in the other direction
    FoundInRomanianEnglish,
    AdvancedSearchOffNote,  // "%1" is the key that turns it on
    Label4_Caption,         // the title, before " ver. " and the version
    Image1_ToolTip,
    Image2_ToolTip,
    Image4_ToolTip,
    LoadingText,
    LoadFailedText,
    mnuSelectionKey_Caption, // how to look up the selection of any program with a key
    SelectionKeyText,        // "%1" is the command to bind
    SelectionKeyOffer,       // the desktop can take the key: "%1" is the key proposed
    SelectionKeyAccept,      // the offer's buttons
    SelectionKeyDecline,
    SelectionKeyDescription, // what the key does, as the desktop's settings show it
    SelectionKeyBound,       // "%1" is the key the desktop gave
    SelectionKeyCancelled,
    SelectionKeyRefused,     // "%1" is what the desktop said
    mnuMyTerms_Caption,
    mnuAddTerm_Caption,
    mnuKeep_Caption,
    AddWordNotice,          // "%1" is the query that found nothing
    PersonalRowTip,         // under the tip of a row of My terms
};

// One row of the language table. The texts are used exactly as they are: blanks at
// either end belong to them, and "&" marks the access key of a label.
struct InterfaceText {
    TextTarget target;
    QStringView english;
    QStringView romanian;

    QString text(bool inEnglish) const { return (inEnglish ? english : romanian).toString(); }
};

// The rows in the order the window writes them.
std::span<const InterfaceText> InterfaceTextRows();

// The text of one row in the language.
QString TextOf(TextTarget target, bool english);

// The two column headings of both result lists: the headwords' language first.
std::pair<QString, QString> ColumnHeadings(bool english, bool romanianEnglishTicked);

// The count under a result list: "1 word", "7 words", ">100 words" for a list that
// stopped at its limit; in Romanian "1 cuvânt", "7 cuvinte", "20 de cuvinte" (from 20 on,
// "de" comes in unless the last two digits are 01 to 19: "101 cuvinte", "120 de cuvinte").
QString WordCount(qsizetype count, bool limited, bool english);

// The captions of the two interface-language items, each in its own language.
inline constexpr QStringView EnglishInterfaceCaption = u"English interface";
inline constexpr QStringView RomanianInterfaceCaption = u"Interfață în limba română";

} // namespace quillet
