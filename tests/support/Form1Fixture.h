#pragma once

#include "app/SettingsStore.h"
#include "dictionary/SearchHistory.h"
#include "lookup/DropDownList.h"
#include "mainwindow/Form1.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <memory>
#include <optional>

// Helpers for the main window's tests: every test starts with no stored settings and no
// history, in Qt's test folders rather than the user's own, and loads the tests' own small
// dictionary (tests/fixture) from a program folder of its own.
namespace quillet::testing {

inline void UseTestFolders()
{
    QStandardPaths::setTestModeEnabled(true);
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

} // namespace quillet::testing
