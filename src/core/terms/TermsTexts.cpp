// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terms/TermsTexts.h"

#include <QStringView>

#include <array>

namespace quillet {

namespace {

using enum TermsText;

constexpr TextRow<TermsText> Rows[]{
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
    {Imported,           u"Imported: %1",                     u"Importat: %1"},
    {ImportCounts,       u"%1 added, %2 already there, %3 refused", u"%1 adăugate, %2 existau deja, %3 refuzate"},
    {NothingChosen,      u"Choose a row first.",              u"Alegeți mai întâi un rând."},
    {NotDone,            u"Not done: %1",                     u"Nu s-a făcut: %1"},
    {ImportTitle,        u"Import my terms",                  u"Importă termenii mei"},
    {ExportTitle,        u"Export my terms",                  u"Exportă termenii mei"},
    {CardsTitle,         u"Export flash cards",               u"Exportă fișe de învățare"},

    {TheHeadword,        u"the headword",                     u"cuvântul"},
    {TheTranslation,     u"the translation",                  u"traducerea"},
    {TheNote,            u"the note",                         u"nota"},
    {FieldHoldsBreak,    u"%1 holds a tab or a line break",   u"%1 conține un tab sau un sfârșit de rând"},
    {FieldTooLong,       u"%1 is longer than %2 characters",  u"%1 are mai mult de %2 de caractere"},
    {HeadwordEmpty,      u"the headword is empty",            u"cuvântul este gol"},
    {TranslationEmpty,   u"the translation is empty",         u"traducerea este goală"},
    {TermsFull,          u"My terms hold %1 pairs, as many as they can",
                         u"Termenii mei au deja %1 de perechi, cât pot cuprinde"},
    {NoSuchPair,         u"there is no such pair",            u"perechea nu există"},
    {PairThere,          u"the pair is in My terms already",  u"perechea este deja în termenii mei"},
    {PairNoDirection,    u"pair %1 has no direction en-ro, ro-en or both",
                         u"perechea %1 nu are direcția en-ro, ro-en sau both"},
    {PairProblem,        u"pair %1: %2",                      u"perechea %1: %2"},
    {NoEntryToKeep,      u"there is no entry to keep",        u"nu este nicio intrare de păstrat"},
    {KeptFull,           u"My list holds %1 entries, as many as it can",
                         u"Lista mea are deja %1 de intrări, cât poate cuprinde"},
    {EntryNoDirection,   u"entry %1 has no direction en-ro or ro-en and date",
                         u"intrarea %1 nu are direcția en-ro sau ro-en și data"},
    {EntryProblem,       u"entry %1: %2",                     u"intrarea %1: %2"},
    {LineNotUtf8,        u"line %1 is not valid UTF-8",       u"rândul %1 nu este UTF-8 valid"},
    {LineNotHeader,      u"line %1 is not the header \"%2\"", u"rândul %1 nu este antetul „%2”"},
    {LineFieldCount,     u"line %1 has %2 fields instead of %3", u"rândul %1 are %2 câmpuri în loc de %3"},
    {LineProblem,        u"line %1: %2",                      u"rândul %1: %2"},
    {AtLine,             u"line %1",                          u"rândul %1"},
    {TooManyRows,        u"it holds more than %1 rows",       u"are mai mult de %1 de rânduri"},
    {BlankOnly,          u"it holds blank lines only",        u"are numai rânduri goale"},
    {NotUtf8,            u"it is not valid UTF-8",            u"nu este UTF-8 valid"},
    {NotAFile,           u"%1 is no file that can be read",   u"%1 nu este un fișier care poate fi citit"},
    {FileTooLarge,       u"%1 is larger than %2 MB",          u"%1 are mai mult de %2 MB"},
    {FileNotRead,        u"%1 could not be read: %2",         u"%1 nu a putut fi citit: %2"},
    {FolderNotMade,      u"the folder of %1 could not be made", u"dosarul lui %1 nu a putut fi creat"},
    {FileNotWritten,     u"%1 could not be written: %2",      u"%1 nu a putut fi scris: %2"},
    {FileDamaged,        u"%1 cannot be read: %2",            u"%1 nu poate fi citit: %2"},
    {LeftAsItIs,         u"%1; it is left as it is",          u"%1; este lăsat așa cum este"},
    {TermsFrozen,        u"%1; nothing changes in My terms until the file is mended or moved away",
                         u"%1; nimic nu se schimbă în termenii mei până când fișierul nu este reparat sau mutat"},
    {KeptFrozen,         u"%1; nothing changes in My list until the file is mended or moved away",
                         u"%1; nimic nu se schimbă în Lista mea până când fișierul nu este reparat sau mutat"},
    {TermsChangedMeanwhile, u"My terms were changed by another program meanwhile; they have been read again: make the change once more",
                         u"Termenii mei au fost schimbați între timp de alt program; au fost citiți din nou: faceți schimbarea încă o dată"},
    {KeptChangedMeanwhile, u"My list was changed by another program meanwhile; it has been read again: make the change once more",
                         u"Lista mea a fost schimbată între timp de alt program; a fost citită din nou: faceți schimbarea încă o dată"},
    {ChangedUnreadable,  u"%1 was changed by another program and cannot be read: %2",
                         u"%1 a fost schimbat de alt program și nu poate fi citit: %2"},
    {FormatUnknown,      u"the format of %1 is not known: name it (tbx, csv or tsv) or end the name with one",
                         u"formatul lui %1 nu este cunoscut: numiți-l (tbx, csv sau tsv) sau încheiați numele cu unul dintre ele"},
    {FileMissing,        u"%1 does not exist",                u"%1 nu există"},
    {NothingImported,    u"%1 cannot be read: %2; nothing was imported",
                         u"%1 nu poate fi citit: %2; nu s-a importat nimic"},
    {ImportTooMany,      u"%1 holds more pairs than My terms can take (%2 in all); nothing was imported",
                         u"%1 are mai multe perechi decât pot cuprinde termenii mei (%2 în total); nu s-a importat nimic"},
    {Refused,            u"%1: %2",                           u"%1: %2"},
    {HasDoctype,         u"it has a DOCTYPE (line %1); TBX files with one are refused, so that no entity is expanded or fetched",
                         u"are un DOCTYPE (rândul %1); fișierele TBX cu DOCTYPE sunt refuzate, ca nicio entitate să nu fie expandată sau adusă"},
    {HasEntity,          u"it refers to the entity \"%1\" (line %2), which is not expanded",
                         u"face trimitere la entitatea „%1” (rândul %2), care nu este expandată"},
    {NoTbx,              u"it holds no TBX document",         u"nu conține niciun document TBX"},
    {RootNotTbx,         u"its root element is <%1>, not <martif> or <tbx>",
                         u"elementul său rădăcină este <%1>, nu <martif> sau <tbx>"},
    {EntryAtLine,        u"the entry at line %1",             u"intrarea de la rândul %1"},
    {NoEnglishAndRomanian, u"%1: it has no term in English and in Romanian",
                         u"%1: nu are termen în engleză și în română"},
    {DirectionUnknown,   u"%1: the direction \"%2\" is not en-ro, ro-en or both",
                         u"%1: direcția „%2” nu este en-ro, ro-en sau both"},
    {QuoteOpen,          u"line %1: a quoted field is not closed", u"rândul %1: un câmp între ghilimele nu este închis"},
};

} // namespace

QString TextOf(TermsText text, bool english)
{
    return TextIn(Rows, text, english);
}

BilingualText MessageOf(TermsText text)
{
    const auto *row = RowOf(Rows, text);
    return row == nullptr ? BilingualText() : BilingualText(*row);
}

} // namespace quillet
