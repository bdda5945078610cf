// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terms/TermsTexts.h"

#include <QStringView>

#include <algorithm>
#include <array>

namespace quillet {

namespace {

using enum TermsText;

struct Row {
    TermsText text;
    QStringView english;
    QStringView romanian;
};

constexpr std::array<Row, 40> Rows{{
    {WindowTitle,        u"My terms and My list",             u"Termenii mei și Lista mea"},
    {TermsTab,           u"My terms",                         u"Termenii mei"},
    {KeptTab,            u"My list",                          u"Lista mea"},
    {HeadwordLabel,      u"&Headword:",                       u"&Cuvânt:"},
    {TranslationLabel,   u"&Translation:",                    u"&Traducere:"},
    {DirectionLabel,     u"Di&rection:",                      u"Di&recție:"},
    {NoteLabel,          u"&Note (field, client, source):",   u"&Notă (domeniu, client, sursă):"},
    {EnglishRomanian,    u"English-Romanian",                 u"Englez-Român"},
    {RomanianEnglish,    u"Romanian-English",                 u"Român-Englez"},
    {BothDirections,     u"Both directions",                  u"Ambele direcții"},
    {AddButton,          u"&Add",                             u"&Adaugă"},
    {SaveButton,         u"&Save changes",                    u"&Salvează modificările"},
    {DeleteButton,       u"&Delete",                          u"Șt&erge"},
    {ImportButton,       u"&Import...",                       u"&Importă..."},
    {ExportButton,       u"E&xport...",                       u"E&xportă..."},
    {ReplaceCheck,       u"Import &replaces my terms",        u"Importul înl&ocuiește termenii mei"},
    {RemoveButton,       u"&Remove",                          u"&Elimină"},
    {KeptCardsButton,    u"Export as &flash cards...",        u"Exportă ca &fișe de învățare..."},
    {HistoryCardsButton, u"Export &history as flash cards...", u"Exportă &istoricul ca fișe de învățare..."},
    {CloseButton,        u"Close",                            u"Închide"},
    {HeadwordColumn,     u"Headword",                         u"Cuvânt"},
    {TranslationColumn,  u"Translation",                      u"Traducere"},
    {DirectionColumn,    u"Direction",                        u"Direcție"},
    {NoteColumn,         u"Note",                             u"Notă"},
    {AddedColumn,        u"Added",                            u"Adăugat"},
    {TermsTableName,     u"My terms",                         u"Termenii mei"},
    {KeptTableName,      u"My list",                          u"Lista mea"},
    {StatusName,         u"Status",                           u"Stare"},
    {Added,              u"Added.",                           u"Adăugat."},
    {AlreadyThere,       u"The pair is in My terms already.", u"Perechea este deja în termenii mei."},
    {Saved,              u"Saved.",                           u"Salvat."},
    {Deleted,            u"Deleted.",                         u"Șters."},
    {Exported,           u"Exported.",                        u"Exportat."},
    {Imported,           u"Imported: %1%2",                   u"Importat: %1%2"},
    {ImportCounts,       u"%1 added, %2 already there, %3 refused", u"%1 adăugate, %2 existau deja, %3 refuzate"},
    {NothingChosen,      u"Choose a row first.",              u"Alegeți mai întâi un rând."},
    {NotDone,            u"Not done: %1",                     u"Nu s-a făcut: %1"},
    {ImportTitle,        u"Import my terms",                  u"Importă termenii mei"},
    {ExportTitle,        u"Export my terms",                  u"Exportă termenii mei"},
    {CardsTitle,         u"Export flash cards",               u"Exportă fișe de învățare"},
}};

} // namespace

QString TextOf(TermsText text, bool english)
{
    const auto row = std::find_if(Rows.begin(), Rows.end(), [text](const Row &r) { return r.text == text; });
    return row == Rows.end() ? QString() : (english ? row->english : row->romanian).toString();
}

} // namespace quillet
