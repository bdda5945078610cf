// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/InterfaceTexts.h"

#include "core/lookup/ReportWords.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

using enum TextTarget;
namespace report = plain::report;

// A text of the look-up's report, which the command line without Qt prints as well.
constexpr QStringView English(std::u16string_view text)
{
    return QStringView(text.data(), qsizetype(text.size()));
}

constexpr std::array<InterfaceText, 60> Rows{{
    // target                               English                                          Romanian
    {Label3_0_Caption,                      English(report::EnglishRomanian),                             u"Englez-Român tehnic"},
    {Label3_1_Caption,                      English(report::RomanianEnglish),                             u"Român-Englez tehnic"},
    {Label3_0_ToolTip,                      u"Select English-Romanian Technical Dictionary", u"Selectează dicționarul tehnic englez-român"},
    {Label3_1_ToolTip,                      u"Select Romanian-English Technical Dictionary", u"Selectează dicționarul tehnic român-englez"},
    {ColumnHeadings,                        {},                                              {}},
    {Label2_0_Caption,                      English(report::StartingWith),                               u"Începând cu:"},
    {Label2_1_Caption,                      English(report::Containing),                                  u"Conținând:"},
    {mnuCopyRec_Caption,                    u"Copy selected record to Clipboard",            u"Copiază cuvântul în clipboard"},
    {mnuCopyTranslation_Caption,            u"Copy selected translation to Clipboard",       u"Copiază traducerea în clipboard"},
    {mnuSearchAsYouType_Caption,            u"Search as you type",                           u"Caută pe măsură ce tastezi"},
    {mnuOptions_Caption,                    u"Options",                                      u"Opțiuni"},
    {mnuEdit_Caption,                       u"Edit",                                         u"Editare"},
    {PasteTitle,                            u"Paste word from Clipboard",                    u"Lipește cuvântul din clipboard"},
    {mnuPasteWord_Caption,                  u"Paste word from Clipboard",                    u"Lipește cuvântul din clipboard"},
    {ImgSearch_ToolTip,                     u"Search",                                       u"Caută"},
    {mnuEngRom_Caption,                     u"English-Romanian Technical Dictionary",        u"Dicționar tehnic englez-român"},
    {mnuRomEng_Caption,                     u"Romanian-English Technical Dictionary",        u"Dicționar tehnic român-englez"},
    {mnuAbout_Caption,                      u"About",                                        u"Despre..."},
    {Find_Caption,                          u"&Find:",                                       u"&Caută:"},
    {mnuAdvancedSearch_Caption,             u"Advanced Search",                              u"Căutare avansată"},
    {Label1_0_Caption,                      u"Options",                                      u"Opțiuni"},
    {Label1_0_ToolTip,                      u"Show Options",                                 u"Arată opțiunile"},
    {mnuGame_Caption,                       u"Game",                                         u"Joc"},
    {Label1_1_Caption,                      u"Split",                                        u"Fragmentează"},
    {Label1_1_ToolTip,                      u"Split Word",                                   u"Fragmentează cuvântul"},
    {Label1_2_Caption,                      u"History",                                      u"Istoric"},
    {Label1_2_ToolTip,                      u"History",                                      u"Istoric"},
    {lblPuncte,                             u"Points: ",                                     u"Puncte: "},
    {lblPuncte1,                            u" from ",                                       u" din "},
    {mnuExit_Caption,                       u"Exit",                                         u"Ieșire"},
    {mnuCopyRec2_FromCopyRec,               {},                                              {}},
    {mnuCopyTranslation2_FromCopyTranslation, {},                                            {}},
    {mnuIgnoreDiacritics_Caption,           u"Ignore diacritics",                            u"Ignoră diacriticele"},
    {mnuWordForms_Caption,                  u"Word forms",                                   u"Formele cuvântului"},
    {BaseFormsTitle,                        English(report::BaseForms),                                  u"Forme de bază:"},
    {NearMissesTitle,                       u"Near misses:",                                 u"Cuvinte apropiate:"},
    {OtherCaseTitle,                        English(report::OtherCase),                       u"Același cuvânt, scris altfel:"},
    {FoundInEnglishRomanian,                u"Found in English-Romanian: %1",                u"Găsit în dicționarul englez-român: %1"},
    {FoundInRomanianEnglish,                u"Found in Romanian-English: %1",                u"Găsit în dicționarul român-englez: %1"},
    {AdvancedSearchOffNote,                 u"Advanced search is off (%1)",                  u"Căutarea avansată este oprită (%1)"},
    {Label4_Caption,                        u"Quillet Technical Dictionary",                 u"Dicționarul tehnic Quillet"},
    {Image1_ToolTip,                        u"Help",                                         u"Ajutor"},
    {Image2_ToolTip,                        u"Minimize",                                     u"Minimizează"},
    {Image4_ToolTip,                        u"Exit",                                         u"Ieșire"},
    {LoadingText,                           u"Loading...",                                   u"Se încarcă..."},
    {LoadFailedText,                        u"The dictionary could not be loaded.",          u"Dicționarul nu a putut fi încărcat."},
    {mnuSelectionKey_Caption,               u"Look up from any program...",                  u"Caută din orice program..."},
    {SelectionKeyText,
     u"Select a word in any program and press a key of your choice: a pop-up beside the pointer shows its "
     u"translation.\n\nTo choose the key, add a custom keyboard shortcut that runs the command\n\n    %1\n\n"
     u"GNOME: Settings, Keyboard, View and Customise Shortcuts, Custom Shortcuts.\n"
     u"KDE Plasma: System Settings, Shortcuts, Add Command.\n"
     u"Xfce: Settings, Keyboard, Application Shortcuts, Add.",
     u"Selectează un cuvânt în orice program și apasă o tastă aleasă de tine: lângă indicator apare "
     u"traducerea lui.\n\nPentru a alege tasta, adaugă o scurtătură de tastatură personalizată care rulează "
     u"comanda\n\n    %1\n\n"
     u"GNOME: Configurări, Tastatură, Vezi și personalizează scurtăturile, Scurtături personalizate.\n"
     u"KDE Plasma: Configurări sistem, Scurtături, Adaugă comandă.\n"
     u"Xfce: Configurări, Tastatură, Scurtături aplicații, Adaugă."},
    {SelectionKeyOffer,
     u"Select a word in any program and press a key of your choice: a pop-up beside the pointer shows its "
     u"translation.\n\nYour desktop can register the key for Quillet now; it proposes %1 and lets you "
     u"choose another. Register it?",
     u"Selectează un cuvânt în orice program și apasă o tastă aleasă de tine: lângă indicator apare "
     u"traducerea lui.\n\nMediul tău de lucru poate înregistra acum tasta pentru Quillet; propune %1 și te "
     u"lasă să alegi alta. O înregistrezi?"},
    {SelectionKeyAccept,                    u"&Register",                                    u"Î&nregistrează"},
    {SelectionKeyDecline,                   u"&Not now",                                     u"Nu &acum"},
    {SelectionKeyDescription,               u"Look up the selected word in Quillet",          u"Caută în Quillet cuvântul selectat"},
    {SelectionKeyBound,
     u"Registered: select a word in any program and press %1.\n\nThe desktop's shortcut settings can change "
     u"the key.",
     u"Înregistrată: selectează un cuvânt în orice program și apasă %1.\n\nTasta se poate schimba din "
     u"configurările de scurtături ale mediului de lucru."},
    {SelectionKeyCancelled,                 u"The key was not registered: the desktop's dialog was cancelled.",
                                            u"Tasta nu a fost înregistrată: dialogul mediului de lucru a fost anulat."},
    {SelectionKeyRefused,                   u"The desktop did not register the key (%1).",
                                            u"Mediul de lucru nu a înregistrat tasta (%1)."},
    {mnuMyTerms_Caption,                    u"My terms and My list...",                      u"Termenii mei și Lista mea..."},
    {mnuAddTerm_Caption,                    u"Add to my terms...",                           u"Adaugă la termenii mei..."},
    {mnuKeep_Caption,                       u"Add to My list",                               u"Adaugă în Lista mea"},
    {AddWordNotice,                         u"Add \"%1\" to my terms...",                    u"Adaugă „%1” la termenii mei..."},
    {PersonalRowTip,                        u"(my term)",                                    u"(termen propriu)"},
}};

} // namespace

std::span<const InterfaceText> InterfaceTextRows()
{
    return Rows;
}

QString TextOf(TextTarget target, bool english)
{
    return TextIn(Rows, target, english);
}

std::pair<QString, QString> ColumnHeadings(bool english, bool romanianEnglishTicked)
{
    const QStringView englishName = english ? u"English" : u"Engleză";
    const QStringView romanianName = english ? u"Romanian" : u"Română";
    if (romanianEnglishTicked)
        return {romanianName.toString(), englishName.toString()};
    return {englishName.toString(), romanianName.toString()};
}

QString WordCount(qsizetype count, bool limited, bool english)
{
    if (english)
        return QString::fromStdString(plain::report::EnglishWordCount(count, limited));
    const QString number = (limited ? u">"_s : QString()) + QString::number(count);
    if (count == 1 && !limited)
        return number + u" cuvânt"_s;
    const qsizetype lastTwo = count % 100;
    const bool takesDe = count >= 20 && !(lastTwo >= 1 && lastTwo <= 19);
    return number + (takesDe ? u" de cuvinte"_s : u" cuvinte"_s);
}

} // namespace quillet
