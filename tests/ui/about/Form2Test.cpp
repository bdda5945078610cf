// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about/Form2.h"
#include "ui/mainwindow/ClickLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;

namespace {

struct RecordingOpener : about::LinkOpener {
    QStringList opened;
    void ShellOpen(const QString &target) override { opened.append(target); }
    void OpenMail(const QString &target) override { opened.append(target); }
};

const about::AboutLinks Links{u"https://www.example.org/home"_s, u"me@example.org"_s,
                              u"https://www.example.org/latest.zip"_s, u"https://www.example.org/other.zip"_s};

} // namespace

class Form2Test : public QObject {
    Q_OBJECT

private slots:
    void linksOpenTheirTargetsTurnRedUnderThePointerAndTheButtonCloses()
    {
        RecordingOpener opener;
        Form2 about({10, 20}, Links, opener, true);
        about.show();
        const QColor rest = about.Label4->ForeColor();
        QTest::mouseClick(about.Label5[0], Qt::LeftButton);
        QTest::mouseClick(about.Label4, Qt::LeftButton);
        QTest::mouseClick(about.Label3, Qt::LeftButton);
        about.Text2_Click();
        QCOMPARE(opener.opened, (QStringList{Links.homePage, Links.latestVersion, Links.otherProgram,
                                             u"mailto:me@example.org?subject=Dictionary%20%20Comments"_s}));

        // Red under the pointer until it passes over the frame.
        about.Label4_MouseMove();
        about.Text2_MouseMove();
        QCOMPARE(about.Label4->ForeColor(), QColor(255, 0, 0));
        QCOMPARE(about.Text2ForeColor(), QColor(255, 0, 0));
        QMouseEvent overFrame(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                              Qt::NoModifier);
        QApplication::sendEvent(about.Frame2, &overFrame);
        QCOMPARE(about.Label4->ForeColor(), rest);
        QCOMPARE(about.Text2ForeColor(), rest);

        about.Command1->click();
        QVERIFY(!about.isVisible());
    }

    // Enter closes the window unless a link has the focus; assistive technology finds its
    // controls named in the interface language.
    void enterClosesItAndItsControlsAreNamed()
    {
        RecordingOpener opener;
        Form2 about({10, 20}, Links, opener, false);
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(QApplication::focusWidget(), about.Command1);
        QTest::keyClick(about.Label5[0], Qt::Key_Return); // a link with the focus opens
        QCOMPARE(opener.opened, QStringList{Links.homePage});
        QTest::keyClick(about.Text2, Qt::Key_Return);
        QVERIFY(!about.isVisible());
        QCOMPARE(opener.opened.size(), 1);

        QCOMPARE(about.windowTitle(), u"Despre"_s);
        const QList<std::pair<QWidget *, QString>> names{{about.Command1, u"Închide"_s},
                                                         {about.Text2, u"Adresa de e-mail a autorului"_s},
                                                         {about.Text1, u"Despre dicționar"_s}};
        for (const auto &[control, name] : names)
            QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), name);
    }
};

QTEST_MAIN(Form2Test)
#include "Form2Test.moc"
