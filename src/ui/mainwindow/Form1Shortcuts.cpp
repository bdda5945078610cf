// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's keyboard: the key handler that sees every key first, and the
// shortcut labels of the menu items, both from the one shortcut table.
#include "ui/mainwindow/Form1.h"

#include "ui/lookup/KeyPreview.h"
#include "ui/lookup/QueryBox.h"
#include "core/lookup/Shortcuts.h"

#include <QAction>
#include <QKeySequence>

namespace quillet {

void Form1::connectShortcuts()
{
    new KeyPreview(this, [this](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        return Form_KeyDown(key, modifiers);
    }); // owned by the window
}

void Form1::applyShortcutLabels()
{
    const auto itemOf = [this](ShortcutCommand command) -> QAction * {
        switch (command) {
        case ShortcutCommand::EnglishRomanian: return mnuEngRom;
        case ShortcutCommand::RomanianEnglish: return mnuRomEng;
        case ShortcutCommand::SearchAsYouType: return mnuSearchAsYouType;
        case ShortcutCommand::RomanianInterface: return mnuOptRom;
        case ShortcutCommand::AdvancedSearch: return mnuAdvancedSearch;
        case ShortcutCommand::IgnoreDiacritics: return mnuIgnoreDiacritics;
        case ShortcutCommand::WordForms: return mnuWordForms;
        // The pop-up menu's items carry the labels; their Edit menu twins do not.
        case ShortcutCommand::CopyRecord: return mnuCopyRec2;
        case ShortcutCommand::CopyTranslation: return mnuCopyTranslation2;
        case ShortcutCommand::PasteWord: return mnuPasteWord;
        case ShortcutCommand::About: return mnuAbout;
        case ShortcutCommand::MyTerms: return mnuMyTerms;
        case ShortcutCommand::KeepEntry: return mnuKeep;
        }
        return nullptr;
    };
    // A label is live only while its menu is open, where the menu's own keys apply.
    for (const Shortcut &shortcut : Shortcuts())
        if (const auto label = ShortcutLabel(shortcut.command))
            itemOf(shortcut.command)->setShortcut(QKeySequence(*label));
}

bool Form1::Form_KeyDown(int key, Qt::KeyboardModifiers shift)
{
    // Whoever moves through the window with the keyboard keeps the focus where they take
    // it: a pending re-selection of the query no longer pulls it back to the query box.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || !Text1->hasFocus())
        IdleTicks = 0;
    const auto command = CommandForKey(Qt::Key(key), shift);
    if (!command)
        return false;
    if (*command == ShortcutCommand::CopyTranslation)
        return copyWithCtrlC();
    runShortcut(*command);
    return AfterCommand(*command) == KeyAfter::UsedUp;
}

void Form1::runShortcut(ShortcutCommand command)
{
    switch (command) {
    case ShortcutCommand::EnglishRomanian: mnuEngRom_Click(); break;
    case ShortcutCommand::RomanianEnglish: mnuRomEng_Click(); break;
    case ShortcutCommand::SearchAsYouType: mnuSearchAsYouType_Click(); break;
    case ShortcutCommand::RomanianInterface: mnuOptRom_Click(); break;
    case ShortcutCommand::AdvancedSearch: mnuAdvancedSearch_Click(); break;
    case ShortcutCommand::CopyRecord: mnuCopyRec_Click(); break;
    case ShortcutCommand::CopyTranslation: mnuCopyTranslation_Click(); break;
    case ShortcutCommand::IgnoreDiacritics: mnuIgnoreDiacritics_Click(); break;
    case ShortcutCommand::WordForms: mnuWordForms_Click(); break;
    case ShortcutCommand::PasteWord: break; // Ctrl+V stays the focused control's own paste
    case ShortcutCommand::About: Image1_Click(); break;
    case ShortcutCommand::MyTerms: mnuMyTerms_Click(); break;
    case ShortcutCommand::KeepEntry: mnuKeep_Click(); break;
    }
}

} // namespace quillet
