// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/app/SettingsStore.h"
#include "core/dictionary/SearchHistory.h"
#include "ui/lookup/DropDownList.h"
#include "ui/lookup/QueryBox.h"
#include "ui/lookup/ResultList.h"
#include "ui/mainwindow/Form1.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <optional>

// Helpers for the main window's tests: every test starts with no stored settings and no
// history, in Qt's test folders rather than the user's own, and loads the tests' own small
// dictionary (tests/fixture) from a program folder of its own.
namespace quillet::testing {

// Also a locale that is not Romanian, which would choose the Romanian interface.
inline void UseTestFolders()
{
    QStandardPaths::setTestModeEnabled(true);
    qputenv("LC_ALL", "C.UTF-8");
}

inline QString SettingsFile()
{
    return SettingsStore().fileName();
}

inline void ForgetStoredState()
{
    QFile::remove(SettingsFile());
    QFile::remove(HistoryFile::writePath());
}

struct LoadedForm {
    std::unique_ptr<Form1> form;
    Form1::LoadOutcome outcome = Form1::LoadOutcome::Failed;
    std::optional<LoadFailure> failure;
};

inline LoadedForm LoadForm(const QString &programDir = QStringLiteral(QUILLET_FIXTURE_DIR),
                           Form1Setup setup = {})
{
    LoadedForm loaded;
    auto failure = std::make_shared<std::optional<LoadFailure>>();
    setup.programDir = programDir;
    setup.reportLoadFailure = [failure](const LoadFailure &f) { *failure = f; };
    loaded.form = std::make_unique<Form1>(setup);
    loaded.outcome = loaded.form->Form_Load();
    loaded.failure = *failure;
    return loaded;
}

// The frame the main window's suites share. QtTest runs only a suite's private slots, so
// each suite's own init() and cleanup() call loadFreshForm() and dropForm().
class Form1Suite : public QObject {
public:
    Form1Suite() { UseTestFolders(); }

protected:
    LoadedForm loaded_;
    Form1 &form() { return *loaded_.form; }

    // Loads a window over whatever settings and history the last one left.
    void loadForm(Form1Setup setup = {}, const QString &programDir = QStringLiteral(QUILLET_FIXTURE_DIR))
    {
        loaded_.form.reset();
        loaded_ = LoadForm(programDir, std::move(setup));
        QCOMPARE(loaded_.outcome, Form1::LoadOutcome::Loaded);
    }
    void loadFreshForm()
    {
        ForgetStoredState();
        loadForm();
    }
    void dropForm()
    {
        loaded_.form.reset();
        ForgetStoredState();
    }
    void search(const QString &query)
    {
        form().Text1->setText(query);
        form().ImgSearch_Click();
    }
    QStringList headwords(int list)
    {
        QStringList words;
        for (int i = 0; i < form().lv[list]->topLevelItemCount(); ++i)
            words.append(form().lv[list]->topLevelItem(i)->text(0));
        return words;
    }
};

} // namespace quillet::testing
