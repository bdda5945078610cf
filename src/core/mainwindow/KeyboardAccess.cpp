// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/KeyboardAccess.h"

#include <array>

namespace quillet {

namespace {

using enum KeyboardControl;

// The Romanian texts are written without diacritics, like the rest of the interface.
constexpr std::array<AccessibleText, 15> Rows{{
    {Text1, u"Word to find", u"Cuvant de cautat",
     u"Type a word: the lists show the entries that start with it and those that contain it",
     u"Tastati un cuvant: listele arata intrarile care incep cu el si cele care il contin"},
    {ImgSearch, u"Search", u"Cauta", u"Looks up the word in the box", u"Cauta cuvantul din caseta"},
    {Image3, u"Paste word from Clipboard", u"Lipeste cuvant din Clipboard",
     u"Looks up the word on the clipboard", u"Cauta cuvantul din Clipboard"},
    {Label1_2, {}, {}, u"Shows the words searched before", u"Arata cuvintele cautate inainte"},
    {List2, u"History", u"Istoric", u"Words searched before: Enter looks one up, Escape closes the list",
     u"Cuvinte cautate inainte: Enter cauta unul, Escape inchide lista"},
    {Label1_1, {}, {}, u"Shows the shorter beginnings of the word", u"Arata inceputurile mai scurte ale cuvantului"},
    {List1, u"Split Word", u"Fragmenteaza cuvantul",
     u"Shorter beginnings of the word: Enter looks one up, Escape closes the list",
     u"Inceputurile mai scurte ale cuvantului: Enter cauta unul, Escape inchide lista"},
    {lv_0, u"Starting with", u"Incepand cu", u"Entries whose headword starts with the word",
     u"Intrarile al caror cuvant incepe cu cel cautat"},
    {lv_1, u"Containing", u"Continand", u"Entries whose headword contains the word",
     u"Intrarile al caror cuvant il contine pe cel cautat"},
    {Label3_0, {}, {}, {}, {}},
    {Label3_1, {}, {}, {}, {}},
    {Label1_0, {}, {}, {}, {}},
    {Image1, u"Help", u"Ajutor", u"Shows the About window (F1)", u"Arata fereastra Despre (F1)"},
    {Image2, u"Minimize", u"Minimizeaza", u"Minimizes the window", u"Minimizeaza fereastra"},
    {Image4, u"Exit", u"Iesire", u"Closes the dictionary", u"Inchide dictionarul"},
}};

} // namespace

std::span<const AccessibleText> KeyboardControls()
{
    return Rows;
}

} // namespace quillet
