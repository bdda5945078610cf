// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/about/AboutLinks.h"
#include "core/about/AboutTexts.h"
#include "core/about/OpenLink.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quillet {

class ClickLabel;

// The About window: the program's name and version, the credit line, how many words
// the dictionary holds, and links to the maker's pages and the author's mail. Built
// afresh at every opening from what it is given; its tips and the names assistive
// technology reads are in the interface language. Enter closes it, unless a link has
// the focus, which Enter then opens.
class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(const about::WordCounts &counts, const about::AboutLinks &links, about::LinkOpener &opener,
          bool english, QWidget *parent = nullptr);

    void Command1_Click();
    void Label5_Click(int index);
    void Label4_Click();
    void Label3_Click();
    void Text2_Click();
    void Label3_MouseMove();
    void Label4_MouseMove();
    void Label5_MouseMove(int index);
    void Text2_MouseMove();
    void Frame2_MouseMove();

    QColor Text2ForeColor() const;

    QLabel *Label1 = nullptr;        // title
    QGroupBox *Frame2 = nullptr;
    std::array<QLabel *, 2> Label6{};      // "www:", "e-mail:"
    std::array<ClickLabel *, 1> Label5{};  // the maker's web page
    QLineEdit *Text2 = nullptr;      // the author's mail address
    ClickLabel *Label4 = nullptr;    // latest version
    ClickLabel *Label3 = nullptr;    // the maker's other program
    QLabel *Image1 = nullptr;
    QPlainTextEdit *Text1 = nullptr; // information text
    QPushButton *Command1 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createLinks();
    void applyTexts(bool english);
    void connectHandlers();
    void Form_Load(const about::WordCounts &counts);
    QRect Twips(int left, int top, int width, int height) const;
    ClickLabel *newLink(QWidget *parent, const QRect &place, const QString &caption, const QString &tip);
    void setText2ForeColor(const QColor &colour);

    about::AboutLinks links_;
    about::LinkOpener &opener_;
};

} // namespace quillet
