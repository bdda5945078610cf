// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>

#include <optional>
#include <span>

namespace quillet {

// The commands the main window offers from the keyboard or labels with a key.
enum class ShortcutCommand {
    EnglishRomanian,
    RomanianEnglish,
    SearchAsYouType,
    RomanianInterface,
    AdvancedSearch,
    CopyRecord,
    CopyTranslation,
    IgnoreDiacritics,
    PasteWord,
    WordForms,
    About,
    MyTerms,   // opens My terms and My list
    KeepEntry, // puts the selected entry in My list
};

// How the window's key handler answers a key.
enum class KeyRule {
    AnyModifiers, // the key with or without Shift, Ctrl, Alt or Meta
    CtrlAlone,    // the key with Ctrl and no other modifier
    LabelOnly,    // shown beside the menu item; the focused control keeps the key
};

// What becomes of the key once its command has run.
enum class KeyAfter {
    PassesOn, // the focused control treats it as it always would
    UsedUp,   // the control never sees it: a key the window adds (Ctrl+D) that a text box
              // would otherwise take for one of its own editing keys, or one that opens
              // another window (F1)
};

struct Shortcut {
    ShortcutCommand command;
    QKeyCombination keys; // the key and the modifiers its label shows
    KeyRule rule;
    bool labelled;        // whether the command's menu item shows the keys beside its caption
    KeyAfter after = KeyAfter::PassesOn;
};

// The one table of the window's keys, in the order the key handler tries them.
std::span<const Shortcut> Shortcuts();

// The command a key press runs in the window, if any. Caps Lock does not matter: the
// letter keys are told apart by their key, not by the character they type.
std::optional<ShortcutCommand> CommandForKey(Qt::Key key, Qt::KeyboardModifiers modifiers);

// What becomes of a key that ran the command.
KeyAfter AfterCommand(ShortcutCommand command);

// The keys shown beside the command's menu item; nullopt for an item without a label.
std::optional<QKeyCombination> ShortcutLabel(ShortcutCommand command);

// Whether the key is a modifier pressed alone (Shift, Ctrl, Alt, AltGr, Meta ...).
bool IsModifierKey(Qt::Key key);

// Whether the key moves through a list's rows (the arrows, Page Up and Down, Home, End):
// a result list keeps the focus for those, so its rows can be read from the keyboard.
bool IsListNavigationKey(Qt::Key key);

} // namespace quillet
