// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's clipboard watch and paste: the paste button and its menu item are
// usable while the clipboard offers text, its tip shows that text, and a click looks
// the text up.
#include "ui/mainwindow/Form1.h"

#include "core/lookup/PasteTip.h"
#include "ui/lookup/QueryBox.h"
#include "ui/mainwindow/ClickLabel.h"
#include "ui/mainwindow/Form1Layout.h"
#include "ui/mainwindow/Pictures.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <optional>

namespace quillet {

namespace {

// What the clipboard offers in plain text.
struct ClipboardOffer {
    bool hasText = false;
    QString text;
};

// nullopt when there is no clipboard to ask. A clipboard that holds nothing has no data
// at all on some platforms; an owner that does not answer in time reads as empty.
std::optional<ClipboardOffer> ReadClipboard()
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return std::nullopt;
    const QMimeData *data = clipboard->mimeData();
    if (data == nullptr || !data->hasText())
        return ClipboardOffer{};
    return ClipboardOffer{true, data->text()};
}

} // namespace

void Form1::connectClipboardHandlers()
{
    Image3->setMouseTracking(true);
    connect(Image3, &ClickLabel::clicked, this, &Form1::Image3_Click);
    connect(Image3, &ClickLabel::movedAt, this, &Form1::Image3_MouseMove);
    connect(Image3, &ClickLabel::borderStyleChanged, this, &Form1::showPastePicture);
    connect(mnuPasteWord, &QAction::triggered, this, &Form1::mnuPasteWord_Click);
    watchClipboard();
    showPastePicture();
}

// The first steps of each tick of Timer1.
void Form1::watchClipboard()
{
    const std::optional<ClipboardOffer> offer = ReadClipboard();
    if (!offer)
        return;
    const bool changed = Image3->isEnabled() != offer->hasText;
    Image3->setEnabled(offer->hasText);
    mnuPasteWord->setEnabled(offer->hasText);
    if (changed)
        showPastePicture();
}

void Form1::showPastePicture()
{
    Picture look = Picture::Paste;
    if (!Image3->isEnabled())
        look = Picture::PasteDisabled;
    else if (Image3->BorderStyle() == 1)
        look = Picture::PasteHovered;
    Image3->setPixmap(DrawPicture(look, layout::Image3.width()));
}

void Form1::Image3_Click()
{
    const std::optional<ClipboardOffer> offer = ReadClipboard();
    if (offer && offer->hasText)
        Text1->setText(offer->text);
    ImgSearch_Click();
}

void Form1::mnuPasteWord_Click()
{
    Image3_Click();
}

void Form1::Image3_MouseMove()
{
    if (const std::optional<ClipboardOffer> offer = ReadClipboard()) {
        MainTooltip.AddTool(Image3);
        MainTooltip.setToolText(Image3, PasteTip(PasteTitle, offer->text));
    }
    Image3->setBorderStyle(1);
}

} // namespace quillet
