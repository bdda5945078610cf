// SPDX-License-Identifier: GPL-3.0-or-later
// Hover feedback on the main window: link and direction labels change their text
// colour under the pointer, picture buttons get a frame, and a move over the window's
// background (or its title) puts everything back to rest.
#include "ui/mainwindow/Form1.h"

#include "ui/lookup/DropDownList.h"
#include "ui/lookup/QueryBox.h"
#include "ui/lookup/ResultList.h"
#include "core/mainwindow/CaptionFit.h"
#include "ui/mainwindow/ClickLabel.h"
#include "ui/mainwindow/HoverColours.h"

#include <QFontMetricsF>
#include <QLineEdit>

namespace quillet {

namespace {

bool LeftButtonAlone(Qt::MouseButtons buttons)
{
    return buttons == Qt::MouseButtons(Qt::LeftButton);
}

// Shrinks the caption's font just enough for the caption to fit its box whole, always
// starting from the size the label was designed with; the box keeps its place and size.
void FitCaptionFont(QLabel &label)
{
    static const char *const DesignedSize = "designedPointSize";
    if (!label.property(DesignedSize).isValid())
        label.setProperty(DesignedSize, label.font().pointSizeF());
    const double designed = label.property(DesignedSize).toDouble();
    // Room for a one-pixel border on either side, drawn or not.
    const double room = label.width() - 2;
    QFont font = label.font();
    const double fitting = FittingPointSize(
        [&font, &label](double points) {
            font.setPointSizeF(points);
            return QFontMetricsF(font, &label).horizontalAdvance(label.text().remove(u'&'));
        },
        room, designed);
    font.setPointSizeF(fitting);
    label.setFont(font);
}

} // namespace

void Form1::connectHoverHandlers()
{
    for (int i = 0; i < int(Label1.size()); ++i) {
        Label1[i]->setMouseTracking(true);
        connect(Label1[i], &ClickLabel::movedAt, this,
                [this, i](Qt::MouseButtons buttons) { Label1_MouseMove(i, buttons); });
    }
    for (int i = 0; i < int(Label3.size()); ++i) {
        Label3[i]->setMouseTracking(true);
        connect(Label3[i], &ClickLabel::movedAt, this, [this, i] { Label3_MouseMove(i); });
    }
    ImgSearch->setMouseTracking(true);
    connect(ImgSearch, &ClickLabel::movedAt, this, &Form1::ImgSearch_MouseMove);
    Image1->setMouseTracking(true);
    connect(Image1, &ClickLabel::movedAt, this, &Form1::Image1_MouseMove);
    // A highlight ends when the pointer leaves its control, for wherever it goes.
    for (ClickLabel *control : {Label1[0], Label1[1], Label1[2], Label3[0], Label3[1], ImgSearch, Image3, Image1})
        connect(control, &ClickLabel::left, this, [this, control] { Highlight_MouseLeave(control); });

    // Moves over the other controls stay with them.
    for (QWidget *control : std::initializer_list<QWidget *>{Text1, lv[0], lv[1], List1, List2, Text3})
        control->setAttribute(Qt::WA_NoMousePropagation);
}

void Form1::resetHighlights()
{
    for (ClickLabel *label : {Label1[0], Label1[1], Label1[2], Label3[0], Label3[1]})
        label->setForeColor(hover::RestBlue);
    for (ClickLabel *picture : {ImgSearch, Image3, Image1})
        picture->setBorderStyle(0);
}

void Form1::Label1_MouseMove(int index, Qt::MouseButtons button)
{
    Label1[index]->setForeColor(LeftButtonAlone(button) ? hover::PressedCyan : hover::OverRed);
}

void Form1::Label3_MouseMove(int index)
{
    // The pointer is over one direction label at a time.
    Label3[index]->setForeColor(hover::OverRed);
    Label3[index == 0 ? 1 : 0]->setForeColor(hover::RestBlue);
}

void Form1::Highlight_MouseLeave(ClickLabel *control)
{
    if (control == ImgSearch || control == Image3 || control == Image1)
        control->setBorderStyle(0);
    else
        control->setForeColor(hover::RestBlue);
}

void Form1::ImgSearch_MouseMove()
{
    ImgSearch->setBorderStyle(1);
}

void Form1::Image1_MouseMove()
{
    Image1->setBorderStyle(1);
}

void Form1::fitCaptions()
{
    for (QLabel *label : std::initializer_list<QLabel *>{Label4, Find, Label1[0], Label1[1], Label1[2],
                                                          Label3[0], Label3[1]})
        FitCaptionFont(*label);
}

} // namespace quillet
