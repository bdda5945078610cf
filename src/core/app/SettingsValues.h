// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringView>

#include <optional>

// The texts the settings store keeps its values in, and the window position's units.
// A text that does not convert gives nullopt: that one setting is then left as it is.
namespace quillet::settings {

// "True" or "False" in any letter case, or a decimal number: 0 is false, any other true.
std::optional<bool> TextToBoolean(QStringView text);
// A decimal number, rounded to the nearest integer, a half to the even one.
std::optional<int> TextToInteger(QStringView text);
// A decimal number within the range of a single-precision number.
std::optional<float> TextToSingle(QStringView text);

QString BooleanText(bool value);
// The shortest decimal text that reads back as the same single: "3000", "3000.5".
QString SingleText(float value);

// The window's position when none is stored, in twips from the primary screen's corner.
inline constexpr float DefaultPositionTwips = 3000.0f;

// The stored position is in twips, 1/1440 inch: 15 twips per pixel at 96 dots per inch.
float PixelsToTwips(int pixels, double dotsPerInch);
int TwipsToPixels(float twips, double dotsPerInch);

// Where the window is shown at start-up, given its stored rectangle in pixels and the
// screens' usable rectangles with the primary screen first. The window stays where it
// was stored when it fits wholly on a screen there. Otherwise it goes onto the screen
// that holds the most of it (or, when none holds any of it, a screen since unplugged, to
// the default position on the primary screen), moved just enough to fit wholly; a window
// larger than that screen goes to the screen's top left corner, so that its title and the
// controls beside it show.
QPoint PlaceWindow(const QRect &stored, const QList<QRect> &screens, double dotsPerInch);

// Whether the user's locale for messages is Romanian ("ro", "ro_RO.UTF-8", "ro_MD" ...), as
// for any program's messages: the first language of LANGUAGE's list that is Romanian or
// English decides, unless the locale is C; otherwise the first of LC_ALL, LC_MESSAGES and
// LANG that is set and not empty. It chooses the interface language while none is stored.
bool RomanianLocale(const QProcessEnvironment &environment);

} // namespace quillet::settings
