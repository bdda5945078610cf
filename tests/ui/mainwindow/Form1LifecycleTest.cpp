// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1Fixture.h"

#include "core/app/SettingsStore.h"
#include "ui/lookup/QueryBox.h"
#include "ui/lookup/ResultList.h"
#include "ui/mainwindow/ClickLabel.h"

#include <QAction>
#include <QLineEdit>
#include <QFileInfo>
#include <QListWidget>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;

namespace {

// The stored text of one key, as the file has it.
QString Stored(const QString &key)
{
    QSettings stored(SettingsFile(), QSettings::IniFormat);
    stored.beginGroup(u"Startup"_s);
    return stored.value(key).toString();
}

void Store(const QList<std::pair<QString, QString>> &values)
{
    QSettings stored(SettingsFile(), QSettings::IniFormat);
    stored.beginGroup(u"Startup"_s);
    for (const auto &[key, value] : values)
        stored.setValue(key, value);
}

} // namespace

class Form1LifecycleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseTestFolders(); }
    void init() { ForgetStoredState(); }
    void cleanup() { ForgetStoredState(); }

    void firstStartUsesTheDefaultsAndListsTheFirstFiftyEntries()
    {
        LoadedForm loaded = LoadForm();
        QCOMPARE(loaded.outcome, Form1::LoadOutcome::Loaded);
        Form1 &form = *loaded.form;

        QCOMPARE(form.Label3[1]->BorderStyle(), 1);
        QVERIFY(form.mnuRomEng->isChecked());
        QVERIFY(!form.mnuEngRom->isChecked());
        QVERIFY(form.mnuSearchAsYouType->isChecked());
        QVERIFY(form.mnuAdvancedSearch->isChecked());
        QVERIFY(form.mnuOptEng->isChecked());
        // 3000 twips at 96 dots per inch, moved in just far enough to fit wholly on the
        // tests' screen, 800 pixels wide.
        QCOMPARE(form.pos(), QPoint(800 - 623, 200));

        QCOMPARE(form.Label4->text(), u"Quillet Technical Dictionary ver. 1.1"_s);
        QCOMPARE(form.Image2->toolTip(), u"Minimize"_s);
        QVERIFY(form.Text3->isHidden());
        QVERIFY(form.Label2[2]->text().isEmpty());

        // The Romanian to English direction, entries 1 to 50, entry 0 never shown.
        const DictTable &table = form.table();
        QVERIFY(table.EntryCount(2) > 50);
        QCOMPARE(form.lv[0]->topLevelItemCount(), 50);
        for (int k = 1; k <= 50; ++k) {
            QCOMPARE(form.lv[0]->topLevelItem(k - 1)->text(0), table(2, DictTable::Headword, k));
            QCOMPARE(form.lv[0]->topLevelItem(k - 1)->text(1), table(2, DictTable::Translation, k));
        }
        QCOMPARE(form.lv[1]->topLevelItemCount(), 0);
        // Every line of the shipped files is an entry; the empty tail is not counted.
        QCOMPARE(table(1, DictTable::Headword, table.EntryCount(1) + 1), QString());
        QVERIFY(!table(1, DictTable::Headword, table.EntryCount(1)).isEmpty());
    }

    void everySettingSurvivesARestart()
    {
        QSize frame;
        {
            LoadedForm loaded = LoadForm();
            Form1 &form = *loaded.form;
            frame = form.frameGeometry().size();
            form.Label3_Click(0);
            form.mnuSearchAsYouType_Click();
            form.mnuAdvancedSearch_Click();
            form.mnuIgnoreDiacritics_Click();
            form.mnuWordForms_Click();
            form.mnuOptRom_Click();
            form.move(121, 234);
            for (const QString &word : {u"pump"_s, u"valve, gate"_s, u"\"quoted\""_s}) {
                form.Text1->setText(word);
                form.ImgSearch_Click();
            }
            form.close();
        }
        QCOMPARE(Stored(u"SearcAsYouType"_s), u"False"_s);
        QCOMPARE(Stored(u"DictLang"_s), u"True"_s);
        QCOMPARE(Stored(u"Dict"_s), u"1"_s);
        QCOMPARE(Stored(u"AdvSearch"_s), u"False"_s);
        QCOMPARE(Stored(u"IgnoreDiacritics"_s), u"True"_s);
        QCOMPARE(Stored(u"WordForms"_s), u"False"_s);
        QCOMPARE(Stored(u"Left"_s), u"1815"_s);
        QCOMPARE(Stored(u"Top"_s), u"3510"_s);
        QCOMPARE(Stored(u"Width"_s), QString::number(frame.width() * 15));
        QCOMPARE(Stored(u"Height"_s), QString::number(frame.height() * 15));

        LoadedForm again = LoadForm();
        Form1 &form = *again.form;
        QVERIFY(!form.mnuSearchAsYouType->isChecked());
        QVERIFY(form.mnuOptRom->isChecked());
        QVERIFY(!form.mnuOptEng->isChecked());
        QCOMPARE(form.Label3[0]->BorderStyle(), 1);
        QVERIFY(form.mnuEngRom->isChecked());
        QVERIFY(!form.mnuAdvancedSearch->isChecked());
        QVERIFY(form.mnuIgnoreDiacritics->isChecked());
        QVERIFY(!form.mnuWordForms->isChecked());
        QVERIFY(form.lv[1]->isHidden());
        QCOMPARE(form.pos(), QPoint(121, 234));
        QCOMPARE(form.Label2[0]->text(), u"Începând cu:"_s);
        QCOMPARE(form.Label4->text(), u"Dicționarul tehnic Quillet ver. 1.1"_s);
        QCOMPARE(form.Image4->toolTip(), u"Ieșire"_s);
        QCOMPARE(form.lv[0]->topLevelItem(0)->text(0), form.table()(1, DictTable::Headword, 1));
        const QStringList history{u"\"quoted\""_s, u"valve, gate"_s, u"pump"_s};
        QCOMPARE(form.history().entries(), history);
        QCOMPARE(form.List2->count(), 3);
        QCOMPARE(form.List2->item(0)->text(), history.first());
    }

    void storedTextsConvertOrLeaveTheirControlAsItWas()
    {
        Store({{u"SearcAsYouType"_s, u"0"_s},
               {u"DictLang"_s, u"1"_s},
               {u"Dict"_s, u"2"_s},
               {u"AdvSearch"_s, u"maybe"_s},
               {u"Left"_s, u"far"_s},
               {u"Top"_s, u"1500"_s}});
        LoadedForm loaded = LoadForm();
        Form1 &form = *loaded.form;
        QVERIFY(!form.mnuSearchAsYouType->isChecked());
        QVERIFY(form.mnuOptRom->isChecked());
        // "Dict" 2 is no border style: the first label keeps its border, and the
        // other carriers of the direction follow it.
        QCOMPARE(form.Label3[0]->BorderStyle(), 1);
        QCOMPARE(form.Label3[1]->BorderStyle(), 0);
        QVERIFY(form.mnuEngRom->isChecked());
        QVERIFY(form.mnuAdvancedSearch->isChecked());
        QCOMPARE(form.pos().y(), 100);

        // A position that hides the title bar is moved just far enough to show it all.
        Store({{u"Left"_s, u"-1500"_s}, {u"Top"_s, u"-1500"_s}});
        QCOMPARE(LoadForm().form->pos(), QPoint(0, 0));
    }

    void aRomanianLocaleChoosesTheInterfaceUntilALanguageIsStored()
    {
        qputenv("LC_ALL", "ro_RO.UTF-8");
        {
            const LoadedForm loaded = LoadForm();
            QVERIFY(loaded.form->mnuOptRom->isChecked());
            QCOMPARE(loaded.form->Label2[0]->text(), u"Începând cu:"_s);
            loaded.form->close(); // no language chosen: none is stored
        }
        QVERIFY(!QSettings(SettingsFile(), QSettings::IniFormat).contains(u"Startup/DictLang"_s));
        QVERIFY(QSettings(SettingsFile(), QSettings::IniFormat).contains(u"Startup/Dict"_s));
        Store({{u"DictLang"_s, u"False"_s}});
        const bool english = LoadForm().form->mnuOptEng->isChecked();
        UseTestFolders();
        QVERIFY(english);
    }

    void closingWhileMinimisedStoresTheNormalPosition()
    {
        {
            LoadedForm loaded = LoadForm();
            loaded.form->move(300, 250);
            loaded.form->Image2_Click();
            QVERIFY(loaded.form->windowState() & Qt::WindowMinimized);
            loaded.form->Image4_Click();
        }
        QCOMPARE(Stored(u"Left"_s), u"4500"_s);
        QCOMPARE(Stored(u"Top"_s), u"3750"_s);
        QCOMPARE(Stored(u"Dict"_s), u"0"_s);
        QCOMPARE(Stored(u"SearcAsYouType"_s), u"True"_s);
    }

    void aMissingArchiveStopsTheProgramWithoutStoringAnything()
    {
        const QTemporaryDir emptyProgramDir;
        LoadedForm loaded = LoadForm(emptyProgramDir.path());
        QCOMPARE(loaded.outcome, Form1::LoadOutcome::Failed);
        QVERIFY(loaded.failure.has_value());
        QCOMPARE(loaded.failure->file, u"Database.db"_s);
        QVERIFY(!loaded.failure->cause.isEmpty());
        QVERIFY(loaded.form->isHidden());

        loaded.form->close();
        QVERIFY(!QFile::exists(SettingsFile()));
        QVERIFY(!QFile::exists(HistoryFile::writePath()));
    }

    // A reading started before the window is taken only when it reads the window's folder.
    void aDictionaryReadAheadServesOnlyItsOwnFolder()
    {
        const QTemporaryDir emptyProgramDir;
        for (const QString &readFrom : {QStringLiteral(QUILLET_FIXTURE_DIR), emptyProgramDir.path()}) {
            Form1Setup setup;
            setup.programDir = QStringLiteral(QUILLET_FIXTURE_DIR);
            setup.reportLoadFailure = [](const LoadFailure &) { QFAIL("the window's own folder failed to load"); };
            Form1 form(setup);
            form.startReading(std::make_unique<DictionaryReadAhead>(readFrom));
            QCOMPARE(form.Form_Load(), Form1::LoadOutcome::Loaded);
            QVERIFY(form.lv[0]->topLevelItemCount() > 0);
            form.close();
        }
    }

    void closingDuringTheLoadStoresTheStateAndEndsTheLoad()
    {
        Form1Setup setup;
        setup.programDir = QStringLiteral(QUILLET_FIXTURE_DIR);
        auto form = std::make_unique<Form1>(setup);
        QTimer::singleShot(0, form.get(), [&form] {
            form->Text1->setText(u"pump"_s);
            form->close();
        });
        QCOMPARE(form->Form_Load(), Form1::LoadOutcome::Closed);
        QVERIFY(QFile::exists(SettingsFile()));
        QCOMPARE(form->history().entries(), QStringList{u"pump"_s});
        QVERIFY(QFile::exists(HistoryFile::writePath()));
    }

    void aHistoryThatCannotBeReadIsLeftAsItWasAndSaidOnce()
    {
        const QString history = HistoryFile::writePath();
        QDir().mkpath(QFileInfo(history).absolutePath());
        QCOMPARE(::mkfifo(QFile::encodeName(history).constData(), 0600), 0);
        LoadedForm loaded = LoadForm(); // would wait forever if it opened the FIFO
        QCOMPARE(loaded.outcome, Form1::LoadOutcome::Loaded);
        loaded.form->Text1->setText(u"pump"_s);
        loaded.form->ImgSearch_Click();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"search history in .* could not be read"_s));
        loaded.form->close();
        struct stat status {};
        QVERIFY(::lstat(QFile::encodeName(history).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
    }

    // A page pasted into the query is cut to the box's length and searched as typed; the
    // history it joins still reads whole at the next start.
    void aPastedPageKeepsTheHistory()
    {
        const QString history = HistoryFile::writePath();
        QDir().mkpath(QFileInfo(history).absolutePath());
        QByteArray words;
        for (int k = 0; k < 10; ++k)
            words += "word" + QByteArray::number(k) + "\r\n";
        QFile file(history);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(words) == words.size());
        file.close();

        LoadedForm loaded = LoadForm();
        loaded.form->Text1->insert(QString(4400, u'ș'));
        QCOMPARE(loaded.form->Text1->text().size(), QueryBox::MaxLength);
        loaded.form->close();
        LoadedForm again = LoadForm();
        QCOMPARE(again.form->history().entries().size(), 11);
        QCOMPARE(again.form->history().entries().back(), u"word9"_s);
    }

    void aMalformedSettingsFileIsSavedWithoutComplaint()
    {
        QFile file(SettingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBF[Startup]\r\nDict=1\r\nno equals sign\r\n");
        file.close();
        QTest::failOnWarning(QRegularExpression(u"could not be saved"_s));
        LoadForm().form->close();
        QSettings stored(SettingsFile(), QSettings::IniFormat);
        QVERIFY(stored.value(u"Startup/Left"_s).toInt() > 0);
    }
};

QTEST_MAIN(Form1LifecycleTest)
#include "Form1LifecycleTest.moc"
