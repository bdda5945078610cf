// SPDX-License-Identifier: GPL-3.0-or-later
// The Options menu's "Look up from any program...", with the tests' own global shortcuts
// portal on a private session bus: without one it explains the manual binding; with one
// it asks, registers the key, says which, and a press shows the pop-up for the clipboard's
// word; a refusal is said, with the manual binding after it.
#include "core/bus/SelectionKeyTexts.h"
#include "ui/bus/LookupPopup.h"
#include "ui/bus/WindowBus.h"

#include "Form1Fixture.h"
#include "common/FakePortal.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;

class SelectionKeyTest : public Form1Suite {
    Q_OBJECT
private:
    QStringList messages_;
    QStringList questions_;
    std::unique_ptr<WindowBus> bus_;

    // A window with the session's name, once it has asked the portal.
    void start()
    {
        Form1Setup setup;
        setup.showMessage = [this](const QString &, const QString &text) { messages_ += text; };
        setup.askQuestion = [this](const QString &, const QString &text) {
            questions_ += text;
            return true;
        };
        loadForm(setup);
        bus_ = std::make_unique<WindowBus>(form());
        QVERIFY(bus_->claim() == WindowBus::Claim::Claimed);
        bus_->windowLoaded();
        QTRY_VERIFY(!bus_->selectionKey()->probing());
    }

private slots:
    void init()
    {
        ForgetStoredState();
        messages_.clear();
        questions_.clear();
    }
    void cleanup()
    {
        bus_.reset();
        dropForm();
    }

    void withoutPortalTheBindingIsExplained()
    {
        start();
        form().mnuSelectionKey->trigger();
        QCOMPARE(messages_, QStringList{ManualBindingText(true)});
        QVERIFY(questions_.isEmpty());
    }

    void theKeyIsRegisteredAndItsPressShowsThePopup()
    {
        FakePortal portal(u"accept"_s);
        start();
        form().mnuSelectionKey->trigger();
        QCOMPARE(questions_, QStringList{KeyOfferText(true)});
        QTRY_COMPARE(messages_, QStringList{KeyBoundText(u"Ctrl+Alt+Q"_s, true)});
        QVERIFY(form().selectionKeyRegistered());

        QGuiApplication::clipboard()->setText(u"  pump, and more"_s);
        portal.press(u"look-up-selection"_s);
        QTRY_VERIFY(form().popup() != nullptr && form().popup()->isVisible());
        QCOMPARE(form().popup()->word(), u"pump"_s);
    }

    void aRefusalIsSaidInTheInterfaceLanguage()
    {
        FakePortal portal(u"refuse"_s);
        start();
        form().mnuOptRom->trigger();
        form().mnuSelectionKey->trigger();
        QCOMPARE(questions_, QStringList{KeyOfferText(false)});
        QTRY_COMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0], KeyFailureText(bus::GlobalShortcuts::Failure::Refused,
                                               u"the desktop refused the request"_s, false));
        QVERIFY(!form().selectionKeyRegistered());
    }
};

QTEST_MAIN(SelectionKeyTest)
#include "SelectionKeyTest.moc"
