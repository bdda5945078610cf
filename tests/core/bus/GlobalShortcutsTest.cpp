// SPDX-License-Identifier: GPL-3.0-or-later
// The key of the whole desktop, asked of the tests' own portal on a private session bus
// (run under dbus-run-session): none there, one without global shortcuts, one that binds
// the key and tells its presses, and ones that cancel or refuse; and what the window
// says in each case, in both languages.
#include "core/bus/GlobalShortcuts.h"
#include "core/bus/SelectionKeyTexts.h"

#include "common/FakePortal.h"

#include <QDBusConnection>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using quillet::bus::GlobalShortcuts;
using Failure = quillet::bus::GlobalShortcuts::Failure;

namespace {

bool Probe(GlobalShortcuts &shortcuts)
{
    QSignalSpy probed(&shortcuts, &GlobalShortcuts::probed);
    shortcuts.probe();
    if (!probed.wait(10'000))
        return false;
    return probed.at(0).at(0).toBool();
}

} // namespace

class GlobalShortcutsTest : public QObject {
    Q_OBJECT
private slots:
    void absentPortalIsSaidSo()
    {
        GlobalShortcuts shortcuts(QDBusConnection::sessionBus());
        QVERIFY(!Probe(shortcuts));
        QSignalSpy failed(&shortcuts, &GlobalShortcuts::failed);
        shortcuts.bind(quillet::SelectionShortcut(true));
        QVERIFY(failed.wait(10'000));
        QCOMPARE(failed.at(0).at(0).value<Failure>(), Failure::Absent);
        QVERIFY(!shortcuts.bound());
    }

    void portalWithoutShortcutsIsAbsent()
    {
        FakePortal portal(u"no-interface"_s);
        GlobalShortcuts shortcuts(QDBusConnection::sessionBus());
        QVERIFY(!Probe(shortcuts));
    }

    void keyIsBoundAndItsPressesTold()
    {
        FakePortal portal(u"accept"_s);
        GlobalShortcuts shortcuts(QDBusConnection::sessionBus());
        QVERIFY(Probe(shortcuts));
        QSignalSpy bound(&shortcuts, &GlobalShortcuts::boundTo);
        shortcuts.bind(quillet::SelectionShortcut(false));
        QVERIFY(bound.wait(10'000));
        QCOMPARE(bound.at(0).at(0).toString(), u"Ctrl+Alt+Q"_s);
        QVERIFY(portal.log().contains(u"CreateSession\n"_s));
        // The key asked for, in the session the portal opened, described in the interface language.
        QVERIFY2(portal.log().contains(u"BindShortcuts session look-up-selection CTRL+ALT+Q \"Caută în Quillet"_s),
                 qPrintable(portal.log()));

        QSignalSpy activated(&shortcuts, &GlobalShortcuts::activated);
        portal.press(u"look-up-selection"_s);
        QVERIFY(activated.wait(10'000));
        QCOMPARE(activated.at(0).at(0).toString(), u"look-up-selection"_s);

        // Asked again, the session is used again.
        shortcuts.bind(quillet::SelectionShortcut(true));
        QVERIFY(bound.wait(10'000));
        QCOMPARE(portal.log().count(u"CreateSession"_s), 1);
    }

    void refusalsAreTold_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<Failure>("failure");
        QTest::addColumn<QString>("detail");
        QTest::newRow("cancelled") << u"cancel"_s << Failure::Cancelled << u"cancelled"_s;
        QTest::newRow("refused") << u"refuse"_s << Failure::Refused << u"the desktop refused the request"_s;
        QTest::newRow("error") << u"error"_s << Failure::Refused << u"shortcuts are not allowed here"_s;
    }

    void refusalsAreTold()
    {
        QFETCH(QString, mode);
        QFETCH(Failure, failure);
        QFETCH(QString, detail);
        FakePortal portal(mode);
        GlobalShortcuts shortcuts(QDBusConnection::sessionBus());
        QVERIFY(Probe(shortcuts));
        QSignalSpy failed(&shortcuts, &GlobalShortcuts::failed);
        shortcuts.bind(quillet::SelectionShortcut(true));
        QVERIFY(failed.wait(10'000));
        QCOMPARE(failed.at(0).at(0).value<Failure>(), failure);
        QCOMPARE(failed.at(0).at(1).toString(), detail);
        QVERIFY(!shortcuts.bound());
    }

    // Without a portal the manual binding is explained; a refusal says what happened and
    // then explains it; each in the interface language.
    void textsSayWhatHappened()
    {
        for (const bool english : {true, false}) {
            const QString manual = quillet::ManualBindingText(english);
            QVERIFY(manual.contains(u"quillet --selection"_s));
            QCOMPARE(quillet::KeyFailureText(Failure::Absent, {}, english), manual);
            const QString refused = quillet::KeyFailureText(Failure::Refused, u"not allowed"_s, english);
            QVERIFY(refused.contains(u"(not allowed)"_s));
            QVERIFY(refused.endsWith(manual));
            QVERIFY(quillet::KeyFailureText(Failure::Cancelled, {}, english).endsWith(manual));
            QVERIFY(quillet::KeyOfferText(english).contains(u"Ctrl+Alt+Q"_s));
            QVERIFY(quillet::KeyBoundText(u"Super+D"_s, english).contains(u"Super+D"_s));
        }
        QVERIFY(quillet::KeyOfferText(true) != quillet::KeyOfferText(false));
        QVERIFY(quillet::KeyFailureText(Failure::Cancelled, {}, true) != quillet::KeyFailureText(Failure::Cancelled, {}, false));
    }
};

QTEST_GUILESS_MAIN(GlobalShortcutsTest)
#include "GlobalShortcutsTest.moc"
