#include "tooltip/TipWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// The tip stands this far below and right of the pointer, clear of the cursor.
constexpr QPoint PointerOffset{2, 20};

} // namespace

TipWindow::TipWindow() : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextFormat(Qt::PlainText);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setFont(QToolTip::font());
    setAutoFillBackground(true);
    const QPalette tips = QToolTip::palette();
    setColours(tips.color(QPalette::ToolTipBase), tips.color(QPalette::ToolTipText));
}

void TipWindow::setColours(const QColor &back, const QColor &fore)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, back);
    colours.setColor(QPalette::WindowText, fore);
    setPalette(colours);
}

QColor TipWindow::backColour() const
{
    return palette().color(QPalette::Window);
}

QColor TipWindow::foreColour() const
{
    return palette().color(QPalette::WindowText);
}

void TipWindow::setTip(const QString &text, const QMargins &margins, int maxWidth)
{
    text_ = text;
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    setContentsMargins(margins);
    setText(shown);

    const int chrome = 2 * frameWidth() + margins.left() + margins.right();
    const int limit = maxWidth > 0 ? std::max(maxWidth - chrome, 1) : QWIDGETSIZE_MAX;
    const QRect natural = fontMetrics().boundingRect(QRect(0, 0, limit, QWIDGETSIZE_MAX),
                                                     Qt::TextWordWrap | Qt::TextExpandTabs, shown);
    setWordWrap(maxWidth > 0);
    const int height = natural.height() + 2 * frameWidth() + margins.top() + margins.bottom();
    setFixedSize(std::min(natural.width(), limit) + chrome, height);
}

void TipWindow::placeAt(const QPoint &pointer)
{
    QPoint at = pointer + PointerOffset;
    if (const QScreen *screen = QGuiApplication::screenAt(pointer)) {
        const QRect area = screen->availableGeometry();
        if (at.x() + width() > area.right())
            at.setX(std::max(area.left(), area.right() - width()));
        if (at.y() + height() > area.bottom())
            at.setY(std::max(area.top(), pointer.y() - height() - 4));
    }
    move(at);
}

} // namespace quillet
