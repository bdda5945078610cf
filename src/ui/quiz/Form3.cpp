// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/quiz/Form3.h"

#include "core/app/SettingsValues.h"
#include "ui/common/ArialFont.h"
#include "ui/common/CaptionedCombo.h"
#include "ui/common/ScreenTwips.h"
#include "ui/quiz/Form3Layout.h"
#include "core/quiz/QuizTexts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

void SetTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void ShowMessageBox(QWidget *owner, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
    box.exec();
}

// Places the window's controls from their twips at the given dots per inch.

} // namespace

Form3::Form3(Form3Inputs inputs, QWidget *parent)
    : QDialog(parent), inputs_(std::move(inputs)), game_(inputs_.table, inputs_.score)
{
    showMessage = [this](const QString &title, const QString &text) { ShowMessageBox(this, title, text); };
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    createControls();
    Form_Load();
    connect(Combo1, &QComboBox::currentIndexChanged, this, &Form3::Combo1_Click);
    connect(Combo2, &QComboBox::currentIndexChanged, this, &Form3::Combo2_Click);
    connect(Combo3, &QComboBox::currentIndexChanged, this, &Form3::Combo3_Click);
    connect(Choose, &QPushButton::clicked, this, &Form3::Choose_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &Form3::List1_DblClick);
    List1->installEventFilter(this);
}

void Form3::createControls()
{
    const TwipsPlacer at(*this);
    setFixedSize(at.size(quizlayout::ClientSize));
    // The controls are sized for a small Arial; fontconfig substitutes a metric-compatible
    // sans where it is absent.
    setFont(ArialFont(8.25));

    const auto label = [this, &at](const QRect &twips) { return at.place(new QLabel(this), twips); };
    const auto list = [this, &at](const QRect &twips) { return at.place(new QListWidget(this), twips); };
    Label1[0] = label(quizlayout::Label1Word);
    Label1[1] = label(quizlayout::Label1Answers);
    Label1[2] = label(quizlayout::Label1Level);
    Label1[3] = label(quizlayout::Label1Direction);
    Label2 = label(quizlayout::Label2);
    Label2->setAutoFillBackground(true);
    QPalette white = Label2->palette();
    white.setColor(QPalette::Window, Qt::white);
    Label2->setPalette(white);
    Label3[0] = label(quizlayout::Label3Wrong);
    Label3[1] = label(quizlayout::Label3Good);
    Label4 = label(quizlayout::Label4);
    Label4->setFont(ArialFont(9, true));

    Combo1 = at.place(new QComboBox(this), quizlayout::Combo1);
    Combo2 = at.place(new QComboBox(this), quizlayout::Combo2);
    Label5 = label(quizlayout::Label5Source);
    Combo3 = at.place(new QComboBox(this), quizlayout::Combo3);
    for (QComboBox *combo : {Combo1, Combo2, Combo3})
        NameByCaption(combo);
    List1 = list(quizlayout::List1);
    List3 = list(quizlayout::List3);
    List2 = list(quizlayout::List2);
    Choose = at.place(new QPushButton(this), quizlayout::Choose);
    Choose->setAutoDefault(false);

    SetTextColour(Label3[1], Blue);
    SetTextColour(List3, Blue);
    SetTextColour(Label3[0], Red);
    SetTextColour(List2, Red);

    // A long answer is cut short with "..." and shown whole in its tip: a horizontal
    // scroll bar would cover the last of the nine answers.
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setTextElideMode(Qt::ElideRight);
}

void Form3::Form_Load()
{
    applyTexts();
    setWindowTitle(inputs_.caption);
    game_.setDifficulty(QuizGame::OpeningDifficulty);
    Combo1->addItems({u"1"_s, u"2"_s, u"3"_s});
    Combo1->setCurrentIndex(2);
    Combo2->addItems({u"re"_s, u"er"_s});
    Combo2->setCurrentIndex(0);
    Combo3->addItem(QuizSourceName(QuizSource::Dictionary, inputs_.english));
    for (const auto &[source, table] : inputs_.otherSources)
        Combo3->addItem(QuizSourceName(source, inputs_.english));
    DrawQuestion();
}

void Form3::applyTexts()
{
    for (const QuizText &row : QuizTextRows()) {
        const QString text = row.text(inputs_.english);
        switch (row.target) {
        case QuizTextTarget::Label1_3_Caption: Label1[3]->setText(text); break;
        case QuizTextTarget::Label1_2_Caption: Label1[2]->setText(text); break;
        case QuizTextTarget::Label1_1_Caption: Label1[1]->setText(text); break;
        case QuizTextTarget::Label1_0_Caption: Label1[0]->setText(text); break;
        case QuizTextTarget::Choose_Caption: Choose->setText(text); break;
        case QuizTextTarget::Label3_1_Caption: Label3[1]->setText(text); break;
        case QuizTextTarget::Label3_0_Caption: Label3[0]->setText(text); break;
        case QuizTextTarget::List1_ToolTip: List1->setToolTip(text); break;
        }
    }
    // Assistive technology names the choices and lists by their captions.
    const auto name = [this](QWidget *control, QuizTextTarget caption) {
        control->setAccessibleName(AccessibleNameOf(caption, inputs_.english));
    };
    name(Combo2, QuizTextTarget::Label1_3_Caption);
    name(Combo2->view(), QuizTextTarget::Label1_3_Caption);
    name(Combo1, QuizTextTarget::Label1_2_Caption);
    name(Combo1->view(), QuizTextTarget::Label1_2_Caption);
    Label5->setText(QuizSourceCaption(inputs_.english));
    Combo3->setAccessibleName(QString(QuizSourceCaption(inputs_.english)).remove(u':'));
    Combo3->view()->setAccessibleName(Combo3->accessibleName());
    name(List1, QuizTextTarget::Label1_1_Caption);
    name(List3, QuizTextTarget::Label3_1_Caption);
    name(List2, QuizTextTarget::Label3_0_Caption);
}

void Form3::Combo1_Click()
{
    game_.setDifficulty(Combo1->currentText().toInt());
    Combo3_Click();
}

void Form3::Combo2_Click()
{
    Combo3_Click();
}

void Form3::Combo3_Click()
{
    const int chosen = Combo3->currentIndex() - 1;
    if (chosen >= 0 && chosen < int(inputs_.otherSources.size())) {
        const auto &[source, table] = inputs_.otherSources[std::size_t(chosen)];
        const int available = QuizCandidatesIn(*table, QuizDirection(Combo2->currentText()));
        if (available >= game_.CandidatesNeeded()) {
            game_.setTable(*table);
            DrawQuestion();
            return;
        }
        showMessage(inputs_.programTitle,
                    TooFewWordsMessage(source, available, game_.CandidatesNeeded(), inputs_.english));
        const QSignalBlocker quiet(Combo3);
        Combo3->setCurrentIndex(0);
    }
    game_.setTable(inputs_.table);
    DrawQuestion();
}

void Form3::DrawQuestion()
{
    QuizEngine engine = newEngine();
    const QuizQuestion &question = game_.DrawQuestion(QuizDirection(Combo2->currentText()), engine);
    List1->clear();
    // An answer too long for its line shows whole in its tip; the others keep the list's tip.
    const QFontMetrics metrics(List1->font());
    const int room = List1->viewport()->width() - 2 * List1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) - 4;
    for (const QString &answer : question.Answers()) {
        auto *item = new QListWidgetItem(answer, List1); // the list takes ownership of the item
        if (metrics.horizontalAdvance(answer) > room)
            item->setToolTip(answer);
    }
    Label2->setText(question.Word());
}

std::optional<int> Form3::selectedAnswer() const
{
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return List1->row(selected.first());
}

void Form3::Choose_Click()
{
    const QString line = game_.question().HistoryLine();
    const QuizGame::Verdict verdict = game_.Answer(selectedAnswer());
    if (verdict == QuizGame::Verdict::NoAnswer) {
        showMessage(inputs_.programTitle, ChooseAnswerFirstMessage(inputs_.english));
        return;
    }
    const bool correct = verdict == QuizGame::Verdict::Correct;
    record(correct ? List3 : List2, line);
    SetTextColour(Label4, correct ? Blue : Red);
    Label4->setText(game_.score().ScoreLine(inputs_.lblPuncte, inputs_.lblPuncte1));
    DrawQuestion();
}

void Form3::List1_DblClick()
{
    Choose_Click();
}

bool Form3::List1_KeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    Choose_Click();
    return true;
}

bool Form3::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier)
            return List1_KeyDown(key->key());
    }
    return QDialog::eventFilter(watched, event);
}

// Appends a history line and selects it, which brings it into view.
void Form3::record(QListWidget *list, const QString &line)
{
    list->addItem(line);
    list->setCurrentRow(list->count() - 1);
    list->scrollToItem(list->currentItem());
}

} // namespace quillet
