// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/Shortcuts.h"

#include <algorithm>
#include <array>

namespace quillet {

namespace {

using enum ShortcutCommand;
using enum KeyRule;
using enum KeyAfter;

constexpr std::array<Shortcut, 13> Table{{
    {EnglishRomanian,   QKeyCombination(Qt::Key_F2),                     AnyModifiers, true},
    {RomanianEnglish,   QKeyCombination(Qt::Key_F3),                     AnyModifiers, true},
    {SearchAsYouType,   QKeyCombination(Qt::ControlModifier, Qt::Key_S), CtrlAlone,    true},
    {RomanianInterface, QKeyCombination(Qt::ControlModifier, Qt::Key_R), CtrlAlone,    false},
    {AdvancedSearch,    QKeyCombination(Qt::ControlModifier, Qt::Key_A), CtrlAlone,    true},
    {CopyRecord,        QKeyCombination(Qt::ControlModifier, Qt::Key_B), CtrlAlone,    true},
    {CopyTranslation,   QKeyCombination(Qt::ControlModifier, Qt::Key_C), CtrlAlone,    true},
    {IgnoreDiacritics,  QKeyCombination(Qt::ControlModifier, Qt::Key_D), CtrlAlone,    true, UsedUp},
    {PasteWord,         QKeyCombination(Qt::ControlModifier, Qt::Key_V), LabelOnly,    true},
    {WordForms,         QKeyCombination(Qt::ControlModifier, Qt::Key_W), CtrlAlone,    true, UsedUp},
    {About,             QKeyCombination(Qt::Key_F1),                     AnyModifiers, true, UsedUp},
    {MyTerms,           QKeyCombination(Qt::ControlModifier, Qt::Key_T), CtrlAlone,    true, UsedUp},
    {KeepEntry,         QKeyCombination(Qt::ControlModifier, Qt::Key_M), CtrlAlone,    true, UsedUp},
}};

// The modifiers a shortcut tells apart; the keypad and group-switch flags say nothing
// about what the user holds.
constexpr Qt::KeyboardModifiers HeldModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool Answers(const Shortcut &shortcut, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (shortcut.keys.key() != key)
        return false;
    switch (shortcut.rule) {
    case AnyModifiers: return true;
    case CtrlAlone: return (modifiers & HeldModifiers) == Qt::ControlModifier;
    case LabelOnly: return false;
    }
    return false;
}

} // namespace

std::span<const Shortcut> Shortcuts()
{
    return Table;
}

std::optional<ShortcutCommand> CommandForKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    const auto found = std::find_if(Table.begin(), Table.end(), [&](const Shortcut &shortcut) {
        return Answers(shortcut, key, modifiers);
    });
    if (found == Table.end())
        return std::nullopt;
    return found->command;
}

KeyAfter AfterCommand(ShortcutCommand command)
{
    const auto found = std::find_if(Table.begin(), Table.end(),
                                    [command](const Shortcut &shortcut) { return shortcut.command == command; });
    return found == Table.end() ? PassesOn : found->after;
}

std::optional<QKeyCombination> ShortcutLabel(ShortcutCommand command)
{
    const auto found = std::find_if(Table.begin(), Table.end(), [command](const Shortcut &shortcut) {
        return shortcut.command == command && shortcut.labelled;
    });
    if (found == Table.end())
        return std::nullopt;
    return found->keys;
}

bool IsModifierKey(Qt::Key key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
        return true;
    default:
        return false;
    }
}

bool IsListNavigationKey(Qt::Key key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace quillet
