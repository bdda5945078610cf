// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's help picture opens the About window.
#include "ui/mainwindow/Form1.h"

#include "ui/about/DesktopLinkOpener.h"
#include "ui/about/Form2.h"

namespace quillet {

void Form1::Image1_Click()
{
    about::DesktopLinkOpener opener;
    LoadPersonalWords();
    const about::WordCounts counts{DictTable_->EntryCount(DictTable::EnglishRomanian),
                                   DictTable_->EntryCount(DictTable::RomanianEnglish), int(personal_.terms().size())};
    Form2 about(counts, about::BuiltInLinks(), opener, inEnglish(), this);
    if (setup_.showAbout)
        setup_.showAbout(about);
    else
        about.exec();
}

} // namespace quillet
