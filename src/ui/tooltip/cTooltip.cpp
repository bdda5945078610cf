// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tooltip/cTooltip.h"

#include "ui/tooltip/TipWindow.h"

#include <QAbstractScrollArea>
#include <QDateTime>
#include <QEnterEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

constexpr int DefaultAutomaticDelay = 500;
// The space between a tip's border and its text until the owner sets its own.
constexpr QMargins DefaultMargins{3, 2, 3, 2};
constexpr int MaxTools = std::numeric_limits<qint16>::max();

int DelayIndex(int dwType)
{
    return dwType & 3;
}

// The delays that follow from one automatic delay, by DelayType.
std::array<int, 4> AutomaticDelays(int automatic)
{
    std::array<int, 4> delays{};
    delays[cTooltip::TTDT_AUTOMATIC] = automatic;
    delays[cTooltip::TTDT_INITIAL] = automatic;
    delays[cTooltip::TTDT_AUTOPOP] = automatic * 10;
    delays[cTooltip::TTDT_RESHOW] = automatic / 5;
    return delays;
}

quint32 ColourValue(const QColor &colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

QColor ColourOf(quint32 value)
{
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

qint64 Now()
{
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

cTooltip::cTooltip(QObject *parent)
    : QObject(parent), delays_(AutomaticDelays(DefaultAutomaticDelay)), margins_(DefaultMargins)
{
    initialTimer_.setSingleShot(true);
    autoPopTimer_.setSingleShot(true);
    connect(&initialTimer_, &QTimer::timeout, this, &cTooltip::showTip);
    connect(&autoPopTimer_, &QTimer::timeout, this, [this] {
        poppedUp_ = hovered_;
        hideTip();
    });
}

cTooltip::~cTooltip()
{
    for (const Tool &tool : tools_)
        if (tool.control)
            watch(tool.control, false);
}

bool cTooltip::Create(QWidget *frm)
{
    if (!window_ && frm != nullptr)
        window_ = std::make_unique<TipWindow>();
    return window_ != nullptr;
}

cTooltip::Tool *cTooltip::findTool(const QWidget *ctrl)
{
    const auto found = std::find_if(tools_.begin(), tools_.end(),
                                    [ctrl](const Tool &tool) { return tool.control == ctrl; });
    return found == tools_.end() ? nullptr : &*found;
}

const cTooltip::Tool *cTooltip::findTool(const QWidget *ctrl) const
{
    return const_cast<cTooltip *>(this)->findTool(ctrl);
}

bool cTooltip::AddTool(QWidget *ctrl, const QString &sText)
{
    if (!window_ || ctrl == nullptr || findTool(ctrl) != nullptr || tools_.size() >= MaxTools)
        return false;
    const QString text = sText.isEmpty() ? u"Tool"_s + QString::number(ToolCount() + 1) : sText;
    tools_.push_back(Tool{ctrl, text});
    watch(ctrl, true);
    connect(ctrl, &QObject::destroyed, this, &cTooltip::forget);
    return true;
}

bool cTooltip::RemoveTool(QWidget *ctrl)
{
    if (!window_ || findTool(ctrl) == nullptr)
        return false;
    watch(ctrl, false);
    disconnect(ctrl, &QObject::destroyed, this, &cTooltip::forget);
    forget(ctrl);
    return true;
}

void cTooltip::forget(QObject *control)
{
    std::erase_if(tools_, [control](const Tool &tool) { return tool.control == control || !tool.control; });
    if (hovered_ == control || !hovered_) {
        hovered_ = nullptr;
        hideTip();
    }
}

// A list or other scroll area gets its mouse events through its viewport, so the
// viewport is watched with it.
void cTooltip::watch(QWidget *control, bool on)
{
    QList<QWidget *> watched{control};
    if (auto *area = qobject_cast<QAbstractScrollArea *>(control))
        watched.append(area->viewport());
    for (QWidget *widget : watched) {
        if (on) {
            widget->setMouseTracking(true);
            widget->installEventFilter(this);
        } else {
            widget->removeEventFilter(this);
        }
    }
}

QWidget *cTooltip::toolControlOf(QObject *watched) const
{
    for (const Tool &tool : tools_) {
        if (!tool.control)
            continue;
        if (tool.control == watched)
            return tool.control;
        if (auto *area = qobject_cast<QAbstractScrollArea *>(tool.control.data());
            area != nullptr && area->viewport() == watched)
            return tool.control;
    }
    return nullptr;
}

bool cTooltip::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *control = toolControlOf(watched);
    if (control == nullptr)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter:
        pointerMoved(control, static_cast<QEnterEvent *>(event)->globalPosition().toPoint());
        break;
    case QEvent::MouseMove:
        pointerMoved(control, static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        break;
    case QEvent::Leave:
        if (watched == control)
            pointerLeft(control);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        initialTimer_.stop();
        hideTip();
        break;
    case QEvent::Hide:
        if (watched == control)
            pointerLeft(control);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void cTooltip::pointerMoved(QWidget *control, const QPoint &globalPosition)
{
    pointer_ = globalPosition;
    if (hovered_ != control) {
        const bool tipWasShowing = isTipShown()
                                   || (lastShownAt_ >= 0 && Now() - lastShownAt_ <= delays_[TTDT_RESHOW]);
        hideTip();
        hovered_ = control;
        poppedUp_ = nullptr;
        initialTimer_.start(tipWasShowing ? delays_[TTDT_RESHOW] : delays_[TTDT_INITIAL]);
        return;
    }
    if (isTipShown())
        placeTip();
    else if (!initialTimer_.isActive() && poppedUp_ != control)
        initialTimer_.start(delays_[TTDT_INITIAL]);
}

void cTooltip::pointerLeft(QWidget *control)
{
    if (hovered_ != control)
        return;
    initialTimer_.stop();
    hideTip();
    hovered_ = nullptr;
    poppedUp_ = nullptr;
}

void cTooltip::showTip()
{
    const Tool *tool = hovered_ ? findTool(hovered_) : nullptr;
    const QString text = tool != nullptr ? ToolText(hovered_) : QString();
    if (!window_ || text.isEmpty()) {
        hideTip();
        return;
    }
    layOutTip(text);
    window_->show();
    window_->raise();
    lastShownAt_ = Now();
    autoPopTimer_.start(delays_[TTDT_AUTOPOP]);
}

void cTooltip::hideTip()
{
    autoPopTimer_.stop();
    if (window_ && window_->isVisible()) {
        window_->hide();
        lastShownAt_ = Now();
    }
}

void cTooltip::layOutTip(const QString &text)
{
    window_->setTip(text, margins_, maxTipWidth_);
    placeTip();
}

void cTooltip::placeTip()
{
    if (window_)
        window_->placeAt(pointer_);
}

void cTooltip::setBackColor(quint32 clr)
{
    if (window_)
        window_->setColours(ColourOf(clr), window_->foreColour());
}

quint32 cTooltip::ForeColor() const
{
    return window_ ? ColourValue(window_->foreColour()) : 0;
}

void cTooltip::setForeColor(quint32 clr)
{
    if (window_)
        window_->setColours(window_->backColour(), ColourOf(clr));
}

int cTooltip::DelayTime(int dwType) const
{
    return window_ ? delays_[DelayIndex(dwType)] : 0;
}

void cTooltip::setDelayTime(int dwType, int dwMilliSecs)
{
    if (!window_)
        return;
    const int type = DelayIndex(dwType);
    const std::array<int, 4> defaults = AutomaticDelays(DefaultAutomaticDelay);
    if (type == TTDT_AUTOMATIC)
        delays_ = AutomaticDelays(dwMilliSecs < 0 ? DefaultAutomaticDelay : dwMilliSecs);
    else
        delays_[type] = dwMilliSecs < 0 ? defaults[type] : dwMilliSecs;
}

quintptr cTooltip::hwnd() const
{
    return reinterpret_cast<quintptr>(window_.get());
}

int cTooltip::Margin(int dwType) const
{
    if (!window_)
        return 0;
    switch (dwType) {
    case MarginLeft: return margins_.left();
    case MarginTop: return margins_.top();
    case MarginRight: return margins_.right();
    case MarginBottom: return margins_.bottom();
    default: return 0;
    }
}

void cTooltip::setMargin(int dwType, int cPixels)
{
    if (!window_)
        return;
    switch (dwType) {
    case MarginLeft: margins_.setLeft(cPixels); break;
    case MarginTop: margins_.setTop(cPixels); break;
    case MarginRight: margins_.setRight(cPixels); break;
    case MarginBottom: margins_.setBottom(cPixels); break;
    default: break;
    }
}

qint16 cTooltip::MaxTipWidth() const
{
    return window_ ? maxTipWidth_ : qint16(0);
}

void cTooltip::setMaxTipWidth(qint16 cx)
{
    if (window_)
        maxTipWidth_ = cx < 1 ? qint16(-1) : cx;
}

qint16 cTooltip::ToolCount() const
{
    return window_ ? qint16(tools_.size()) : qint16(0);
}

QString cTooltip::ToolText(QWidget *ctrl) const
{
    const Tool *tool = window_ ? findTool(ctrl) : nullptr;
    if (tool == nullptr)
        return {};
    const qsizetype end = tool->text.indexOf(QChar(0));
    return end < 0 ? tool->text : tool->text.left(end);
}

void cTooltip::setToolText(QWidget *ctrl, const QString &sText)
{
    Tool *tool = window_ ? findTool(ctrl) : nullptr;
    // The main window sets the text at every move of the pointer; the same text again
    // changes nothing, and the tip follows the pointer without being laid out anew.
    if (tool == nullptr || tool->text == sText)
        return;
    tool->text = sText;
    if (hovered_ != ctrl)
        return;
    const QString text = ToolText(ctrl);
    if (isTipShown()) {
        if (text.isEmpty())
            hideTip();
        else
            layOutTip(text);
    } else if (!text.isEmpty() && !initialTimer_.isActive()) {
        // A new text under the pointer is a new item: its tip shows after the initial
        // delay, even where the previous item's tip timed out.
        poppedUp_ = nullptr;
        initialTimer_.start(delays_[TTDT_INITIAL]);
    }
}

bool cTooltip::isTipShown() const
{
    return window_ && window_->isVisible();
}

QString cTooltip::shownText() const
{
    return isTipShown() ? window_->tipText() : QString();
}

QWidget *cTooltip::tipWindow() const
{
    return window_.get();
}

} // namespace quillet
