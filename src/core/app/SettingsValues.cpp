// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/SettingsValues.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace quillet::settings {

namespace {

constexpr double TwipsPerInch = 1440.0;
// The widest coordinate a window can take; no screen reaches it.
constexpr double FarthestPixel = 16'777'215.0;

std::optional<double> TextToNumber(QStringView text)
{
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

} // namespace

std::optional<bool> TextToBoolean(QStringView text)
{
    const QStringView word = text.trimmed();
    if (word.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    const std::optional<double> number = TextToNumber(word);
    if (!number)
        return std::nullopt;
    return *number != 0.0;
}

std::optional<int> TextToInteger(QStringView text)
{
    const std::optional<double> number = TextToNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(rounded);
}

std::optional<float> TextToSingle(QStringView text)
{
    const std::optional<double> number = TextToNumber(text);
    if (!number || std::abs(*number) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*number);
}

QString BooleanText(bool value)
{
    return value ? u"True"_s : u"False"_s;
}

QString SingleText(float value)
{
    std::array<char, 64> digits{};
    const auto [end, error] =
        std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
    if (error != std::errc())
        return QString::number(value);
    return QString::fromLatin1(digits.data(), end - digits.data());
}

float PixelsToTwips(int pixels, double dotsPerInch)
{
    return static_cast<float>(pixels * TwipsPerInch / dotsPerInch);
}

int TwipsToPixels(float twips, double dotsPerInch)
{
    const double pixels = std::clamp(twips * dotsPerInch / TwipsPerInch, -FarthestPixel, FarthestPixel);
    return static_cast<int>(std::lround(pixels));
}

QPoint PlaceWindow(const QRect &stored, const QList<QRect> &screens, double dotsPerInch)
{
    if (screens.isEmpty() || std::any_of(screens.begin(), screens.end(),
                                         [&stored](const QRect &screen) { return screen.contains(stored); }))
        return stored.topLeft();

    const auto area = [](const QRect &rect) { return qint64(rect.width()) * rect.height(); };
    const auto home = std::max_element(screens.begin(), screens.end(), [&](const QRect &a, const QRect &b) {
        return area(a & stored) < area(b & stored);
    });
    QRect window = stored;
    QRect screen = *home;
    if (area(*home & stored) == 0) {
        screen = screens.front();
        const int offset = TwipsToPixels(DefaultPositionTwips, dotsPerInch);
        window.moveTopLeft(screen.topLeft() + QPoint(offset, offset));
    }
    // Just inside the right and bottom edges, then never beyond the left and top ones.
    const int left = std::max(screen.left(), std::min(window.left(), screen.right() + 1 - window.width()));
    const int top = std::max(screen.top(), std::min(window.top(), screen.bottom() + 1 - window.height()));
    return QPoint(left, top);
}

bool RomanianLocale(const QProcessEnvironment &environment)
{
    const auto isRomanian = [](QStringView locale) {
        return locale == u"ro" || locale.startsWith(u"ro_") || locale.startsWith(u"ro.") || locale.startsWith(u"ro@");
    };
    QString locale;
    for (const QString &name : {u"LC_ALL"_s, u"LC_MESSAGES"_s, u"LANG"_s}) {
        locale = environment.value(name);
        if (!locale.isEmpty())
            break;
    }
    // LANGUAGE lists the languages of messages in the order wanted ("ro:en"); like gettext,
    // it is not heeded under the C locale, which asks for untranslated messages.
    if (locale != u"C"_s && locale != u"POSIX"_s) {
        for (const QString &language : environment.value(u"LANGUAGE"_s).split(u':', Qt::SkipEmptyParts)) {
            if (isRomanian(language))
                return true;
            if (language == u"en"_s || language.startsWith(u"en_"_s) || language == u"C"_s)
                return false;
        }
    }
    return isRomanian(locale);
}

} // namespace quillet::settings
