// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/CopyChoice.h"
#include "core/lookup/PasteTip.h"
#include "core/lookup/Shortcuts.h"
#include "core/lookup/SplitWord.h"

#include "common/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillet {
namespace {

TEST(SplitWord, EveryShorterBeginningLongestFirstBlanksKept)
{
    EXPECT_EQ(SplitWord(u"pumps"), (QStringList{u"pump"_s, u"pum"_s, u"pu"_s, u"p"_s}));
    EXPECT_TRUE(SplitWord(u"").isEmpty());
    EXPECT_EQ(SplitWord(u"ball valve")[4], u"ball "_s);
    // A character beyond the 16-bit range is never cut in half.
    EXPECT_EQ(SplitWord(u"a\U0001D11Eb"), (QStringList{u"a\U0001D11E"_s, u"a"_s}));
}

TEST(PasteTip, PaddingCentresShortWordsAndRoundsHalvesToEven)
{
    const QString english = u"Paste word from Clipboard"_s; // 25 characters
    EXPECT_EQ(PasteTipPadding(english.size(), 22), 2);        // 2.5
    EXPECT_EQ(PasteTipPadding(english.size(), 10), 12);       // 12.5
    EXPECT_EQ(PasteTipPadding(english.size(), 40), 1);        // longer than the title
    EXPECT_EQ(PasteTip(english, u"hydraulic pump with a long name"_s),
              english + u":\r\n\r\n hydraulic pump with a long name\r\n\r\n"_s);
}

TEST(Shortcuts, KeysRunTheCommandsTheirLabelsNameUnderTheModifierRule)
{
    using enum ShortcutCommand;
    const auto ctrl = Qt::KeyboardModifiers(Qt::ControlModifier);
    for (const auto modifiers : {Qt::KeyboardModifiers(), ctrl, Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::AltModifier)})
        EXPECT_EQ(CommandForKey(Qt::Key_F3, modifiers), RomanianEnglish);
    EXPECT_EQ(CommandForKey(Qt::Key_S, ctrl | Qt::KeypadModifier), SearchAsYouType);
    EXPECT_EQ(CommandForKey(Qt::Key_S, ctrl | Qt::ShiftModifier), std::nullopt);
    EXPECT_EQ(CommandForKey(Qt::Key_C, ctrl | Qt::MetaModifier), std::nullopt);
    EXPECT_EQ(CommandForKey(Qt::Key_V, ctrl), std::nullopt);

    // The window's own Ctrl+D keeps its key from the text box, where it would delete.
    EXPECT_EQ(AfterCommand(IgnoreDiacritics), KeyAfter::UsedUp);
    EXPECT_EQ(AfterCommand(CopyTranslation), KeyAfter::PassesOn);
    // Every key the handler answers runs the command its label names.
    for (const Shortcut &shortcut : Shortcuts()) {
        const auto expected = shortcut.rule == KeyRule::LabelOnly ? std::nullopt : std::optional(shortcut.command);
        EXPECT_EQ(CommandForKey(shortcut.keys.key(), shortcut.keys.keyboardModifiers()), expected);
    }
    for (const Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_AltGr, Qt::Key_Meta})
        EXPECT_TRUE(IsModifierKey(key)) << key;
    EXPECT_FALSE(IsModifierKey(Qt::Key_CapsLock));
    EXPECT_TRUE(IsListNavigationKey(Qt::Key_PageDown));
    EXPECT_FALSE(IsListNavigationKey(Qt::Key_A));
}

TEST(CopyChoice, APickedRowLastsUntilTheQueryIsTouchedAndNeedsItsSelection)
{
    using enum CopyChoice::Target;
    CopyChoice choice;
    EXPECT_EQ(choice.target(true, false), FocusedControl);
    EXPECT_EQ(choice.target(true, true), PickedTranslation); // a list has no text of its own
    choice.rowPicked();
    EXPECT_EQ(choice.target(true, false), PickedTranslation);
    EXPECT_EQ(choice.target(false, false), FocusedControl); // the rows were replaced
    choice.pickForgotten();
    EXPECT_EQ(choice.target(true, false), FocusedControl);
}

} // namespace
} // namespace quillet
