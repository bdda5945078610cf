// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1Fixture.h"

#include "ui/about/Form2.h"
#include "ui/mainwindow/ClickLabel.h"
#include "ui/mainwindow/HoverColours.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;

namespace {

QStringList Headings(const ResultList &list)
{
    return {list.headerItem()->text(0), list.headerItem()->text(1)};
}

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

// The controls under `node` that one can reach, press or type into and that have no name.
QStringList UnnamedControls(QAccessibleInterface *node)
{
    QStringList unnamed;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        // Rows, cells and headings of a list are no controls of their own.
        if (child == nullptr || child->object() == nullptr || !child->object()->isWidgetType())
            continue;
        const QAccessibleActionInterface *actions = child->actionInterface();
        const QAccessible::State state = child->state();
        const bool interactive = state.focusable || (child->role() == QAccessible::EditableText && !state.readOnly)
                                 || (actions != nullptr && !actions->actionNames().isEmpty());
        const QWidget *control = static_cast<const QWidget *>(child->object());
        if (interactive && child->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(u"%1 at %2,%3"_s.arg(QString::fromLatin1(control->metaObject()->className()))
                               .arg(control->x()).arg(control->y()));
        unnamed += UnnamedControls(child);
    }
    return unnamed;
}

} // namespace

// The main window's layout, language, direction, options, frame, hover feedback and About hook.
class Form1Test : public Form1Suite {
    Q_OBJECT

private slots:
    void init() { loadFreshForm(); }
    void cleanup() { dropForm(); }

    void advancedSearchSwitchesBetweenTheTwoLayouts()
    {
        // The Starting-with list's height, the Containing list and its captions, the columns.
        const auto layout = [this] {
            const Form1 &f = form();
            return QList<int>{f.lv[0]->height(), f.lv[1]->isVisibleTo(&f), f.Label2[1]->isVisibleTo(&f),
                              f.Label2[3]->isVisibleTo(&f), f.Label2[3]->y(), f.lv[0]->columnWidth(0),
                              f.lv[0]->columnWidth(1), f.lv[1]->columnWidth(0), f.lv[1]->columnWidth(1)};
        };
        const QList<int> both = layout();
        QCOMPARE(both.mid(1, 3), (QList<int>{1, 1, 1}));

        form().lv[0]->header()->resizeSection(0, 100);
        form().mnuAdvancedSearch_Click();
        const QList<int> alone = layout();
        QCOMPARE(alone.mid(1, 3), (QList<int>{0, 0, 0}));
        QVERIFY(alone[0] > both[0]);
        QCOMPARE(alone.mid(5), both.mid(5));

        form().mnuAdvancedSearch_Click();
        QCOMPARE(layout(), both);
        form().mnuAdvancedSearch->trigger(); // from the menu, the same toggle
        QCOMPARE(layout(), alone);
        QVERIFY(!form().mnuAdvancedSearch->isChecked());
    }

    void theInterfaceSpeaksEitherLanguage()
    {
        QCOMPARE(Headings(*form().lv[0]), (QStringList{u"Romanian"_s, u"English"_s}));
        form().mnuSearchAsYouType_Click();
        search(u"casa"_s);
        const QString englishCount = form().Label2[2]->text();
        QVERIFY(englishCount.contains(u" word"_s));

        form().mnuOptEng_Click(); // chosen while English is in force: Romanian
        QVERIFY(form().mnuOptRom->isChecked());
        QCOMPARE(form().Label3[1]->text(), u"Român-Englez tehnic"_s);
        QCOMPARE(form().mnuCopyTranslation2->text(), form().mnuCopyTranslation->text());
        QCOMPARE(Headings(*form().lv[1]), (QStringList{u"Română"_s, u"Engleză"_s}));
        QVERIFY(form().Label2[2]->text() != englishCount);
        QCOMPARE(form().Image4->toolTip(), u"Ieșire"_s);

        form().mnuOptRom_Click();
        QVERIFY(form().mnuOptRom->isChecked());
        form().mnuOptEng_Click();
        QCOMPARE(form().Find->text(), u"&Find:"_s);

        // The headings follow the direction at once.
        form().mnuEngRom_Click();
        QCOMPARE(Headings(*form().lv[0]), (QStringList{u"English"_s, u"Romanian"_s}));
        form().ApplyInterfaceLanguage(false);
        QCOMPARE(Headings(*form().lv[0]), (QStringList{u"Engleză"_s, u"Română"_s}));
        for (const ClickLabel *label : form().Label3) // the Romanian captions fit their boxes
            QVERIFY(QFontMetricsF(label->font()).horizontalAdvance(label->text()) <= label->width() - 2);
    }

    void noTwoCaptionsOverlapInEitherLanguage()
    {
        form().mnuSearchAsYouType_Click();
        search(u"casa"_s); // the count captions show
        for (const bool english : {true, false}) {
            form().ApplyInterfaceLanguage(english);
            form().ImgSearch_Click(); // the counts in the language
            QList<std::pair<const QLabel *, QRectF>> drawn;
            for (const QLabel *label : form().findChildren<QLabel *>()) {
                if (!label->isVisibleTo(&form()) || label->text().isEmpty())
                    continue;
                const QRect text = label->style()->itemTextRect(label->fontMetrics(), label->contentsRect(),
                                                                int(label->alignment()), true, label->text());
                drawn.append({label, QRectF(text.translated(label->mapTo(&form(), QPoint()))).intersected(
                                         QRectF(label->geometry()))});
            }
            QVERIFY(drawn.size() >= 10);
            for (qsizetype i = 0; i < drawn.size(); ++i)
                for (qsizetype j = i + 1; j < drawn.size(); ++j)
                    QVERIFY2(!drawn[i].second.intersects(drawn[j].second),
                             qPrintable(drawn[i].first->text() + u" / "_s + drawn[j].first->text()));
        }
    }

    void aDirectionLabelSearchesBeforeTheCaptionsChange()
    {
        form().mnuSearchAsYouType_Click();
        form().Text1->setText(u"pump"_s);
        QStringList headingsWhenFilled;
        connect(form().lv[0]->model(), &QAbstractItemModel::rowsInserted, this,
                [this, &headingsWhenFilled] { headingsWhenFilled = Headings(*form().lv[0]); });

        form().Label3_Click(0);
        QCOMPARE(form().Label3[1]->BorderStyle(), 0);
        QVERIFY(form().mnuEngRom->isChecked());
        QVERIFY(!form().mnuRomEng->isChecked());
        QCOMPARE(form().lv[0]->topLevelItem(0)->text(0), u"pump"_s);
        QCOMPARE(headingsWhenFilled, (QStringList{u"Romanian"_s, u"English"_s}));
        QCOMPARE(Headings(*form().lv[0]), (QStringList{u"English"_s, u"Romanian"_s}));

        // Nothing to search: the new direction's first entries, as at start.
        form().Text1->setText(u"  "_s);
        form().Label3_Click(1);
        QCOMPARE(form().Label3[1]->BorderStyle(), 1);
        QCOMPARE(form().lv[0]->topLevelItemCount(), 50);
        QCOMPARE(form().lv[0]->topLevelItem(0)->text(0), form().table()(2, DictTable::Headword, 1));
    }

    void theDirectionItemsKeepTheirMarksTogetherAndTheOptionItemsSearchNothing()
    {
        form().mnuEngRom->trigger();
        const QString first = form().lv[0]->topLevelItem(0)->text(0);
        form().mnuEngRom->trigger(); // already ticked: nothing changes
        QCOMPARE(form().Label3[0]->BorderStyle(), 1);
        QCOMPARE(form().Label3[1]->BorderStyle(), 0);
        QVERIFY(!form().mnuRomEng->isChecked());
        QCOMPARE(form().lv[0]->topLevelItem(0)->text(0), first);

        form().mnuRomEng->trigger();
        QCOMPARE(form().CurrentDirection(), 2);
        QVERIFY(!form().mnuEngRom->isChecked());

        form().mnuSearchAsYouType->trigger();
        QVERIFY(!form().mnuSearchAsYouType->isChecked());
        QVERIFY(form().Label2[2]->text().isEmpty());
    }

    void theOptionsLabelOpensTheOptionsMenuOnARightClick()
    {
        form().Label1_MouseDown(1, Qt::LeftButton, form().mapToGlobal(QPoint(130, 60)));
        QVERIFY(!form().mnuOptions->isVisible());
        form().Label1_MouseDown(0, Qt::RightButton, form().mapToGlobal(QPoint(500, 40)));
        QTRY_VERIFY(form().mnuOptions->isVisible());
        QCOMPARE(form().mnuIgnoreDiacritics->shortcut().toString(), u"Ctrl+D"_s);
        form().mnuOptions->hide();
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
                 (QStringList{u"Help"_s, u"Minimize"_s, u"Exit"_s}));
    }

    void backgroundPictureIsPaintedUnscaledFromTheProgramFolder()
    {
        QTemporaryDir programDir;
        QVERIFY(QFile::copy(QStringLiteral(QUILLET_FIXTURE_DIR "/Database.db"), programDir.filePath(u"Database.db"_s)));
        QImage picture(40, 40, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(programDir.filePath(u"Background.jpg"_s)));
        loadForm({}, programDir.path());
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

    // What assistive technology sees: every control one can reach, press or type into is
    // named, in the interface language; the pictures are buttons that can be pressed.
    void theAccessibilityTreeNamesEveryControl()
    {
        int aboutOpened = 0;
        Form1Setup setup;
        setup.showAbout = [&](Form2 &) { ++aboutOpened; };
        loadForm(setup);
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form());
        QVERIFY(window != nullptr);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(QAccessible::queryAccessibleInterface(form().Image3)->role(), QAccessible::Button);
        const QStringList unnamed = UnnamedControls(window);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", "_s)));

        QAccessibleInterface *help = QAccessible::queryAccessibleInterface(form().Image1);
        QCOMPARE(help->role(), QAccessible::Button);
        QCOMPARE(help->text(QAccessible::Name), u"Help"_s);
        help->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(aboutOpened, 1);
        QAccessibleInterface *englishRomanian = QAccessible::queryAccessibleInterface(form().Label3[0]);
        QCOMPARE(englishRomanian->role(), QAccessible::RadioButton);
        QCOMPARE(englishRomanian->state().checked, form().CurrentDirection() == 1);

        form().mnuOptRom_Click();
        QCOMPARE(QAccessible::queryAccessibleInterface(form().Image4)->text(QAccessible::Name), u"Ieșire"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(form().lv[0])->text(QAccessible::Name), u"Începând cu"_s);
        QCOMPARE(englishRomanian->text(QAccessible::Name), u"Englez-Român tehnic"_s);
        QVERIFY(UnnamedControls(window).isEmpty());
    }

    // Tab goes round every control in reading order; Space or Enter presses a picture or
    // a label, F1 opens About, Escape closes an open list.
    void theKeyboardReachesAndWorksEveryControl()
    {
        int aboutOpened = 0;
        Form1Setup setup;
        setup.showAbout = [&](Form2 &) { ++aboutOpened; };
        loadForm(setup);
        QApplication::clipboard()->setText(u"pump"_s);
        form().Timer1_Timer(); // the paste picture can be pressed
        const QList<QWidget *> order{form().ImgSearch, form().Image3,    form().Label1[2], form().Label1[1],
                                     form().lv[0],     form().lv[1],     form().Label3[0], form().Label3[1],
                                     form().Label1[0], form().Image1,    form().Image2,    form().Image4,
                                     form().Text1};
        form().Text1->setFocus();
        QTest::keyClicks(form().Text1, u"pu"_s); // the query would be selected again ten ticks on
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(form().Text1, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), form().Image4);
        for (int tick = 0; tick < 10; ++tick)
            form().Timer1_Timer();
        QCOMPARE(QApplication::focusWidget(), form().Image4); // where Tab took it

        QTest::keyClick(form().Image1, Qt::Key_Space);
        form().Text1->setFocus();
        QTest::keyClick(form().Text1, Qt::Key_F1);
        QCOMPARE(aboutOpened, 2);
        QTest::keyClick(form().Label3[0], Qt::Key_Return);
        QCOMPARE(form().CurrentDirection(), 1);

        for (const int label : {2, 1}) {
            form().Text1->setText(u"pump"_s);
            QTest::keyClick(form().Label1[label], Qt::Key_Space);
            DropDownList *list = label == 2 ? form().List2 : form().List1;
            QVERIFY(list->isVisible());
            QTest::keyClick(list, Qt::Key_Escape);
            QVERIFY(!list->isVisible());
            QVERIFY(form().Text1->hasFocus());
        }
        QTest::keyClick(form().Label1[0], Qt::Key_Return);
        QTRY_VERIFY(form().mnuOptions->isVisible());
        form().mnuOptions->hide();
    }

    void helpPictureOpensTheAboutWindowWithBothCounts()
    {
        QString text;
        Form1Setup setup;
        setup.showAbout = [&](Form2 &about) { text = about.Text1->toPlainText(); };
        loadForm(setup);
        form().Image1_Click();
        QVERIFY(text.contains(u"contains %1 English words and %2 Romanian"_s.arg(form().table().EntryCount(1))
                                  .arg(form().table().EntryCount(2))));
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
