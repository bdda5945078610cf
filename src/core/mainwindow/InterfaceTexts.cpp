// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/InterfaceTexts.h"

#include <array>

namespace quillet {

namespace {

using enum TextTarget;

constexpr std::array<InterfaceText, 37> Rows{{
    // target                               English                                          Romanian
    {Label3_0_Caption,                      u"English-Romanian",                             u"Englez-Roman Tehnic"},
    {Label3_1_Caption,                      u"Romanian-English",                             u"Roman-Englez Tehnic"},
    {Label3_0_ToolTip,                      u"Select English-Romanian Technical Dictionary", u"Selecteaza Dictionarul Englez-Roman Tehnic"},
    {Label3_1_ToolTip,                      u"Select Romanian-English Technical Dictionary", u"Selecteaza Dictionarul Roman-Englez Tehnic"},
    {ColumnHeadings,                        {},                                              {}},
    {Label2_0_Caption,                      u"Starting with:",                               u"Incepand cu:"},
    {Label2_1_Caption,                      u"Containing:",                                  u"Continand:"},
    {mnuCopyRec_Caption,                    u"Copy selected record to Clipboard",            u"Copiaza cuvantul in Clipboard"},
    {mnuCopyTranslation_Caption,            u"Copy selected translation to Clipboard",       u"Copiaza traducerea in Clipboard"},
    {mnuSearchAsYouType_Caption,            u"Search as you type",                           u"Cauta pe masura ce tastezi"},
    {mnuOptions_Caption,                    u"Options",                                      u"Optiuni"},
    {mnuEdit_Caption,                       u"Edit",                                         u"Editare"},
    {PasteTitle,                            u"Paste word from Clipboard",                    u"Lipeste cuvant din Clipboard"},
    {mnuPasteWord_Caption,                  u"Paste word from Clipboard",                    u"Lipeste cuvant din Clipboard"},
    {ImgSearch_ToolTip,                     u"Search",                                       u"Cauta"},
    {mnuEngRom_Caption,                     u"English-Romanian Technical Dictionary",        u"Dictionar Englez-Roman Tehnic"},
    {mnuRomEng_Caption,                     u"Romanian-English Technical Dictionary",        u"Dictionar Roman-Englez Tehnic"},
    {mnuAbout_Caption,                      u"About",                                        u"Despre..."},
    {WordCountSuffix,                       u" words",                                       u" cuvinte"},
    {Find_Caption,                          u"&Find:",                                       u"&Cauta:"},
    {mnuAdvancedSearch_Caption,             u"Advanced Search",                              u"Cautare avansata"},
    {Label1_0_Caption,                      u"Options",                                      u"Optiuni"},
    {Label1_0_ToolTip,                      u"Show Options",                                 u"Arata Optiuni"},
    {mnuGame_Caption,                       u"Game",                                         u"Joc"},
    {Label1_1_Caption,                      u"Split",                                        u"Fragmenteaza"},
    {Label1_1_ToolTip,                      u"Split Word",                                   u"Fragmenteaza cuvantul"},
    {Label1_2_Caption,                      u"History",                                      u"Istoric"},
    {Label1_2_ToolTip,                      u"History",                                      u"Istoric"},
    {lblPuncte,                             u"Points: ",                                     u"Puncte: "},
    {lblPuncte1,                            u" from ",                                       u" din "},
    {mnuExit_Caption,                       u"Exit",                                         u"Iesire (Exit)"},
    {mnuCopyRec2_FromCopyRec,               {},                                              {}},
    {mnuCopyTranslation2_FromCopyTranslation, {},                                            {}},
    {mnuIgnoreDiacritics_Caption,           u"Ignore diacritics",                            u"Ignora diacriticele"},
    {mnuWordForms_Caption,                  u"Word forms",                                   u"Formele cuvantului"},
    {BaseFormsTitle,                        u"Base forms:",                                  u"Forme de baza:"},
    {NearMissesTitle,                       u"Near misses:",                                 u"Cuvinte apropiate:"},
}};

} // namespace

std::span<const InterfaceText> InterfaceTextRows()
{
    return Rows;
}

std::pair<QString, QString> ColumnHeadings(bool english, bool romanianEnglishTicked)
{
    const QStringView englishName = english ? u"English" : u"Engleza";
    const QStringView romanianName = english ? u"Romanian" : u"Romana";
    if (romanianEnglishTicked)
        return {romanianName.toString(), englishName.toString()};
    return {englishName.toString(), romanianName.toString()};
}

} // namespace quillet
