#include "Form1Fixture.h"

#include "about/Form2.h"
#include "mainwindow/ClickLabel.h"
#include "mainwindow/HoverColours.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;

namespace {

void Send(QWidget *to, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, to->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

// Presses the left button at `at` on `control`, moves by `by` and lets go; gives the
// window's move.
QPoint Drag(Form1 &form, QWidget *control, QPoint at, QPoint by)
{
    const QPoint before = form.pos();
    Send(control, QEvent::MouseButtonPress, at, Qt::LeftButton);
    Send(control, QEvent::MouseMove, at + by, Qt::LeftButton);
    Send(control, QEvent::MouseButtonRelease, at + by, Qt::NoButton);
    return form.pos() - before;
}

} // namespace

class Form1FrameTest : public QObject {
    Q_OBJECT

    LoadedForm loaded_;
    Form1 &form() { return *loaded_.form; }

private slots:
    void initTestCase() { UseTestFolders(); }
    void init()
    {
        ForgetStoredState();
        loaded_ = LoadForm();
        QCOMPARE(loaded_.outcome, Form1::LoadOutcome::Loaded);
    }
    void cleanup()
    {
        loaded_.form.reset();
        ForgetStoredState();
    }

    void windowIsFramelessAndCutToItsOutlineUntilShutDown()
    {
        QVERIFY(form().windowFlags().testFlag(Qt::FramelessWindowHint));
        const QRegion mask = form().mask();
        QVERIFY(mask.contains(QPoint(300, 200)));
        for (const QPoint outside : {QPoint(0, 0), QPoint(1, 300), QPoint(620, 300), QPoint(3, 3), QPoint(618, 456)})
            QVERIFY2(!mask.contains(outside), qPrintable(u"%1,%2"_s.arg(outside.x()).arg(outside.y())));
        form().Form_Unload();
        QVERIFY(form().mask().isEmpty());
        QCOMPARE((QStringList{form().Image1->toolTip(), form().Image2->toolTip(), form().Image4->toolTip()}),
                 (QStringList{u"Help"_s, u"Minimized"_s, u"Exit"_s}));
    }

    void backgroundPictureIsPaintedUnscaledFromTheProgramFolder()
    {
        QTemporaryDir programDir;
        for (const QString &name : {u"Database.db"_s, u"quillet-extract"_s})
            QVERIFY(QFile::copy(QStringLiteral(QUILLET_FIXTURE_DIR "/") + name, programDir.filePath(name)));
        QFile::setPermissions(programDir.filePath(u"quillet-extract"_s), QFile::ReadOwner | QFile::ExeOwner);
        QImage picture(40, 40, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(programDir.filePath(u"Background.jpg"_s)));
        loaded_.form.reset();
        loaded_ = LoadForm(programDir.path());
        QCOMPARE(loaded_.outcome, Form1::LoadOutcome::Loaded);
        const QImage shown = form().grab().toImage();
        QVERIFY(shown.pixelColor(5, 32).red() > 200 && shown.pixelColor(5, 32).blue() < 60);
        QVERIFY(shown.pixelColor(45, 32).blue() > 200); // beyond the picture: the plain background
    }

    void dragFromTitleMovesLikeDragFromBackground()
    {
        // The tests' program folder has no Background.jpg: the window goes on without it.
        form().move(320, 320);
        const QPoint fromBackground = Drag(form(), &form(), QPoint(520, 15), QPoint(-40, 25));
        // From 4800 twips: left 4200 goes down to 4192 (279.5 pixels), top 5175 to 5152.
        QCOMPARE(fromBackground, QPoint(-41, 23));
        form().move(320, 320);
        QCOMPARE(Drag(form(), form().Label4, QPoint(30, 8), QPoint(-40, 25)), fromBackground);
        form().move(320, 320);
        Send(&form(), QEvent::MouseButtonPress, QPoint(520, 15), Qt::LeftButton | Qt::RightButton);
        Send(&form(), QEvent::MouseMove, QPoint(480, 40), Qt::LeftButton | Qt::RightButton);
        QCOMPARE(form().pos(), QPoint(320, 320));
    }

    void highlightsFollowThePointerAndRestOverTheBackground()
    {
        QCOMPARE(form().Label1[2]->ForeColor(), hover::InitialDarkBlue);
        form().Label1_MouseMove(2, Qt::NoButton);
        form().Label1_MouseMove(1, Qt::LeftButton);
        const int marked = form().CurrentDirection() == 1 ? 0 : 1;
        form().Label3_MouseMove(marked);
        form().ImgSearch_MouseMove();
        QCOMPARE(form().Label1[2]->ForeColor(), hover::OverRed);
        QCOMPARE(form().Label1[1]->ForeColor(), hover::PressedCyan);
        QCOMPARE(form().Label3[marked]->ForeColor(), hover::OverRed);
        QCOMPARE(form().ImgSearch->BorderStyle(), 1);

        Send(&form(), QEvent::MouseMove, QPoint(520, 15), Qt::NoButton);
        for (const ClickLabel *label : {form().Label1[1], form().Label1[2], form().Label3[marked]})
            QCOMPARE(label->ForeColor(), hover::RestBlue);
        QCOMPARE(form().ImgSearch->BorderStyle(), 0);
        QCOMPARE(form().Label3[marked]->BorderStyle(), 1); // the direction mark stays
    }

    void romanianDirectionCaptionsFitTheirBoxes()
    {
        form().ApplyInterfaceLanguage(false);
        for (const ClickLabel *label : form().Label3)
            QVERIFY(QFontMetricsF(label->font()).horizontalAdvance(label->text()) <= label->width() - 2);
        QCOMPARE(form().Label3[0]->geometry(), QRect(342, 56, 130, 18));
    }

    void helpPictureOpensTheAboutWindowWithBothCounts()
    {
        QString title;
        QString text;
        Form1Setup setup;
        setup.showAbout = [&](Form2 &about) {
            title = about.Label1->text();
            text = about.Text1->toPlainText();
        };
        loaded_.form.reset();
        loaded_ = LoadForm(QStringLiteral(QUILLET_FIXTURE_DIR), setup);
        QCOMPARE(loaded_.outcome, Form1::LoadOutcome::Loaded);
        form().Image1_Click();
        QCOMPARE(title, u"Dictionar  Quillet ver. 1.1"_s);
        QVERIFY(text.contains(u"contain %1 English words and %2 Romanian"_s.arg(form().table().EntryCount(1))
                                  .arg(form().table().EntryCount(2))));
    }
};

QTEST_MAIN(Form1FrameTest)
#include "Form1FrameTest.moc"
