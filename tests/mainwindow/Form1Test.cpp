#include "Form1Fixture.h"

#include "lookup/QueryBox.h"
#include "lookup/ResultList.h"
#include "mainwindow/ClickLabel.h"

#include <QAction>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;

namespace {

struct Layout {
    int startingHeight;
    bool containingShown;
    std::array<int, 4> columns;
    int containingCountTop;

    bool operator==(const Layout &) const = default;
};

Layout LayoutOf(const Form1 &form)
{
    return {form.lv[0]->height(),
            form.lv[1]->isVisibleTo(&form) && form.Label2[1]->isVisibleTo(&form)
                && form.Label2[3]->isVisibleTo(&form),
            {form.lv[0]->columnWidth(0), form.lv[0]->columnWidth(1), form.lv[1]->columnWidth(0),
             form.lv[1]->columnWidth(1)},
            form.Label2[3]->y()};
}

QStringList Headings(const ResultList &list)
{
    return {list.headerItem()->text(0), list.headerItem()->text(1)};
}

QStringList ItemTexts(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *action : menu.actions())
        texts.append(action->isSeparator()
                         ? u"-"_s
                         : action->text() + u"|"_s + action->shortcut().toString() + u"|"_s
                               + (action->isChecked() ? u"ticked"_s : u""_s));
    return texts;
}

} // namespace

class Form1Test : public QObject {
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

    void advancedSearchSwitchesBetweenTheTwoLayouts()
    {
        const Layout both = LayoutOf(form());
        QCOMPARE(both, (Layout{189, true, {266, 324, 266, 328}, 271}));

        form().lv[0]->header()->resizeSection(0, 100);
        form().mnuAdvancedSearch_Click();
        const Layout alone = LayoutOf(form());
        QCOMPARE(alone, (Layout{375, false, {266, 324, 266, 328}, 271}));

        form().mnuAdvancedSearch_Click();
        QCOMPARE(LayoutOf(form()), both);

        form().mnuAdvancedSearch->trigger(); // from the menu, the same toggle
        QCOMPARE(LayoutOf(form()), alone);
        QVERIFY(!form().mnuAdvancedSearch->isChecked());
    }

    void theInterfaceSpeaksEitherLanguage()
    {
        QCOMPARE(form().Find->text(), u"&Find:"_s);
        QCOMPARE(Headings(*form().lv[0]), (QStringList{u"Romanian"_s, u"English"_s}));
        form().mnuSearchAsYouType_Click();
        form().Text1->setText(u"casa"_s);
        form().ImgSearch_Click();
        const QString englishCount = form().Label2[2]->text();
        QVERIFY(englishCount.endsWith(u" words"_s));

        form().mnuOptEng_Click(); // chosen while English is in force: Romanian
        QVERIFY(form().mnuOptRom->isChecked());
        QCOMPARE(form().Label3[1]->text(), u"Roman-Englez Tehnic"_s);
        QCOMPARE(form().mnuCopyTranslation2->text(), u"Copiaza traducerea in Clipboard"_s);
        QCOMPARE(form().lblPuncte, u"Puncte: "_s);
        QCOMPARE(Headings(*form().lv[1]), (QStringList{u"Romana"_s, u"Engleza"_s}));
        QCOMPARE(form().Label2[2]->text(), englishCount); // until the next search
        form().ImgSearch_Click();
        QVERIFY(form().Label2[2]->text().endsWith(u" cuvinte"_s));
        QCOMPARE(form().Image4->toolTip(), u"Exit"_s);

        form().mnuOptRom_Click();
        QVERIFY(form().mnuOptRom->isChecked());
        form().mnuOptEng_Click();
        QCOMPARE(form().Find->text(), u"&Find:"_s);

        // The headings follow the direction when the language is next applied.
        form().mnuEngRom_Click();
        QCOMPARE(Headings(*form().lv[0]), (QStringList{u"Romanian"_s, u"English"_s}));
        form().ApplyInterfaceLanguage(false);
        QCOMPARE(Headings(*form().lv[0]), (QStringList{u"Engleza"_s, u"Romana"_s}));
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

        form().Text1->setText(u"  "_s);
        const int rows = form().lv[0]->topLevelItemCount();
        form().Label3_Click(1);
        QCOMPARE(form().Label3[1]->BorderStyle(), 1);
        QCOMPARE(form().lv[0]->topLevelItemCount(), rows);
    }

    void theDirectionAndOptionItemsMoveOnlyTheMarks()
    {
        const QString first = form().lv[0]->topLevelItem(0)->text(0);
        form().mnuEngRom->trigger();
        form().mnuEngRom->trigger(); // already ticked: nothing changes
        QCOMPARE(form().Label3[0]->BorderStyle(), 1);
        QCOMPARE(form().Label3[1]->BorderStyle(), 0);
        QVERIFY(!form().mnuRomEng->isChecked());
        QCOMPARE(form().lv[0]->topLevelItem(0)->text(0), first);

        form().mnuRomEng->trigger();
        QCOMPARE(form().CurrentDirection(), 2);
        QVERIFY(!form().mnuEngRom->isChecked());
        QCOMPARE(form().Label3[1]->BorderStyle(), 1);

        form().mnuSearchAsYouType->trigger();
        QVERIFY(!form().mnuSearchAsYouType->isChecked());
        QVERIFY(form().Label2[2]->text().isEmpty());
    }

    void theOptionsLabelOpensTheOptionsMenu()
    {
        form().Label1_MouseDown(1, Qt::LeftButton, form().mapToGlobal(QPoint(130, 60)));
        QVERIFY(!form().mnuOptions->isVisible());
        form().Label1_MouseDown(0, Qt::RightButton, form().mapToGlobal(QPoint(500, 40)));
        QTRY_VERIFY(form().mnuOptions->isVisible());
        const QStringList expected{
            u"English-Romanian Technical Dictionary|F2|"_s,
            u"Romanian-English Technical Dictionary|F3|ticked"_s,
            u"-"_s,
            u"Search as you type|Ctrl+S|ticked"_s,
            u"Advanced Search|Ctrl+A|ticked"_s,
            u"Ignore diacritics|Ctrl+D|"_s,
            u"-"_s,
            u"Interfata in limba Romana||"_s,
            u"English interface||ticked"_s,
            u"-"_s,
            u"Game||"_s,
            u"-"_s,
            u"Exit||"_s,
        };
        QCOMPARE(ItemTexts(*form().mnuOptions), expected);
        form().mnuOptions->hide();
        QCOMPARE(ItemTexts(*form().mnuEdit2),
                 (QStringList{u"Copy selected record to Clipboard|Ctrl+B|"_s,
                              u"Copy selected translation to Clipboard|Ctrl+C|"_s}));
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
