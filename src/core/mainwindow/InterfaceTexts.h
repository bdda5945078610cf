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
// take the captions their Edit menu counterparts have just been given.
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
    WordCountSuffix,
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

// The two column headings of both result lists: the headwords' language first.
std::pair<QString, QString> ColumnHeadings(bool english, bool romanianEnglishTicked);

} // namespace quillet
