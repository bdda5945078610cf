// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about/Form2.h"

#include "core/app/SettingsValues.h"
#include "ui/common/ArialFont.h"
#include "ui/mainwindow/ClickLabel.h"
#include "ui/mainwindow/Pictures.h"
#include "ui/common/ScreenTwips.h"

#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// Link colours: blue at rest, light red under the pointer; the other program's link
// rests in a dark teal.
const QColor LinkBlue(0, 0, 255);
const QColor OtherProgramTeal(0, 64, 64);
const QColor LinkHoverRed(255, 0, 0);

} // namespace

Form2::Form2(const about::WordCounts &counts, const about::AboutLinks &links, about::LinkOpener &opener,
             bool english, QWidget *parent)
    : QDialog(parent), links_(links), opener_(opener)
{
    setModal(true);
    setFixedSize(Twips(0, 0, 4800, 5025).size());
    setFont(ArialFont(8));
    createControls();
    applyTexts(english);
    connectHandlers();
    Form_Load(counts);
}

// A place given in twips, in this screen's pixels.
QRect Form2::Twips(int left, int top, int width, int height) const
{
    return TwipsPlacer(*this).rect(QRect(left, top, width, height));
}

void Form2::createControls()
{
    Label1 = new QLabel(this);
    Label1->setGeometry(Twips(593, 50, 3615, 375));
    Label1->setFont(ArialFont(12, true));
    Label1->setAlignment(Qt::AlignCenter);

    Frame2 = new QGroupBox(this);
    Frame2->setGeometry(Twips(53, 360, 4695, 2025));
    Frame2->setMouseTracking(true);
    Frame2->installEventFilter(this);

    Label6[0] = new QLabel(u"www:"_s, Frame2);
    Label6[0]->setGeometry(Twips(420, 120, 600, 240));
    Label6[1] = new QLabel(u"e-mail:"_s, Frame2);
    Label6[1]->setGeometry(Twips(3240, 120, 825, 375));
    Label6[1]->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    createLinks();

    Image1 = new QLabel(Frame2);
    Image1->setGeometry(Twips(3720, 1560, 540, 435));
    Image1->setPixmap(DrawPicture(Picture::AboutBitmap, Image1->size()));

    Text1 = new QPlainTextEdit(this);
    Text1->setGeometry(Twips(0, 2400, 4755, 2055));
    Text1->setReadOnly(true);

    Command1 = new QPushButton(u"Click!"_s, this);
    Command1->setGeometry(Twips(1920, 4560, 960, 405));
    // Enter closes the window: the button is the default one and has the focus at the
    // start, so no link opens unless the user takes the focus to it.
    Command1->setDefault(true);
    Command1->setFocus();
}

void Form2::applyTexts(bool english)
{
    using about::AboutText;
    const auto text = [english](AboutText which) { return about::TextOf(which, english); };
    setWindowTitle(text(AboutText::WindowCaption));
    Label5[0]->setToolTip(text(AboutText::HomePageTip));
    Text2->setToolTip(text(AboutText::MailTip));
    Text2->setAccessibleName(text(AboutText::MailName));
    Label4->setText(text(AboutText::LatestVersionCaption));
    Label4->setToolTip(text(AboutText::LatestVersionTip));
    Label3->setText(text(AboutText::OtherProgramCaption));
    Label3->setToolTip(text(AboutText::OtherProgramTip));
    Text1->setAccessibleName(text(AboutText::InformationName));
    Command1->setAccessibleName(text(AboutText::CloseName));
}

void Form2::createLinks()
{
    Label5[0] = newLink(Frame2, Twips(240, 360, 1740, 375), links_.homePage, {});

    Text2 = new QLineEdit(links_.mailAddress, Frame2);
    Text2->setGeometry(Twips(2400, 360, 2205, 300));
    Text2->setReadOnly(true);
    Text2->setCursor(Qt::PointingHandCursor);
    Text2->setMouseTracking(true);
    Text2->installEventFilter(this);
    Text2->setAttribute(Qt::WA_NoMousePropagation);
    setText2ForeColor(LinkBlue);

    // Their captions and tips come with the interface language.
    Label4 = newLink(Frame2, Twips(1080, 840, 2535, 480), {}, {});
    Label3 = newLink(Frame2, Twips(360, 1440, 2895, 480), {}, {});
    Label3->setForeColor(OtherProgramTeal);
}

ClickLabel *Form2::newLink(QWidget *parent, const QRect &place, const QString &caption, const QString &tip)
{
    auto *link = new ClickLabel(caption, parent);
    link->setGeometry(place);
    link->setToolTip(tip);
    link->setWordWrap(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setMouseTracking(true);
    link->setForeColor(LinkBlue);
    link->setControlRole(QAccessible::Link); // Tab reaches it, Enter opens it
    return link;
}

void Form2::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Label5[0], &ClickLabel::clicked, this, [this] { Label5_Click(0); });
    connect(Label4, &ClickLabel::clicked, this, &Form2::Label4_Click);
    connect(Label3, &ClickLabel::clicked, this, &Form2::Label3_Click);
    connect(Label5[0], &ClickLabel::movedAt, this, [this] { Label5_MouseMove(0); });
    connect(Label4, &ClickLabel::movedAt, this, &Form2::Label4_MouseMove);
    connect(Label3, &ClickLabel::movedAt, this, &Form2::Label3_MouseMove);
}

void Form2::Form_Load(const about::WordCounts &counts)
{
    Label1->setText(about::AboutTitle(QUILLET_VERSION_MAJOR, QUILLET_VERSION_MINOR));
    Text1->setPlainText(about::AboutTextLines(QUILLET_VERSION_MAJOR, QUILLET_VERSION_MINOR, counts).join(u'\n'));
}

void Form2::Command1_Click()
{
    close();
}

void Form2::Label5_Click(int index)
{
    QString target = Label5[std::size_t(index)]->text();
    about::OpenLink(target, opener_);
}

void Form2::Label4_Click()
{
    QString target = links_.latestVersion;
    about::OpenLink(target, opener_);
}

void Form2::Label3_Click()
{
    QString target = links_.otherProgram;
    about::OpenLink(target, opener_);
}

void Form2::Text2_Click()
{
    opener_.OpenMail(about::MailLink(links_.mailAddress));
}

void Form2::Label3_MouseMove()
{
    Label3->setForeColor(LinkHoverRed);
}

void Form2::Label4_MouseMove()
{
    Label4->setForeColor(LinkHoverRed);
}

void Form2::Label5_MouseMove(int index)
{
    Label5[std::size_t(index)]->setForeColor(LinkHoverRed);
}

void Form2::Text2_MouseMove()
{
    setText2ForeColor(LinkHoverRed);
}

void Form2::Frame2_MouseMove()
{
    setText2ForeColor(LinkBlue);
    Label5[0]->setForeColor(LinkBlue);
    Label4->setForeColor(LinkBlue);
    Label3->setForeColor(OtherProgramTeal);
}

QColor Form2::Text2ForeColor() const
{
    return Text2->palette().color(QPalette::Text);
}

void Form2::setText2ForeColor(const QColor &colour)
{
    QPalette palette = Text2->palette();
    palette.setColor(QPalette::Text, colour);
    Text2->setPalette(palette);
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text2 && event->type() == QEvent::MouseMove)
        Text2_MouseMove();
    else if (watched == Text2 && event->type() == QEvent::MouseButtonRelease)
        Text2_Click();
    else if (watched == Frame2 && event->type() == QEvent::MouseMove)
        Frame2_MouseMove();
    return QDialog::eventFilter(watched, event);
}

} // namespace quillet
