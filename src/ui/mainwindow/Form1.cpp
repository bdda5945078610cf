// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/Form1.h"

#include "ui/bus/LookupPopup.h"
#include "ui/lookup/DropDownList.h"
#include "ui/lookup/QueryBox.h"
#include "ui/lookup/ResultList.h"
#include "ui/common/ArialFont.h"
#include "ui/mainwindow/ClickLabel.h"
#include "ui/mainwindow/Form1Layout.h"
#include "ui/mainwindow/HoverColours.h"
#include "core/lookup/Shortcuts.h"
#include "core/mainwindow/InterfaceTexts.h"
#include "ui/mainwindow/Pictures.h"

#include <QAction>
#include <QKeySequence>
#include <QEvent>
#include <QHeaderView>
#include <QMenu>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// The window's Arial; fontconfig substitutes a metric-compatible sans where it is absent.
void SetTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void SetOpaqueBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

const QColor ListHeadingBlue(128, 128, 255);

QAction *AddItem(QMenu *menu, const QString &caption, bool checkable = false, bool checked = false)
{
    QAction *action = menu->addAction(caption);
    action->setCheckable(checkable);
    action->setChecked(checked);
    return action;
}

} // namespace

Form1::Form1(Form1Setup setup, QWidget *parent)
    : QWidget(parent), setup_(std::move(setup)), DictTable_(std::make_unique<DictTable>()),
      personal_(setup_.personalFiles.value_or(PersonalWordFiles::InDataFolder()))
{
    setWindowTitle(u"Quillet"_s);
    setFixedSize(layout::ClientSize);
    presentAsFrame();
    createControls();
    createMenus();
    connectHandlers();
    connectLookupHandlers();
    connectTermsHandlers();
    setUpFrame();
    connectHoverHandlers();
    connectSplitWordHandlers();
    connectClipboardHandlers();
    connectShortcuts();
    setUpKeyboardAccess();
}

Form1::~Form1()
{
    // The controls live on while QWidget's destructor closes the window, and the focus
    // they lose then would call the drop-down lists' handlers on a Form1 already gone.
    for (const QObject *control : findChildren<QObject *>())
        disconnect(control, nullptr, this, nullptr);
}

void Form1::createControls()
{
    createTitleBar();
    createQueryRow();
    createLists();
    // The History and Split labels overlap the first list's heading; they lie above it,
    // so the whole of each answers a click.
    Label1[1]->raise();
    Label1[2]->raise();

    Label5 = new QLabel(this);
    Label5->setGeometry(layout::Label5);
    SetOpaqueBackground(Label5, QColor(192, 192, 255));
    Label5->lower();

    Text3 = new QLineEdit(this);
    Text3->setGeometry(layout::Text3);
    Text3->setReadOnly(true);
    Text3->setAlignment(Qt::AlignCenter);
    Text3->setFocusPolicy(Qt::NoFocus);
    Text3->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
}

void Form1::createTitleBar()
{
    Label4 = new ClickLabel(this);
    Label4->setGeometry(layout::Label4);
    Label4->setFont(ArialFont(9.75, true));
    SetTextColour(Label4, Qt::white);

    const auto picture = [this](Picture kind, const QRect &place, const QString &tip) {
        auto *button = new ClickLabel(this);
        // A button from the start: asked for before, it would stay a plain picture.
        button->setControlRole(QAccessible::Button);
        button->setGeometry(place);
        button->setPixmap(DrawPicture(kind, place.width()));
        button->setToolTip(tip);
        button->setCursor(Qt::PointingHandCursor);
        return button;
    };
    // The tips come with the interface language.
    Image2 = picture(Picture::Minimise, layout::Image2, {});
    Image4 = picture(Picture::Close, layout::Image4, {});
    Image1 = picture(Picture::Help, layout::Image1, {});
    ImgSearch = picture(Picture::Search, layout::ImgSearch, {});
    Image3 = picture(Picture::Paste, layout::Image3, {});
}

void Form1::createQueryRow()
{
    Find = new QLabel(this);
    Find->setGeometry(layout::Find);
    Find->setFont(ArialFont(9.75, true));
    Find->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetTextColour(Find, QColor(64, 64, 64));

    Text1 = new QueryBox(this);
    Text1->setGeometry(layout::Text1);
    Text1->setFont(ArialFont(9.75));
    Find->setBuddy(Text1);

    const std::array<QRect, 3> linkPlaces{layout::Label1Options, layout::Label1Split,
                                          layout::Label1History};
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        Label1[i] = new ClickLabel(this);
        Label1[i]->setGeometry(linkPlaces[i]);
        Label1[i]->setFont(i == 0 ? ArialFont(9.75, true, true) : ArialFont(8.25, false, true));
        Label1[i]->setCursor(Qt::PointingHandCursor);
        SetTextColour(Label1[i], hover::InitialDarkBlue);
    }
    Label1[0]->setAlignment(Qt::AlignCenter);

    const std::array<QRect, 2> directionPlaces{layout::Label3EnglishRomanian,
                                               layout::Label3RomanianEnglish};
    for (std::size_t i = 0; i < Label3.size(); ++i) {
        Label3[i] = new ClickLabel(this);
        Label3[i]->setGeometry(directionPlaces[i]);
        Label3[i]->setFont(ArialFont(9.75, true));
        Label3[i]->setAlignment(Qt::AlignCenter);
        Label3[i]->setCursor(Qt::PointingHandCursor);
        SetOpaqueBackground(Label3[i], Qt::white);
        SetTextColour(Label3[i], hover::InitialDarkBlue);
    }
    // English to Romanian is selected until the stored settings say otherwise.
    Label3[0]->setBorderStyle(1);
    Label3[1]->setBorderStyle(0);
}

void Form1::createLists()
{
    const std::array<QRect, 4> labelPlaces{layout::Label2StartingHeading, layout::Label2ContainingHeading,
                                           layout::Label2StartingCount, layout::Label2ContainingCount};
    for (std::size_t i = 0; i < Label2.size(); ++i) {
        Label2[i] = new QLabel(this);
        Label2[i]->setGeometry(labelPlaces[i]);
        Label2[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (i >= 2)
            Label2[i]->setFont(ArialFont(9.75));
        SetTextColour(Label2[i], ListHeadingBlue);
    }

    const std::array<QRect, 2> listPlaces{layout::StartingList, layout::ContainingList};
    for (std::size_t i = 0; i < lv.size(); ++i) {
        lv[i] = new ResultList(this);
        lv[i]->setGeometry(listPlaces[i]);
    }

    const auto dropDown = [this](const QRect &place) {
        auto *list = new DropDownList(this);
        list->setGeometry(place);
        return list;
    };
    List2 = dropDown(layout::List2);
    List1 = dropDown(layout::List1);

    AdvancedSearchNote = new QLabel(this);
    AdvancedSearchNote->setGeometry(layout::AdvancedSearchNote);
    QFont italic = ArialFont(9.75);
    italic.setItalic(true);
    AdvancedSearchNote->setFont(italic);
    SetTextColour(AdvancedSearchNote, ListHeadingBlue);
}

void Form1::createMenus()
{
    // The Options label's: assistive technology finds the menu under the label.
    mnuOptions = new QMenu(u"Options"_s, Label1[0]);
    Label1[0]->setMenu(mnuOptions);
    mnuEngRom = AddItem(mnuOptions, u"English-Romanian Dictionary"_s, true, true);
    mnuRomEng = AddItem(mnuOptions, u"Romanian-English Dictionary"_s, true, false);
    mnuOptions->addSeparator();
    mnuSearchAsYouType = AddItem(mnuOptions, u"Search as you type"_s, true, true);
    mnuAdvancedSearch = AddItem(mnuOptions, u"Advanced search"_s, true, true);
    mnuIgnoreDiacritics = AddItem(mnuOptions, u"Ignore diacritics"_s, true, false);
    mnuWordForms = AddItem(mnuOptions, u"Word forms"_s, true, true);
    mnuOptions->addSeparator();
    mnuOptRom = AddItem(mnuOptions, RomanianInterfaceCaption.toString(), true, false);
    mnuOptEng = AddItem(mnuOptions, EnglishInterfaceCaption.toString(), true, true);
    mnuOptions->addSeparator();
    mnuGame = AddItem(mnuOptions, u"Game"_s);
    mnuMyTerms = AddItem(mnuOptions, u"My terms and My list..."_s);
    mnuSelectionKey = AddItem(mnuOptions, u"Look up from any program..."_s);
    mnuOptions->addSeparator();
    mnuExit = AddItem(mnuOptions, u"Exit"_s);

    // Never opened: its items are reached through their twins and the keyboard.
    mnuEdit = new QMenu(u"Edit"_s, this);
    mnuCopyRec = AddItem(mnuEdit, u"Copy selected record to Clipboard"_s);
    mnuCopyTranslation = AddItem(mnuEdit, u"Copy selected translation to Clipboard"_s);
    mnuPasteWord = AddItem(mnuEdit, u"Paste word from Clipboard"_s);
    mnuAbout = AddItem(mnuEdit, u"About"_s);

    mnuEdit2 = new QMenu(u"PopUp"_s, this);
    mnuCopyRec2 = AddItem(mnuEdit2, u"Copy selected record to clipboard"_s);
    mnuCopyTranslation2 = AddItem(mnuEdit2, u"Copy selected translation to clipboard"_s);
    mnuEdit2->addSeparator();
    mnuAddTerm = AddItem(mnuEdit2, u"Add to my terms..."_s);
    mnuKeep = AddItem(mnuEdit2, u"Add to My list"_s);
    applyShortcutLabels();
}

void Form1::connectHandlers()
{
    connect(Image1, &ClickLabel::clicked, this, &Form1::Image1_Click);
    connect(Image2, &ClickLabel::clicked, this, &Form1::Image2_Click);
    connect(Image4, &ClickLabel::clicked, this, &Form1::Image4_Click);
    connect(mnuExit, &QAction::triggered, this, &Form1::Image4_Click);

    for (int i = 0; i < int(Label1.size()); ++i) {
        connect(Label1[i], &ClickLabel::mouseDown, this,
                [this, i](Qt::MouseButton button, const QPoint &at) { Label1_MouseDown(i, button, at); });
        connect(Label1[i], &ClickLabel::clicked, this, [this, i] { Label1_Click(i); });
    }
    for (int i = 0; i < int(Label3.size()); ++i)
        connect(Label3[i], &ClickLabel::clicked, this, [this, i] { Label3_Click(i); });

    // A checkable item flips its own tick when chosen. The handlers set the ticks
    // themselves, from the state before the choice, so that flip is undone first.
    const auto connectItem = [this](QAction *item, void (Form1::*handler)()) {
        connect(item, &QAction::triggered, this, [this, item, handler](bool checked) {
            item->setChecked(!checked);
            (this->*handler)();
        });
    };
    connectItem(mnuEngRom, &Form1::mnuEngRom_Click);
    connectItem(mnuRomEng, &Form1::mnuRomEng_Click);
    connectItem(mnuSearchAsYouType, &Form1::mnuSearchAsYouType_Click);
    connectItem(mnuAdvancedSearch, &Form1::mnuAdvancedSearch_Click);
    connectItem(mnuIgnoreDiacritics, &Form1::mnuIgnoreDiacritics_Click);
    connectItem(mnuWordForms, &Form1::mnuWordForms_Click);
    connectItem(mnuOptRom, &Form1::mnuOptRom_Click);
    connectItem(mnuOptEng, &Form1::mnuOptEng_Click);
    connect(mnuGame, &QAction::triggered, this, &Form1::mnuGame_Click);
    connect(mnuSelectionKey, &QAction::triggered, this, &Form1::mnuSelectionKey_Click);

    connect(List2, &DropDownList::picked, this, &Form1::List2_Click);
    connect(List2, &DropDownList::lostFocus, this, &Form1::List2_LostFocus);
}

int Form1::CurrentDirection() const
{
    return Label3[0]->BorderStyle() == 1 ? DictTable::EnglishRomanian : DictTable::RomanianEnglish;
}

void Form1::Form_Resize()
{
    const bool advanced = mnuAdvancedSearch->isChecked();
    const layout::ColumnWidths starting = layout::StartingWithColumns(lv[0]->width());
    lv[0]->header()->resizeSection(0, int(starting.headword));
    lv[0]->header()->resizeSection(1, int(starting.translation));

    lv[1]->setVisible(advanced);
    Label2[1]->setVisible(advanced);
    Label2[3]->setVisible(advanced);
    // Off, a note takes the Containing list's place, so its results are not missed unawares.
    AdvancedSearchNote->setVisible(!advanced);
    if (!advanced) {
        lv[0]->resize(lv[0]->width(), layout::StartingListHeightAlone);
        return;
    }
    lv[0]->resize(lv[0]->width(), layout::StartingListHeightWithContaining);
    Label2[3]->move(Label2[3]->x(), Label2[1]->y() - 2);
    const layout::ColumnWidths containing = layout::ContainingColumns(lv[1]->width());
    lv[1]->header()->resizeSection(0, int(containing.headword));
    lv[1]->header()->resizeSection(1, int(containing.translation));
}

void Form1::ApplyInterfaceLanguage(bool isEnglish)
{
    for (const InterfaceText &row : InterfaceTextRows()) {
        const QString text = row.text(isEnglish);
        switch (row.target) {
        case TextTarget::Label3_0_Caption: Label3[0]->setText(text); break;
        case TextTarget::Label3_1_Caption: Label3[1]->setText(text); break;
        case TextTarget::Label3_0_ToolTip: Label3[0]->setToolTip(text); break;
        case TextTarget::Label3_1_ToolTip: Label3[1]->setToolTip(text); break;
        case TextTarget::ColumnHeadings: applyColumnHeadings(isEnglish); break;
        case TextTarget::Label2_0_Caption: Label2[0]->setText(text); break;
        case TextTarget::Label2_1_Caption: Label2[1]->setText(text); break;
        case TextTarget::mnuCopyRec_Caption: mnuCopyRec->setText(text); break;
        case TextTarget::mnuCopyTranslation_Caption: mnuCopyTranslation->setText(text); break;
        case TextTarget::mnuSearchAsYouType_Caption: mnuSearchAsYouType->setText(text); break;
        case TextTarget::mnuOptions_Caption:
            mnuOptions->setTitle(text);
            mnuOptions->setAccessibleName(text);
            break;
        case TextTarget::mnuEdit_Caption:
            mnuEdit->setTitle(text);
            mnuEdit2->setAccessibleName(text); // the result lists' menu of its copy items
            break;
        case TextTarget::PasteTitle: PasteTitle = text; break;
        case TextTarget::mnuPasteWord_Caption: mnuPasteWord->setText(text); break;
        case TextTarget::ImgSearch_ToolTip: ImgSearch->setToolTip(text); break;
        case TextTarget::mnuEngRom_Caption: mnuEngRom->setText(text); break;
        case TextTarget::mnuRomEng_Caption: mnuRomEng->setText(text); break;
        case TextTarget::mnuAbout_Caption: mnuAbout->setText(text); break;
        case TextTarget::Find_Caption: Find->setText(text); break;
        case TextTarget::mnuAdvancedSearch_Caption: mnuAdvancedSearch->setText(text); break;
        case TextTarget::Label1_0_Caption: Label1[0]->setText(text); break;
        case TextTarget::Label1_0_ToolTip: Label1[0]->setToolTip(text); break;
        case TextTarget::mnuGame_Caption: mnuGame->setText(text); break;
        case TextTarget::mnuSelectionKey_Caption: mnuSelectionKey->setText(text); break;
        case TextTarget::Label1_1_Caption: Label1[1]->setText(text); break;
        case TextTarget::Label1_1_ToolTip: Label1[1]->setToolTip(text); break;
        case TextTarget::Label1_2_Caption: Label1[2]->setText(text); break;
        case TextTarget::Label1_2_ToolTip: Label1[2]->setToolTip(text); break;
        case TextTarget::lblPuncte: lblPuncte = text; break;
        case TextTarget::lblPuncte1: lblPuncte1 = text; break;
        case TextTarget::mnuExit_Caption: mnuExit->setText(text); break;
        case TextTarget::mnuCopyRec2_FromCopyRec: mnuCopyRec2->setText(mnuCopyRec->text()); break;
        case TextTarget::mnuCopyTranslation2_FromCopyTranslation:
            mnuCopyTranslation2->setText(mnuCopyTranslation->text());
            break;
        case TextTarget::mnuIgnoreDiacritics_Caption: mnuIgnoreDiacritics->setText(text); break;
        case TextTarget::mnuWordForms_Caption: mnuWordForms->setText(text); break;
        case TextTarget::mnuMyTerms_Caption: mnuMyTerms->setText(text); break;
        case TextTarget::mnuAddTerm_Caption: mnuAddTerm->setText(text); break;
        case TextTarget::mnuKeep_Caption: mnuKeep->setText(text); break;
        case TextTarget::AdvancedSearchOffNote:
            AdvancedSearchNote->setText(
                text.arg(QKeySequence(*ShortcutLabel(ShortcutCommand::AdvancedSearch)).toString(QKeySequence::NativeText)));
            break;
        case TextTarget::Label4_Caption:
            Label4->setText(text + u" ver. "_s + QString::number(QUILLET_VERSION_MAJOR) + u"."_s
                            + QString::number(QUILLET_VERSION_MINOR));
            break;
        case TextTarget::Image1_ToolTip: Image1->setToolTip(text); break;
        case TextTarget::Image2_ToolTip: Image2->setToolTip(text); break;
        case TextTarget::Image4_ToolTip: Image4->setToolTip(text); break;
        case TextTarget::LoadingText: Text3->setAccessibleName(text); break;
        // Read where they are shown, in the language then in force.
        case TextTarget::BaseFormsTitle:
        case TextTarget::NearMissesTitle:
        case TextTarget::OtherCaseTitle:
        case TextTarget::FoundInEnglishRomanian:
        case TextTarget::FoundInRomanianEnglish:
        case TextTarget::LoadFailedText:
        case TextTarget::SelectionKeyText:
        case TextTarget::SelectionKeyOffer:
        case TextTarget::SelectionKeyAccept:
        case TextTarget::SelectionKeyDecline:
        case TextTarget::SelectionKeyDescription:
        case TextTarget::SelectionKeyBound:
        case TextTarget::SelectionKeyCancelled:
        case TextTarget::SelectionKeyRefused:
        case TextTarget::AddWordNotice:
        case TextTarget::PersonalRowTip:
            break;
        }
    }
    // The counts under the lists speak the new language at once.
    showCounts();
    fitCaptions();
    applyAccessibleTexts(isEnglish);
}

bool Form1::inEnglish() const
{
    return mnuOptEng->isChecked();
}

void Form1::applyColumnHeadings(bool isEnglish)
{
    const auto [first, second] = ColumnHeadings(isEnglish, mnuRomEng->isChecked());
    for (ResultList *list : lv)
        list->setHeaderLabels({first, second});
}

void Form1::mnuOptEng_Click()
{
    languageChosen_ = true;
    mnuOptEng->setChecked(!mnuOptEng->isChecked());
    mnuOptRom->setChecked(!mnuOptEng->isChecked());
    ApplyInterfaceLanguage(mnuOptEng->isChecked());
}

void Form1::mnuOptRom_Click()
{
    languageChosen_ = true;
    mnuOptRom->setChecked(true);
    mnuOptEng->setChecked(!mnuOptRom->isChecked());
    ApplyInterfaceLanguage(mnuOptEng->isChecked());
}

// The four carriers of the direction, always set together: both menu ticks, then both
// label borders.
void Form1::markDirection(int d)
{
    const bool englishRomanian = d == DictTable::EnglishRomanian;
    mnuRomEng->setChecked(!englishRomanian);
    mnuEngRom->setChecked(englishRomanian);
    Label3[0]->setBorderStyle(englishRomanian ? 1 : 0);
    Label3[1]->setBorderStyle(englishRomanian ? 0 : 1);
}

// A direction chosen from the menu or with its key: the lists and their headings follow
// at once; the focus stays where it is. The direction already chosen changes nothing.
void Form1::changeDirection(int d)
{
    const bool changed = d != CurrentDirection();
    markDirection(d);
    if (changed)
        showDirection();
}

void Form1::showDirection()
{
    const QString query = Text1->text().trimmed();
    if (query.isEmpty())
        showFirstEntries();
    else
        RunSearch(query);
    applyColumnHeadings(inEnglish());
}

// Without a query, the lists show the direction's first entries, as at start.
void Form1::showFirstEntries()
{
    Label2[2]->clear();
    Label2[3]->clear();
    counts_.reset();
    otherDirectionOffered_ = 0;
    copyChoice_.pickForgotten();
    fillFirstList(CurrentDirection());
    lv[1]->clear();
}

void Form1::Label3_Click(int index)
{
    markDirection(index != 0 ? DictTable::RomanianEnglish : DictTable::EnglishRomanian);
    Text1->setFocus();
    // A blank query searches nothing: the lists show the new direction's first entries.
    if (Text1->text().trimmed().isEmpty())
        showFirstEntries();
    ImgSearch_Click();
    ApplyInterfaceLanguage(mnuOptEng->isChecked());
}

void Form1::Label1_MouseDown(int index, Qt::MouseButton button, const QPoint &globalPosition)
{
    (void)button;
    Label1[index]->setForeColor(hover::PressedCyan);
    if (index == 0)
        mnuOptions->popup(globalPosition);
}

void Form1::mnuEngRom_Click()
{
    changeDirection(DictTable::EnglishRomanian);
}

void Form1::mnuRomEng_Click()
{
    changeDirection(DictTable::RomanianEnglish);
}

void Form1::mnuSearchAsYouType_Click()
{
    mnuSearchAsYouType->setChecked(!mnuSearchAsYouType->isChecked());
}

void Form1::mnuAdvancedSearch_Click()
{
    mnuAdvancedSearch->setChecked(!mnuAdvancedSearch->isChecked());
    Form_Resize();
}

void Form1::mnuIgnoreDiacritics_Click()
{
    mnuIgnoreDiacritics->setChecked(!mnuIgnoreDiacritics->isChecked());
    // The lists show at once what the query finds under the new rule.
    const QString query = Text1->text().trimmed();
    if (!query.isEmpty())
        RunSearch(query);
}

void Form1::Image2_Click()
{
    setWindowState(windowState() | Qt::WindowMinimized);
}

void Form1::Image4_Click()
{
    close();
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_GotFocus();
    if (event->type() == QEvent::WindowStateChange && !(windowState() & Qt::WindowMinimized))
        Form_Resize();
}

} // namespace quillet
