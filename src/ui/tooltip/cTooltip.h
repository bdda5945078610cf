// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <array>
#include <memory>
#include <vector>

class QWidget;

namespace quillet {

class TipWindow;

// Hover tips for the controls of one window. Each control gets at most one tool: a text
// the component pops up in its own small tip window when the pointer rests on the control,
// after the initial delay, and takes down again after the auto-pop delay. Until Create
// succeeds every operation does nothing and every reading is 0 or empty.
class cTooltip : public QObject {
    Q_OBJECT
public:
    enum DelayType { TTDT_AUTOMATIC = 0, TTDT_RESHOW = 1, TTDT_AUTOPOP = 2, TTDT_INITIAL = 3 };
    enum MarginSide { MarginLeft = 0, MarginTop = 1, MarginRight = 2, MarginBottom = 3 };

    explicit cTooltip(QObject *parent = nullptr);
    ~cTooltip() override;

    // Makes the tip window, owned by this object; a second call makes no second window.
    bool Create(QWidget *frm);

    // Gives ctrl a tool with sText, or "Tool" and the new count when sText is empty.
    // A control that already has a tool keeps it and its text: the call returns false.
    bool AddTool(QWidget *ctrl, const QString &sText = {});
    bool RemoveTool(QWidget *ctrl);

    // Colours as 0x00BBGGRR.
    void setBackColor(quint32 clr);
    quint32 ForeColor() const;
    void setForeColor(quint32 clr);

    // The delay of a type (its two low bits count), in milliseconds. Setting the automatic
    // delay sets the other three from it; a negative delay restores the type's default.
    int DelayTime(int dwType) const;
    void setDelayTime(int dwType, int dwMilliSecs);

    // The tip window's identity; 0 until Create has succeeded.
    quintptr hwnd() const;

    // The space between the tip's border and its text, one side at a time (MarginSide);
    // a few pixels until set.
    int Margin(int dwType) const;
    void setMargin(int dwType, int cPixels);

    // The width at which a tip's text wraps; -1, also set by 0 or less, is no limit.
    qint16 MaxTipWidth() const;
    void setMaxTipWidth(qint16 cx);

    qint16 ToolCount() const;

    // The tool's text, up to a NUL character it may hold; "" for a control without a tool.
    QString ToolText(QWidget *ctrl) const;
    // Replaces the tool's text, at once on a tip that shows it; an empty text takes the
    // tip down. A new text while the pointer rests on the control and no tip shows (it
    // timed out, or there was no text) shows the tip after the initial delay. A control
    // without a tool is left without one.
    void setToolText(QWidget *ctrl, const QString &sText);

    bool isTipShown() const;
    QString shownText() const;
    QWidget *tipWindow() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Tool {
        QPointer<QWidget> control;
        QString text;
    };

    Tool *findTool(const QWidget *ctrl);
    const Tool *findTool(const QWidget *ctrl) const;
    QWidget *toolControlOf(QObject *watched) const;
    void watch(QWidget *control, bool on);
    void forget(QObject *control);

    void pointerMoved(QWidget *control, const QPoint &globalPosition);
    void pointerLeft(QWidget *control);
    void showTip();
    void hideTip();
    void layOutTip(const QString &text);
    void placeTip();

    std::unique_ptr<TipWindow> window_;
    std::vector<Tool> tools_;
    std::array<int, 4> delays_; // by DelayType
    QMargins margins_;
    qint16 maxTipWidth_ = -1;
    QTimer initialTimer_;
    QTimer autoPopTimer_;
    QPointer<QWidget> hovered_;   // the tool's control under the pointer
    QPointer<QWidget> poppedUp_;  // the control whose tip timed out; no new tip until it is left
    QPoint pointer_;
    qint64 lastShownAt_ = -1;     // when a tip last showed, for the reshow delay
};

} // namespace quillet
