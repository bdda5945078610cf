// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictTable.h"
#include "core/terms/PersonalWords.h"
#include "core/terms/TermsTexts.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace quillet {

// What the window works on.
struct MyTermsInputs {
    PersonalWords &words;      // changed in place, each change written at once
    QStringList history;       // the searched words, for their flash cards
    const DictTable &table;    // their translations
    bool english = true;       // the interface language
    std::optional<PersonalTerm> proposed = {}; // a pair to add, its fields filled in
};

// My terms (add, edit, delete, import, export) and My list (remove, export as flash
// cards) in one window.
class MyTermsWindow : public QDialog {
    Q_OBJECT
public:
    explicit MyTermsWindow(MyTermsInputs inputs, QWidget *parent = nullptr);

    // Asks for a file to read (saving false) or write; a file dialog unless a test
    // replaces it. An empty answer is no file.
    std::function<QString(bool saving, const QString &title, const QString &filter)> chooseFile;

    void addClicked();
    void saveClicked();
    void deleteClicked();
    void importClicked();
    void exportClicked();
    void removeKeptClicked();
    void exportKeptCards();
    void exportHistoryCards();

    QTabWidget *tabs = nullptr;
    QTableWidget *termsTable = nullptr;
    QLineEdit *headwordEdit = nullptr;
    QLineEdit *translationEdit = nullptr;
    QComboBox *directionBox = nullptr;
    QLineEdit *noteEdit = nullptr;
    QPushButton *addButton = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *importButton = nullptr;
    QPushButton *exportButton = nullptr;
    QCheckBox *replaceCheck = nullptr;
    QTableWidget *keptTable = nullptr;
    QPushButton *removeButton = nullptr;
    QPushButton *keptCardsButton = nullptr;
    QPushButton *historyCardsButton = nullptr;
    QPushButton *closeButton = nullptr;
    QLabel *status = nullptr;

private:
    QString text(TermsText which) const { return TextOf(which, inputs_.english); }
    QWidget *createTermsPage();
    QWidget *createKeptPage();
    void connectControls();
    void showTerms(qsizetype select = -1);
    void showKept();
    void showPicked();
    PersonalTerm termInFields() const;
    static qsizetype pickedRow(const QTableWidget *table);
    // Says the outcome: `done` when `problem` is empty, else what went wrong.
    void tell(const BilingualText &problem, TermsText done);
    // The row picked in the table; nullopt, and the user told to choose one, when none is.
    std::optional<qsizetype> pickedOrTold(const QTableWidget *table);
    // After a change of My terms: the table shows the list as it is now (read again when
    // another program changed the file), row `select` picked when the change was made,
    // and the outcome is told.
    void showTermsChange(const BilingualText &problem, qsizetype select, TermsText done);
    void exportCards(const QByteArray &csv);

    MyTermsInputs inputs_;
};

} // namespace quillet
