// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/texts/BilingualText.h"

#include <QString>

namespace quillet {

// Everything the My terms window writes in the interface language, and every message of
// My terms, My list and their exchange with other programs (said in the language of
// whoever shows it: the window's, or English on the command line).
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
    Imported,       // "%1": the counts, then the refused ones
    ImportCounts,   // added, already there, refused
    NothingChosen,
    NotDone,        // "%1": why, as the files say it
    ImportTitle,
    ExportTitle,
    CardsTitle,

    // The messages. "%1", "%2"... are filled in the order the comments give.
    TheHeadword,            // the fields, as the messages name them
    TheTranslation,
    TheNote,
    FieldHoldsBreak,        // the field
    FieldTooLong,           // the field, the most characters
    HeadwordEmpty,
    TranslationEmpty,
    TermsFull,              // how many pairs
    NoSuchPair,
    PairThere,
    PairNoDirection,        // the pair's number
    PairProblem,            // the pair's number, why
    NoEntryToKeep,
    KeptFull,               // how many entries
    EntryNoDirection,       // the entry's number
    EntryProblem,           // the entry's number, why
    LineNotUtf8,            // the line
    LineNotHeader,          // the line, the header
    LineFieldCount,         // the line, fields found, fields wanted
    LineProblem,            // the line, why
    AtLine,                 // the line: where a record is
    TooManyRows,            // how many
    BlankOnly,
    NotUtf8,
    NotAFile,               // the path
    FileTooLarge,           // the path, megabytes
    FileNotRead,            // the path, the system's reason
    FolderNotMade,          // the path
    FileNotWritten,         // the path, the system's reason
    FileDamaged,            // the path, why
    LeftAsItIs,             // the problem
    TermsFrozen,            // the problem
    KeptFrozen,             // the problem
    TermsChangedMeanwhile,
    KeptChangedMeanwhile,
    ChangedUnreadable,      // the path, why
    FormatUnknown,          // the path
    FileMissing,            // the path
    NothingImported,        // the path, why
    ImportTooMany,          // the path, the most pairs
    Refused,                // where, why
    HasDoctype,             // the line
    HasEntity,              // the entity, the line
    NoTbx,
    RootNotTbx,             // the root element's name
    EntryAtLine,            // the line
    NoEnglishAndRomanian,
    DirectionUnknown,       // where, the direction as the file has it
    QuoteOpen,              // the line
};

QString TextOf(TermsText text, bool english);
// The text in both languages, for a message.
BilingualText MessageOf(TermsText text);

} // namespace quillet
