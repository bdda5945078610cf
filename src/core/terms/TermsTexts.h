// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillet {

// Everything the My terms window writes in the interface language.
enum class TermsText {
    WindowTitle,
    TermsTab,
    KeptTab,
    HeadwordLabel,
    TranslationLabel,
    DirectionLabel,
    NoteLabel,
    EnglishRomanian,
    RomanianEnglish,
    BothDirections,
    AddButton,
    SaveButton,
    DeleteButton,
    ImportButton,
    ExportButton,
    ReplaceCheck,
    RemoveButton,
    KeptCardsButton,
    HistoryCardsButton,
    CloseButton,
    HeadwordColumn,
    TranslationColumn,
    DirectionColumn,
    NoteColumn,
    AddedColumn,
    TermsTableName,
    KeptTableName,
    StatusName,
    Added,
    AlreadyThere,
    Saved,
    Deleted,
    Exported,
    Imported,       // "%1": the counts, "%2": the refused ones
    ImportCounts,   // added, already there, refused
    NothingChosen,
    NotDone,        // "%1": why, as the files say it
    ImportTitle,
    ExportTitle,
    CardsTitle,
};

QString TextOf(TermsText text, bool english);

} // namespace quillet
