// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/terms/MyTermsWindow.h"

#include "core/terms/FlashCards.h"
#include "core/terms/TermExchange.h"
#include "ui/common/CaptionedCombo.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// At most this many refused records are listed under an import's counts.
constexpr qsizetype RefusedShown = 12;

constexpr std::array<TermDirection, 3> Directions{TermDirection::EnglishRomanian, TermDirection::RomanianEnglish,
                                                  TermDirection::Both};

QTableWidget *NewTable(QWidget *parent, const QStringList &headings, const QString &name)
{
    auto *table = new QTableWidget(0, int(headings.size()), parent);
    table->setHorizontalHeaderLabels(headings);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setObjectName(name);
    table->setAccessibleName(name);
    return table;
}

void SetRow(QTableWidget *table, int row, const QStringList &cells)
{
    for (int column = 0; column < cells.size(); ++column)
        table->setItem(row, column, new QTableWidgetItem(cells[column])); // the table owns the item
}

template <typename Control>
Control *Named(Control *control, const QString &name)
{
    control->setObjectName(name);
    control->setAccessibleName(QString(name).remove(u'&'));
    return control;
}

} // namespace

MyTermsWindow::MyTermsWindow(MyTermsInputs inputs, QWidget *parent) : QDialog(parent), inputs_(std::move(inputs))
{
    chooseFile = [this](bool saving, const QString &title, const QString &filter) {
        return saving ? QFileDialog::getSaveFileName(this, title, {}, filter)
                      : QFileDialog::getOpenFileName(this, title, {}, filter);
    };
    setWindowTitle(text(TermsText::WindowTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(640, 460);
    tabs = new QTabWidget(this);
    tabs->setObjectName(u"tabs"_s);
    tabs->addTab(createTermsPage(), text(TermsText::TermsTab));
    tabs->addTab(createKeptPage(), text(TermsText::KeptTab));
    status = Named(new QLabel(this), text(TermsText::StatusName));
    status->setWordWrap(true);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    closeButton = Named(new QPushButton(text(TermsText::CloseButton), this), text(TermsText::CloseButton));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(status, 1);
    bottom->addWidget(closeButton, 0, Qt::AlignBottom);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(bottom);
    connectControls();
    showTerms();
    showKept();
    if (inputs_.proposed) {
        headwordEdit->setText(inputs_.proposed->headword);
        translationEdit->setText(inputs_.proposed->translation);
        directionBox->setCurrentIndex(int(inputs_.proposed->direction));
        noteEdit->setText(inputs_.proposed->note);
    }
    // Typing starts in the field the pair still needs.
    (inputs_.proposed && !inputs_.proposed->headword.isEmpty() && inputs_.proposed->translation.isEmpty()
         ? translationEdit
         : headwordEdit)
        ->setFocus();
    for (const BilingualText *damage : {&inputs_.words.termsDamage(), &inputs_.words.keptDamage()})
        if (!damage->isEmpty())
            tell(*damage, TermsText::Saved);
}

QWidget *MyTermsWindow::createTermsPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(text(TermsText::TermsTab));
    termsTable = NewTable(page, {text(TermsText::HeadwordColumn), text(TermsText::TranslationColumn),
                                 text(TermsText::DirectionColumn), text(TermsText::NoteColumn)},
                          text(TermsText::TermsTableName));
    const auto edit = [&](TermsText label) { return Named(new QLineEdit(page), text(label).remove(u':')); };
    headwordEdit = edit(TermsText::HeadwordLabel);
    translationEdit = edit(TermsText::TranslationLabel);
    noteEdit = edit(TermsText::NoteLabel);
    for (QLineEdit *field : {headwordEdit, translationEdit, noteEdit})
        field->setMaxLength(int(TermBounds::MaxFieldChars));
    auto *direction = new QComboBox(page);
    NameByCaption(direction); // before it is named: naming it makes what assistive technology sees of it
    directionBox = Named(direction, text(TermsText::DirectionLabel).remove(u':'));
    directionBox->view()->setAccessibleName(directionBox->accessibleName());
    for (const TermsText name : {TermsText::EnglishRomanian, TermsText::RomanianEnglish, TermsText::BothDirections})
        directionBox->addItem(text(name));
    auto *form = new QFormLayout;
    form->addRow(text(TermsText::HeadwordLabel), headwordEdit);
    form->addRow(text(TermsText::TranslationLabel), translationEdit);
    form->addRow(text(TermsText::DirectionLabel), directionBox);
    form->addRow(text(TermsText::NoteLabel), noteEdit);

    const auto button = [&](TermsText caption) { return Named(new QPushButton(text(caption), page), text(caption)); };
    addButton = button(TermsText::AddButton);
    addButton->setDefault(true);
    saveButton = button(TermsText::SaveButton);
    deleteButton = button(TermsText::DeleteButton);
    importButton = button(TermsText::ImportButton);
    exportButton = button(TermsText::ExportButton);
    replaceCheck = Named(new QCheckBox(text(TermsText::ReplaceCheck), page), text(TermsText::ReplaceCheck));
    auto *edits = new QHBoxLayout;
    for (QPushButton *b : {addButton, saveButton, deleteButton})
        edits->addWidget(b);
    edits->addStretch();
    auto *exchange = new QHBoxLayout;
    exchange->addWidget(importButton);
    exchange->addWidget(replaceCheck);
    exchange->addStretch();
    exchange->addWidget(exportButton);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(termsTable, 1);
    layout->addLayout(form);
    layout->addLayout(edits);
    layout->addLayout(exchange);
    return page;
}

QWidget *MyTermsWindow::createKeptPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(text(TermsText::KeptTab));
    keptTable = NewTable(page, {text(TermsText::DirectionColumn), text(TermsText::HeadwordColumn),
                                text(TermsText::TranslationColumn), text(TermsText::AddedColumn)},
                         text(TermsText::KeptTableName));
    const auto button = [&](TermsText caption) { return Named(new QPushButton(text(caption), page), text(caption)); };
    removeButton = button(TermsText::RemoveButton);
    keptCardsButton = button(TermsText::KeptCardsButton);
    historyCardsButton = button(TermsText::HistoryCardsButton);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(removeButton);
    buttons->addStretch();
    buttons->addWidget(keptCardsButton);
    buttons->addWidget(historyCardsButton);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(keptTable, 1);
    layout->addLayout(buttons);
    return page;
}

void MyTermsWindow::connectControls()
{
    connect(addButton, &QPushButton::clicked, this, &MyTermsWindow::addClicked);
    connect(saveButton, &QPushButton::clicked, this, &MyTermsWindow::saveClicked);
    connect(deleteButton, &QPushButton::clicked, this, &MyTermsWindow::deleteClicked);
    connect(importButton, &QPushButton::clicked, this, &MyTermsWindow::importClicked);
    connect(exportButton, &QPushButton::clicked, this, &MyTermsWindow::exportClicked);
    connect(removeButton, &QPushButton::clicked, this, &MyTermsWindow::removeKeptClicked);
    connect(keptCardsButton, &QPushButton::clicked, this, &MyTermsWindow::exportKeptCards);
    connect(historyCardsButton, &QPushButton::clicked, this, &MyTermsWindow::exportHistoryCards);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(termsTable, &QTableWidget::itemSelectionChanged, this, &MyTermsWindow::showPicked);
}

namespace {

QString DirectionName(TermDirection direction, bool english)
{
    switch (direction) {
    case TermDirection::EnglishRomanian: return TextOf(TermsText::EnglishRomanian, english);
    case TermDirection::RomanianEnglish: return TextOf(TermsText::RomanianEnglish, english);
    case TermDirection::Both: return TextOf(TermsText::BothDirections, english);
    }
    return {};
}

} // namespace

void MyTermsWindow::showTerms(qsizetype select)
{
    const std::vector<PersonalTerm> &terms = inputs_.words.terms().terms();
    const QSignalBlocker quiet(termsTable);
    termsTable->setRowCount(int(terms.size()));
    for (int row = 0; row < int(terms.size()); ++row) {
        const PersonalTerm &term = terms[std::size_t(row)];
        SetRow(termsTable, row, {term.headword, term.translation, DirectionName(term.direction, inputs_.english),
                                 term.note});
    }
    termsTable->clearSelection();
    if (select >= 0 && select < qsizetype(terms.size())) {
        termsTable->selectRow(int(select));
        termsTable->scrollToItem(termsTable->item(int(select), 0));
    }
}

void MyTermsWindow::showKept()
{
    const std::vector<KeptEntry> &entries = inputs_.words.kept().entries();
    keptTable->setRowCount(int(entries.size()));
    for (int row = 0; row < int(entries.size()); ++row) {
        const KeptEntry &entry = entries[std::size_t(row)];
        const TermDirection direction = entry.direction == DictTable::RomanianEnglish ? TermDirection::RomanianEnglish
                                                                                      : TermDirection::EnglishRomanian;
        SetRow(keptTable, row, {DirectionName(direction, inputs_.english), entry.headword, entry.translation,
                                QLocale(inputs_.english ? QLocale::English : QLocale::Romanian)
                                    .toString(entry.added, QLocale::ShortFormat)});
    }
}

void MyTermsWindow::showPicked()
{
    const qsizetype i = pickedRow(termsTable);
    if (i < 0)
        return;
    const PersonalTerm &term = inputs_.words.terms().terms()[std::size_t(i)];
    headwordEdit->setText(term.headword);
    translationEdit->setText(term.translation);
    directionBox->setCurrentIndex(int(term.direction));
    noteEdit->setText(term.note);
}

PersonalTerm MyTermsWindow::termInFields() const
{
    return {headwordEdit->text(), translationEdit->text(), Directions[std::size_t(directionBox->currentIndex())],
            noteEdit->text()};
}

qsizetype MyTermsWindow::pickedRow(const QTableWidget *table)
{
    const QList<QTableWidgetItem *> picked = table->selectedItems();
    return picked.isEmpty() ? -1 : picked.front()->row();
}

std::optional<qsizetype> MyTermsWindow::pickedOrTold(const QTableWidget *table)
{
    const qsizetype row = pickedRow(table);
    if (row >= 0)
        return row;
    tell({}, TermsText::NothingChosen);
    return std::nullopt;
}

void MyTermsWindow::tell(const BilingualText &problem, TermsText done)
{
    status->setText(problem.isEmpty() ? text(done) : text(TermsText::NotDone).arg(problem.in(inputs_.english)));
}

void MyTermsWindow::showTermsChange(const BilingualText &problem, qsizetype select, TermsText done)
{
    showTerms(problem.isEmpty() ? select : -1);
    tell(problem, done);
}

void MyTermsWindow::addClicked()
{
    const PersonalTerm term = termInFields();
    if (inputs_.words.terms().contains(PersonalTerm{term.headword.trimmed(), term.translation.trimmed(),
                                                    term.direction, {}})) {
        tell({}, TermsText::AlreadyThere);
        return;
    }
    const BilingualText problem = inputs_.words.addTerm(term);
    showTermsChange(problem, inputs_.words.terms().size() - 1, TermsText::Added);
}

void MyTermsWindow::saveClicked()
{
    if (const auto i = pickedOrTold(termsTable)) {
        const BilingualText problem = inputs_.words.replaceTerm(*i, termInFields());
        showTermsChange(problem, *i, TermsText::Saved);
    }
}

void MyTermsWindow::deleteClicked()
{
    if (const auto i = pickedOrTold(termsTable))
        showTermsChange(inputs_.words.removeTerm(*i), -1, TermsText::Deleted);
}

void MyTermsWindow::importClicked()
{
    const QString path = chooseFile(false, text(TermsText::ImportTitle), u"TBX, CSV, TSV (*.tbx *.xml *.csv *.tsv *.txt)"_s);
    if (path.isEmpty())
        return;
    TermList terms = inputs_.words.terms();
    const ImportReport report = ImportTerms(path, std::nullopt, terms, replaceCheck->isChecked());
    BilingualText problem = report.failure;
    if (problem.isEmpty() && (report.added > 0 || replaceCheck->isChecked()))
        problem = inputs_.words.setTerms(terms);
    showTerms();
    if (!problem.isEmpty())
        tell(problem, TermsText::Imported);
    else
        status->setText(text(TermsText::Imported).arg(report.summary(inputs_.english, RefusedShown)));
}

void MyTermsWindow::exportClicked()
{
    const QString path = chooseFile(true, text(TermsText::ExportTitle), u"TBX (*.tbx);;CSV (*.csv);;TSV (*.tsv)"_s);
    if (!path.isEmpty())
        tell(ExportTerms(path, std::nullopt, inputs_.words.terms()), TermsText::Exported);
}

void MyTermsWindow::removeKeptClicked()
{
    if (const auto i = pickedOrTold(keptTable)) {
        const BilingualText problem = inputs_.words.removeKept(*i);
        showKept();
        tell(problem, TermsText::Deleted);
    }
}

void MyTermsWindow::exportCards(const QByteArray &csv)
{
    const QString path = chooseFile(true, text(TermsText::CardsTitle), u"CSV (*.csv)"_s);
    if (!path.isEmpty())
        tell(WriteUserFile(path, csv), TermsText::Exported);
}

void MyTermsWindow::exportKeptCards()
{
    exportCards(FlashCardsCsv(KeptCards(inputs_.words.kept())));
}

void MyTermsWindow::exportHistoryCards()
{
    exportCards(FlashCardsCsv(HistoryCards(inputs_.table, inputs_.history)));
}

} // namespace quillet
