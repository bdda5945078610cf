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

TEST(SettingsValues, AWindowWhoseTitleBarIsNotWhollyOnOneScreenGoesToTheDefaultPlace)
{
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, -200, 1280, 1024)};
    const QSize size(600, 400);
    const auto place = [&](QPoint at, const QList<QRect> &on = {}, double dpi = 96) {
        return PlaceWindow(QRect(at, size), 28, on.isEmpty() ? screens : on, dpi);
    };
    EXPECT_EQ(place({100, 50}), QPoint(100, 50));
    EXPECT_EQ(place({2500, -150}), QPoint(2500, -150));
    EXPECT_EQ(place({1320, 1052}), QPoint(1320, 1052)); // only the title bar shows
    // Only a corner on a screen, the title bar cut by an edge or split between screens.
    EXPECT_EQ(place({-599, 1079}), QPoint(200, 200));
    EXPECT_EQ(place({-100, -100}), QPoint(200, 200));
    EXPECT_EQ(place({100, -1}), QPoint(200, 200));
    EXPECT_EQ(place({1320, 1053}), QPoint(200, 200));
    EXPECT_EQ(place({1600, 100}), QPoint(200, 200));
    EXPECT_EQ(place({-600, 100}), QPoint(200, 200));
    EXPECT_EQ(place({5000, 3000}, screens, 120), QPoint(250, 250));
    // The primary screen need not be the one at the origin.
    const QList<QRect> primaryRight{QRect(1280, 0, 1920, 1080), QRect(0, 0, 1280, 1024)};
    EXPECT_EQ(place({0, 1100}, primaryRight), QPoint(1480, 200));
}

} // namespace
} // namespace quillet::settings
