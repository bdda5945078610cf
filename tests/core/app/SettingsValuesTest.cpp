// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/SettingsValues.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillet::settings {
namespace {

TEST(SettingsValues, TextToBoolean)
{
    for (const QString &text : {u"True"_s, u"TRUE"_s, u"true"_s, u"1"_s, u"-1"_s, u"2.5"_s, u"0.001"_s})
        EXPECT_EQ(TextToBoolean(text), true) << text.toStdString();
    for (const QString &text : {u"False"_s, u"fALSE"_s, u"0"_s, u"0.0"_s, u"-0"_s})
        EXPECT_EQ(TextToBoolean(text), false) << text.toStdString();
    for (const QString &text : {u"rubbish"_s, u""_s, u"Truely"_s, u"2,5"_s, u"nan"_s, u"inf"_s})
        EXPECT_EQ(TextToBoolean(text), std::nullopt) << text.toStdString();
}

TEST(SettingsValues, NumbersRoundHalvesToEvenAndReadBackAsWritten)
{
    const std::pair<const char16_t *, std::optional<int>> integers[] = {
        {u"0.5", 0}, {u"1.5", 2}, {u"2.5", 2}, {u"-2.5", -2}, {u"2.51", 3}, {u"True", {}}, {u"", {}}, {u"1e10", {}}};
    for (const auto &[text, value] : integers)
        EXPECT_EQ(TextToInteger(text), value) << QString::fromUtf16(text).toStdString();
    for (const char16_t *text : {u"1e39", u"3000,5", u"left"})
        EXPECT_EQ(TextToSingle(text), std::nullopt) << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(TextToSingle(u"-15"), -15.0f);
    EXPECT_EQ(SingleText(3000.5f), u"3000.5"_s);
    EXPECT_EQ(SingleText(4000000.0f), u"4000000"_s);
    for (const float value : {1234.567f, 0.3f, 0.1f, 16777217.0f, 1e-5f})
        EXPECT_EQ(TextToSingle(SingleText(value)), value) << value;

    EXPECT_EQ(PixelsToTwips(200, 120), 2400.0f);
    EXPECT_EQ(PixelsToTwips(-7, 96), -105.0f);
    EXPECT_EQ(TwipsToPixels(3000, 120), 250);
    EXPECT_EQ(TwipsToPixels(3007, 96), 200);
    EXPECT_EQ(TwipsToPixels(3008, 96), 201);
    // A position stored far beyond any screen still gives a coordinate a window can take.
    EXPECT_EQ(TwipsToPixels(1e30f, 96), 16'777'215);
}

TEST(SettingsValues, AWindowIsKeptWhereItFitsAndOtherwiseMovedWhollyOntoItsScreen)
{
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, -200, 1280, 1024)};
    const auto place = [&](QPoint at, QSize size = {600, 400}, const QList<QRect> &on = {}, double dpi = 96) {
        return PlaceWindow(QRect(at, size), on.isEmpty() ? screens : on, dpi);
    };
    EXPECT_EQ(place({100, 50}), QPoint(100, 50));
    EXPECT_EQ(place({2500, -150}), QPoint(2500, -150));
    EXPECT_EQ(place({1320, 680}), QPoint(1320, 680));
    // Over an edge: onto the screen that holds the most of it, just far enough to fit.
    EXPECT_EQ(place({1320, 1052}), QPoint(1320, 680));
    EXPECT_EQ(place({-599, 1079}), QPoint(0, 680));
    EXPECT_EQ(place({1600, 100}), QPoint(1320, 100));
    EXPECT_EQ(place({1800, 700}), QPoint(1920, 424)); // the second screen holds more of it
    // On no screen at all: the default place on the primary screen, which need not be the
    // one at the origin.
    EXPECT_EQ(place({5000, 3000}, {600, 400}, screens, 120), QPoint(250, 250));
    const QList<QRect> primaryRight{QRect(1280, 0, 1920, 1080), QRect(0, 0, 1280, 1024)};
    EXPECT_EQ(place({0, 1100}, {600, 400}, primaryRight), QPoint(1480, 200));
    // A screen scaled down to 640 x 512: the default place is moved in; a window larger than
    // its screen shows its top left corner, with the title.
    const QList<QRect> small{QRect(0, 0, 640, 512)};
    EXPECT_EQ(place({200, 200}, {623, 453}, small), QPoint(17, 59));
    EXPECT_EQ(place({200, 200}, {700, 600}, small), QPoint(0, 0));
    EXPECT_EQ(place({-50, -50}, {700, 600}, small), QPoint(0, 0));
}

TEST(SettingsValues, ARomanianLocaleIsTheFirstOfTheMessageVariablesSet)
{
    const auto romanian = [](std::initializer_list<std::pair<QString, QString>> variables) {
        QProcessEnvironment environment;
        for (const auto &[name, value] : variables)
            environment.insert(name, value);
        return RomanianLocale(environment);
    };
    EXPECT_TRUE(romanian({{u"LANG"_s, u"ro_RO.UTF-8"_s}}));
    EXPECT_TRUE(romanian({{u"LANG"_s, u"en_GB.UTF-8"_s}, {u"LC_MESSAGES"_s, u"ro_MD"_s}}));
    EXPECT_TRUE(romanian({{u"LC_ALL"_s, u"ro"_s}, {u"LC_MESSAGES"_s, u"C"_s}}));
    EXPECT_TRUE(romanian({{u"LC_ALL"_s, u""_s}, {u"LANG"_s, u"ro_RO"_s}}));
    EXPECT_FALSE(romanian({{u"LC_ALL"_s, u"C.UTF-8"_s}, {u"LANG"_s, u"ro_RO.UTF-8"_s}}));
    EXPECT_FALSE(romanian({{u"LANG"_s, u"rom_XX"_s}}));
    // LANGUAGE's list comes first, as for any program's messages, but not under C.
    EXPECT_TRUE(romanian({{u"LANGUAGE"_s, u"de:ro"_s}, {u"LANG"_s, u"en_GB.UTF-8"_s}}));
    EXPECT_FALSE(romanian({{u"LANGUAGE"_s, u"en_GB:ro"_s}, {u"LANG"_s, u"ro_RO.UTF-8"_s}}));
    EXPECT_FALSE(romanian({{u"LANGUAGE"_s, u"ro"_s}, {u"LC_ALL"_s, u"C"_s}}));
    EXPECT_FALSE(romanian({}));
}

} // namespace
} // namespace quillet::settings
