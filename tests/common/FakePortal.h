// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/bus/GlobalShortcuts.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QProcess>
#include <QTest>

// The tests' own global shortcuts portal (tests/core/bus/FakeShortcutsPortal.cpp) on the
// session bus the test runs on, for one test: "accept", "cancel", "refuse", "error" or
// "no-interface". Its log holds each call it answered.
class FakePortal {
public:
    explicit FakePortal(const QString &mode)
    {
        process_.start(QStringLiteral(QUILLET_FAKE_PORTAL), {mode});
        QVERIFY(process_.waitForStarted());
        QTRY_VERIFY(log().contains(QStringLiteral("ready")));
    }
    ~FakePortal()
    {
        process_.terminate();
        process_.waitForFinished();
    }
    FakePortal(const FakePortal &) = delete;
    FakePortal &operator=(const FakePortal &) = delete;

    QString log()
    {
        output_ += QString::fromUtf8(process_.readAllStandardOutput());
        return output_;
    }
    // The desktop's key pressed: Activated for the last session the portal opened.
    void press(const QString &id)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(quillet::bus::portal::Service, quillet::bus::portal::Path,
                                                           QStringLiteral("org.example.FakePortal"),
                                                           QStringLiteral("Press"));
        call.setArguments({id});
        QDBusConnection::sessionBus().asyncCall(call);
    }

private:
    QProcess process_;
    QString output_;
};
