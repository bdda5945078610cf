#include "app/SettingsValues.h"

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

TEST(SettingsValues, TextToIntegerRoundsHalvesToEven)
{
    EXPECT_EQ(TextToInteger(u"1"), 1);
    EXPECT_EQ(TextToInteger(u"0.5"), 0);
    EXPECT_EQ(TextToInteger(u"1.5"), 2);
    EXPECT_EQ(TextToInteger(u"2.5"), 2);
    EXPECT_EQ(TextToInteger(u"-2.5"), -2);
    EXPECT_EQ(TextToInteger(u"2.51"), 3);
    EXPECT_EQ(TextToInteger(u"-0.4"), 0);
    EXPECT_EQ(TextToInteger(u"True"), std::nullopt);
    EXPECT_EQ(TextToInteger(u""), std::nullopt);
    EXPECT_EQ(TextToInteger(u"1e10"), std::nullopt);
}

TEST(SettingsValues, SinglesReadAndWriteAsShortDecimalText)
{
    EXPECT_EQ(TextToSingle(u"3000"), 3000.0f);
    EXPECT_EQ(TextToSingle(u"3000.5"), 3000.5f);
    EXPECT_EQ(TextToSingle(u"-15"), -15.0f);
    EXPECT_EQ(TextToSingle(u"1e39"), std::nullopt);
    EXPECT_EQ(TextToSingle(u"3000,5"), std::nullopt);
    EXPECT_EQ(TextToSingle(u"left"), std::nullopt);

    EXPECT_EQ(SingleText(3000.0f), u"3000"_s);
    EXPECT_EQ(SingleText(3000.5f), u"3000.5"_s);
    EXPECT_EQ(SingleText(-15.0f), u"-15"_s);
    EXPECT_EQ(SingleText(0.1f), u"0.1"_s);
    EXPECT_EQ(SingleText(4000000.0f), u"4000000"_s);
    for (const float value : {1234.567f, 0.3f, 16777217.0f, 1e-5f})
        EXPECT_EQ(TextToSingle(SingleText(value)), value) << value;

    EXPECT_EQ(BooleanText(true), u"True"_s);
    EXPECT_EQ(BooleanText(false), u"False"_s);
}

TEST(SettingsValues, TwipsAndPixels)
{
    EXPECT_EQ(PixelsToTwips(1, 96), 15.0f);
    EXPECT_EQ(PixelsToTwips(200, 96), 3000.0f);
    EXPECT_EQ(PixelsToTwips(200, 120), 2400.0f);
    EXPECT_EQ(PixelsToTwips(-7, 96), -105.0f);
    EXPECT_EQ(TwipsToPixels(3000, 96), 200);
    EXPECT_EQ(TwipsToPixels(3000, 120), 250);
    EXPECT_EQ(TwipsToPixels(3007, 96), 200);
    EXPECT_EQ(TwipsToPixels(3008, 96), 201);
    EXPECT_EQ(TwipsToPixels(-105, 96), -7);
    // A position stored far beyond any screen still gives a coordinate a window can take.
    EXPECT_EQ(TwipsToPixels(1e30f, 96), 16'777'215);
}

TEST(SettingsValues, AWindowOffEveryScreenGoesToTheDefaultPlace)
{
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, -200, 1280, 1024)};
    const QSize size(600, 400);
    EXPECT_EQ(PlaceWindow(QRect(QPoint(100, 50), size), screens, 96), QPoint(100, 50));
    EXPECT_EQ(PlaceWindow(QRect(QPoint(2500, -150), size), screens, 96), QPoint(2500, -150));
    // In part on a screen: left as it is.
    EXPECT_EQ(PlaceWindow(QRect(QPoint(-599, 1079), size), screens, 96), QPoint(-599, 1079));
    EXPECT_EQ(PlaceWindow(QRect(QPoint(-600, 100), size), screens, 96), QPoint(200, 200));
    EXPECT_EQ(PlaceWindow(QRect(QPoint(5000, 3000), size), screens, 120), QPoint(250, 250));
    // The primary screen need not be the one at the origin.
    const QList<QRect> primaryRight{QRect(1280, 0, 1920, 1080), QRect(0, 0, 1280, 1024)};
    EXPECT_EQ(PlaceWindow(QRect(QPoint(0, 1100), size), primaryRight, 96), QPoint(1480, 200));
}

} // namespace
} // namespace quillet::settings
