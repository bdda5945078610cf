// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <span>

namespace quillet {

// The main window's controls that the keyboard reaches, in the order Tab takes them:
// the query and what acts on it, the lists of results, then the direction, the options
// and the window's own buttons.
enum class KeyboardControl {
    Text1,     // the query box
    ImgSearch, // search picture
    Image3,    // paste picture
    Label1_2,  // History label
    List2,     // history list
    Label1_1,  // Split label
    List1,     // split-word list
    lv_0,      // Starting-with list
    lv_1,      // Containing list
    Label3_0,  // English-Romanian
    Label3_1,  // Romanian-English
    Label1_0,  // Options label
    Image1,    // help picture
    Image2,    // minimise picture
    Image4,    // close picture
};

// What assistive technology says about a control, in both interface languages. An empty
// name leaves the control's own caption (a picture's tip) as its name, an empty
// description its tip.
struct AccessibleText {
    KeyboardControl control;
    QStringView englishName;
    QStringView romanianName;
    QStringView englishDescription;
    QStringView romanianDescription;

    QString name(bool english) const { return (english ? englishName : romanianName).toString(); }
    QString description(bool english) const
    {
        return (english ? englishDescription : romanianDescription).toString();
    }
};

// One row per control, in Tab order.
std::span<const AccessibleText> KeyboardControls();

} // namespace quillet
