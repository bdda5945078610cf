// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the requests that come over the session bus: a word shown
// as if typed, a look-up answered as the command line answers it, and the look-up pop-up.
#include "ui/mainwindow/Form1.h"

#include "core/bus/GlobalShortcuts.h"
#include "core/bus/PopupText.h"
#include "core/bus/SelectionKeyTexts.h"
#include "core/mainwindow/InterfaceTexts.h"
#include "ui/bus/LookupPopup.h"
#include "ui/lookup/QueryBox.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// Where the pointer is, when the window system tells: not on Wayland, nor without a screen.
std::optional<QPoint> PointerPosition()
{
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith("wayland"_L1) || platform == "offscreen"_L1 || platform == "minimal"_L1)
        return std::nullopt;
    return QCursor::pos();
}

} // namespace

void Form1::RaiseWindow()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void Form1::ShowWord(const QString &word)
{
    RaiseWindow();
    Text1->setText(word);
    ImgSearch_Click();
    Text1->selectWholeText(); // the next word typed replaces it
}

LookupReport Form1::LookupForCaller(const LookupRequest &request)
{
    // The command line always offers the word's forms; so does its answer from here.
    if (!wordFormsLoaded_)
        readWordForms();
    // The user's own pairs lead the lists, as they do when the dictionary is loaded.
    LoadPersonalWords();
    refreshTermIndex();
    return MakeReport(*DictTable_, wordFinder_, request, &termIndex_);
}

void Form1::ShowPopup(const QString &word)
{
    LookupRequest request;
    request.word = word;
    // Both directions, as the word may come from a text in either language.
    request.diacritics = mnuIgnoreDiacritics->isChecked() ? Diacritics::Ignored : Diacritics::Distinct;
    const LookupReport report = LookupForCaller(request);
    AddToHistory(word);
    if (!popup_) {
        popup_ = std::make_unique<LookupPopup>();
        // The colours of the window's own tips.
        if (const QWidget *tip = MainTooltip.tipWindow()) {
            const QPalette colours = tip->palette();
            popup_->setColours(colours.color(QPalette::Window), colours.color(QPalette::WindowText));
        }
        connect(popup_.get(), &LookupPopup::openRequested, this, &Form1::ShowWord);
    }
    popup_->showFor(word, PopupText(report, inEnglish()), PointerPosition());
}

// A program cannot take a key for itself on every desktop (not under Wayland): the
// desktop's global shortcuts portal registers one where it runs, after the user agreed;
// elsewhere the desktop's own shortcut settings run the command.
void Form1::mnuSelectionKey_Click()
{
    const bool english = inEnglish();
    if (selectionKey_ == nullptr || !selectionKey_->available()) {
        showSelectionKeyMessage(ManualBindingText(english));
        return;
    }
    if (!askSelectionKey(KeyOfferText(english)))
        return;
    selectionKeyAsked_ = true;
    selectionKey_->bind(SelectionShortcut(english));
}

void Form1::offerSelectionKey(bus::GlobalShortcuts &portal)
{
    selectionKey_ = &portal;
    connect(&portal, &bus::GlobalShortcuts::boundTo, this, [this](const QString &trigger) {
        selectionKeyRegistered_ = true;
        if (std::exchange(selectionKeyAsked_, false))
            showSelectionKeyMessage(KeyBoundText(trigger, inEnglish()));
    });
    connect(&portal, &bus::GlobalShortcuts::failed, this,
            [this](bus::GlobalShortcuts::Failure failure, const QString &detail) {
                if (std::exchange(selectionKeyAsked_, false))
                    showSelectionKeyMessage(KeyFailureText(failure, detail, inEnglish()));
                else
                    qWarning("quillet: the key that looks up the selection was not registered again: %s",
                             qUtf8Printable(detail));
            });
}

void Form1::showSelectionKeyMessage(const QString &text)
{
    const QString title = mnuSelectionKey->text().remove(u"..."_s);
    if (setup_.showMessage) {
        setup_.showMessage(title, text);
        return;
    }
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, this);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

bool Form1::askSelectionKey(const QString &text)
{
    const QString title = mnuSelectionKey->text().remove(u"..."_s);
    if (setup_.askQuestion)
        return setup_.askQuestion(title, text);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, this);
    QPushButton *accept = box.addButton(TextOf(TextTarget::SelectionKeyAccept, inEnglish()), QMessageBox::AcceptRole);
    box.setDefaultButton(accept);
    box.addButton(TextOf(TextTarget::SelectionKeyDecline, inEnglish()), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == accept;
}

} // namespace quillet
