// SPDX-License-Identifier: GPL-3.0-or-later
// The GoogleTest main for tests whose code runs children or timers: it sets up the
// QCoreApplication that the program itself has, then runs every test.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
