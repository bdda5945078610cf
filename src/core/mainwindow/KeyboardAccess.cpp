// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/KeyboardAccess.h"

#include <array>

namespace quillet {

namespace {

using enum KeyboardControl;

// An empty name leaves the control's caption, or for a picture its tip, as its name.
constexpr std::array<AccessibleText, 15> Rows{{
    {Text1, u"Word to find", u"Cuvântul căutat",
     u"Type a word: the lists show the entries that start with it and those that contain it",
     u"Tastați un cuvânt: listele arată intrările care încep cu el și pe cele care îl conțin"},
    {ImgSearch, {}, {}, u"Looks up the word in the box", u"Caută cuvântul din casetă"},
    {Image3, u"Paste word from Clipboard", u"Lipește cuvântul din clipboard",
     u"Looks up the word on the clipboard", u"Caută cuvântul din clipboard"},
    {Label1_2, {}, {}, u"Shows the words searched before", u"Arată cuvintele căutate înainte"},
    {List2, u"History", u"Istoric", u"Words searched before: Enter looks one up, Escape closes the list",
     u"Cuvinte căutate înainte: Enter caută unul, Escape închide lista"},
    {Label1_1, {}, {}, u"Shows the shorter beginnings of the word", u"Arată începuturile mai scurte ale cuvântului"},
    {List1, u"Split Word", u"Fragmentează cuvântul",
     u"Shorter beginnings of the word: Enter looks one up, Escape closes the list",
     u"Începuturile mai scurte ale cuvântului: Enter caută unul, Escape închide lista"},
    {lv_0, u"Starting with", u"Începând cu", u"Entries whose headword starts with the word",
     u"Intrările al căror cuvânt începe cu cel căutat"},
    {lv_1, u"Containing", u"Conținând", u"Entries whose headword contains the word",
     u"Intrările al căror cuvânt îl conține pe cel căutat"},
    {Label3_0, {}, {}, {}, {}},
    {Label3_1, {}, {}, {}, {}},
    {Label1_0, {}, {}, {}, {}},
    {Image1, {}, {}, u"Shows the About window (F1)", u"Arată fereastra Despre (F1)"},
    {Image2, {}, {}, u"Minimizes the window", u"Minimizează fereastra"},
    {Image4, {}, {}, u"Closes the dictionary", u"Închide dicționarul"},
}};

} // namespace

std::span<const AccessibleText> KeyboardControls()
{
    return Rows;
}

} // namespace quillet
