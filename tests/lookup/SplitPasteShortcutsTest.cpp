#include "lookup/PasteTip.h"
#include "lookup/Shortcuts.h"
#include "lookup/SplitWord.h"

#include "common/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillet {
namespace {

TEST(SplitWord, EveryShorterBeginningLongestFirstBlanksKept)
{
    EXPECT_EQ(SplitWord(u"pumps"), (QStringList{u"pump"_s, u"pum"_s, u"pu"_s, u"p"_s}));
    EXPECT_TRUE(SplitWord(u"p").isEmpty());
    EXPECT_TRUE(SplitWord(u"").isEmpty());
    const QStringList valve = SplitWord(u"ball valve");
    EXPECT_EQ(valve.size(), 9);
    EXPECT_EQ(valve.front(), u"ball valv"_s);
    EXPECT_EQ(valve[4], u"ball "_s);
    EXPECT_EQ(valve.back(), u"b"_s);
    // A character beyond the 16-bit range is never cut in half.
    EXPECT_EQ(SplitWord(u"a\U0001D11Eb"), (QStringList{u"a\U0001D11E"_s, u"a"_s}));
}

TEST(PasteTip, PaddingCentresShortWordsAndRoundsHalvesToEven)
{
    const QString english = u"Paste word from Clipboard"_s;   // 25 characters
    const QString romanian = u"Lipeste cuvant din Clipboard"_s; // 28 characters
    EXPECT_EQ(PasteTipPadding(english.size(), 5), 17);          // 16.67
    EXPECT_EQ(PasteTipPadding(english.size(), 22), 2);          // 2.5
    EXPECT_EQ(PasteTipPadding(english.size(), 10), 12);         // 12.5
    EXPECT_EQ(PasteTipPadding(english.size(), 25), 1);          // as long as the title
    EXPECT_EQ(PasteTipPadding(english.size(), 40), 1);
    EXPECT_EQ(PasteTipPadding(romanian.size(), 5), 19);         // 19.17
    EXPECT_EQ(PasteTipPadding(romanian.size(), 1), 22);         // 22.5
    EXPECT_EQ(PasteTipPadding(romanian.size(), 28), 1);

    EXPECT_EQ(PasteTip(english, u"valve"_s), english + u":\r\n\r\n"_s + QString(17, u' ') + u"valve\r\n\r\n"_s);
    EXPECT_EQ(PasteTip(romanian, u"hydraulic pump with a long name"_s),
              romanian + u":\r\n\r\n hydraulic pump with a long name\r\n\r\n"_s);
}

TEST(Shortcuts, KeysRunTheirCommandsUnderTheModifierRule)
{
    using enum ShortcutCommand;
    const auto ctrl = Qt::KeyboardModifiers(Qt::ControlModifier);
    for (const auto modifiers : {Qt::KeyboardModifiers(), ctrl, Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::AltModifier)}) {
        EXPECT_EQ(CommandForKey(Qt::Key_F2, modifiers), EnglishRomanian);
        EXPECT_EQ(CommandForKey(Qt::Key_F3, modifiers), RomanianEnglish);
    }
    EXPECT_EQ(CommandForKey(Qt::Key_R, ctrl), RomanianInterface);
    EXPECT_EQ(CommandForKey(Qt::Key_S, ctrl | Qt::KeypadModifier), SearchAsYouType);

    EXPECT_EQ(CommandForKey(Qt::Key_S, ctrl | Qt::ShiftModifier), std::nullopt);
    EXPECT_EQ(CommandForKey(Qt::Key_S, Qt::AltModifier), std::nullopt);
    EXPECT_EQ(CommandForKey(Qt::Key_S, {}), std::nullopt);
    EXPECT_EQ(CommandForKey(Qt::Key_C, ctrl | Qt::MetaModifier), std::nullopt);
    EXPECT_EQ(CommandForKey(Qt::Key_V, ctrl), std::nullopt);
    EXPECT_EQ(CommandForKey(Qt::Key_E, ctrl), std::nullopt);
}

TEST(Shortcuts, LabelsComeFromTheSameTable)
{
    using enum ShortcutCommand;
    EXPECT_EQ(ShortcutLabel(EnglishRomanian), QKeyCombination(Qt::Key_F2));
    EXPECT_EQ(ShortcutLabel(CopyTranslation), QKeyCombination(Qt::ControlModifier, Qt::Key_C));
    EXPECT_EQ(ShortcutLabel(PasteWord), QKeyCombination(Qt::ControlModifier, Qt::Key_V));
    EXPECT_EQ(ShortcutLabel(RomanianInterface), std::nullopt);
    // Only the window's own Ctrl+D keeps its key from the text box, where it would delete.
    EXPECT_EQ(AfterCommand(IgnoreDiacritics), KeyAfter::UsedUp);
    EXPECT_EQ(AfterCommand(CopyTranslation), KeyAfter::PassesOn);
    // Every key the handler answers runs the command its label names.
    for (const Shortcut &shortcut : Shortcuts()) {
        const auto expected = shortcut.rule == KeyRule::LabelOnly ? std::nullopt : std::optional(shortcut.command);
        EXPECT_EQ(CommandForKey(shortcut.keys.key(), shortcut.keys.keyboardModifiers()), expected);
    }
}

TEST(Shortcuts, ModifierKeysAlone)
{
    for (const Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_AltGr, Qt::Key_Meta})
        EXPECT_TRUE(IsModifierKey(key)) << key;
    for (const Qt::Key key : {Qt::Key_C, Qt::Key_Down, Qt::Key_F2, Qt::Key_CapsLock})
        EXPECT_FALSE(IsModifierKey(key)) << key;
}

} // namespace
} // namespace quillet
