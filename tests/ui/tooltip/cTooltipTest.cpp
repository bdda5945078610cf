// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tooltip/cTooltip.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace Qt::StringLiterals;
using namespace quillet;

namespace {

// Moves the pointer onto a control as the window system would tell it.
void PointerOver(QWidget *widget, const QPoint &at = QPoint(5, 5))
{
    const QPointF global = widget->mapToGlobal(QPointF(at));
    QEnterEvent enter(at, at, global);
    QApplication::sendEvent(widget, &enter);
    QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

class cTooltipTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window_;
    QLabel *first_ = nullptr;
    QLabel *second_ = nullptr;
    QTreeWidget *list_ = nullptr;

private slots:
    void init()
    {
        window_ = std::make_unique<QWidget>();
        window_->setGeometry(300, 300, 400, 300); // away from where the real pointer rests
        first_ = new QLabel(u"first"_s, window_.get());
        second_ = new QLabel(u"second"_s, window_.get());
        second_->move(0, 40);
        list_ = new QTreeWidget(window_.get());
        list_->setGeometry(0, 80, 300, 200);
        window_->show();
    }
    void cleanup() { window_.reset(); }

    void everythingIsInertBeforeCreateAndCreateMakesOneWindow()
    {
        cTooltip tip;
        QVERIFY(!tip.AddTool(first_, u"text"_s));
        tip.setMaxTipWidth(300);
        QCOMPARE(tip.MaxTipWidth(), qint16(0));
        QVERIFY(!tip.Create(nullptr));

        QVERIFY(tip.Create(window_.get()));
        const quintptr made = tip.hwnd();
        QVERIFY(made != 0);
        QVERIFY(tip.Create(nullptr)); // a second call keeps the one window
        QCOMPARE(tip.hwnd(), made);
    }

    void oneToolPerControlWithItsDefaultTextReadUpToANul()
    {
        cTooltip tip;
        QVERIFY(tip.Create(window_.get()));
        tip.setToolText(first_, u"nobody keeps this"_s);
        QCOMPARE(tip.ToolText(first_), QString());
        QVERIFY(tip.AddTool(first_));
        QCOMPARE(tip.ToolText(first_), u"Tool1"_s);
        QVERIFY(!tip.AddTool(first_, u"again"_s));
        QCOMPARE(tip.ToolText(first_), u"Tool1"_s);
        QVERIFY(tip.AddTool(second_, u"second"_s));
        QVERIFY(tip.AddTool(list_));

        // The number comes from the current count, so it can repeat after a removal.
        QVERIFY(tip.RemoveTool(first_));
        QVERIFY(!tip.RemoveTool(first_));
        QVERIFY(tip.AddTool(first_));
        QCOMPARE(tip.ToolText(first_), u"Tool3"_s);
        QCOMPARE(tip.ToolCount(), qint16(3));
        delete second_;
        second_ = nullptr;
        QCOMPARE(tip.ToolCount(), qint16(2));

        tip.setToolText(first_, u"a much longer text than the next one"_s);
        tip.setToolText(first_, u"abc"_s);
        QCOMPARE(tip.ToolText(first_), u"abc"_s);
        tip.setToolText(first_, u"before"_s + QChar(0) + u"after"_s);
        QCOMPARE(tip.ToolText(first_), u"before"_s);
    }

    void widthsMarginsDelaysAndColoursKeepTheirBounds()
    {
        cTooltip tip;
        QVERIFY(tip.Create(window_.get()));
        tip.setMaxTipWidth(-7);
        QCOMPARE(tip.MaxTipWidth(), qint16(-1));
        tip.setMargin(cTooltip::MarginBottom, 5);
        tip.setMargin(4, 99);
        tip.setMargin(-1, 99);
        QCOMPARE(tip.Margin(cTooltip::MarginBottom), 5);
        QCOMPARE(tip.Margin(4), 0);

        tip.setDelayTime(cTooltip::TTDT_AUTOMATIC, 1000);
        QCOMPARE(tip.DelayTime(cTooltip::TTDT_AUTOPOP), 10000);
        QCOMPARE(tip.DelayTime(cTooltip::TTDT_RESHOW), 200);
        tip.setDelayTime(6, 5000); // only the two low bits count: auto-pop
        QCOMPARE(tip.DelayTime(cTooltip::TTDT_AUTOPOP), 5000);
        QCOMPARE(tip.DelayTime(cTooltip::TTDT_INITIAL), 1000);

        tip.setBackColor(0x00FF0000); // a Windows colour: blue, green, red from the top
        QCOMPARE(tip.tipWindow()->palette().color(QPalette::Window), QColor(0, 0, 255));
    }

    void theTipShowsFollowsItsTextAndGoes()
    {
        cTooltip tip;
        QVERIFY(tip.Create(window_.get()));
        tip.setDelayTime(cTooltip::TTDT_INITIAL, 10);
        tip.setMaxTipWidth(120);
        QVERIFY(tip.AddTool(first_, u"first tip"_s));
        QVERIFY(tip.AddTool(list_));

        PointerOver(first_);
        QTRY_VERIFY(tip.isTipShown());
        QCOMPARE(tip.shownText(), u"first tip"_s);
        tip.setToolText(first_, u"a text long enough to wrap at the maximum width of the tip"_s);
        QCOMPARE(tip.shownText(), u"a text long enough to wrap at the maximum width of the tip"_s);
        QVERIFY(tip.tipWindow()->width() <= 120);
        tip.setToolText(first_, QString());
        QVERIFY(!tip.isTipShown());
        PointerOver(first_, QPoint(7, 7)); // a control without text shows no tip
        QTest::qWait(50);
        QVERIFY(!tip.isTipShown());

        tip.setToolText(first_, u"back"_s);
        PointerOver(first_, QPoint(6, 6));
        QTRY_VERIFY(tip.isTipShown());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(first_, &leave);
        QVERIFY(!tip.isTipShown());

        // A list takes its mouse through its viewport; a press takes the tip down.
        tip.setToolText(list_, u"row\r\n-------------\r\ntranslation"_s);
        PointerOver(list_->viewport());
        QTRY_VERIFY(tip.isTipShown());
        QCOMPARE(tip.shownText(), u"row\r\n-------------\r\ntranslation"_s);
        QTest::mousePress(list_->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!tip.isTipShown());

        tip.setDelayTime(cTooltip::TTDT_AUTOPOP, 400);
        PointerOver(second_);
        PointerOver(list_->viewport(), QPoint(8, 8));
        QTRY_VERIFY(tip.isTipShown());
        QTRY_VERIFY(!tip.isTipShown()); // auto-pop
        QTest::qWait(50);
        QVERIFY(!tip.isTipShown());
        // Another item under the pointer is a new text: its tip shows.
        tip.setToolText(list_, u"next row"_s);
        QTRY_VERIFY(tip.isTipShown());
        QCOMPARE(tip.shownText(), u"next row"_s);
    }

    void theTipDrawsABorderAndKeepsItsTextInsideTheMargins()
    {
        cTooltip tip;
        QVERIFY(tip.Create(window_.get()));
        tip.setDelayTime(cTooltip::TTDT_INITIAL, 1);
        tip.setBackColor(0x00FFFFFF);
        tip.setForeColor(0x00000000);
        QVERIFY(tip.AddTool(first_, u"WWW\r\n-------------\r\nMMM"_s));
        PointerOver(first_);
        QTRY_VERIFY(tip.isTipShown());

        // One pixel of border all round, then a band as wide as the margins with no text.
        const QImage drawn = tip.tipWindow()->grab().toImage();
        const QRect inside = drawn.rect().adjusted(1, 1, -1, -1);
        const QRect text = inside.marginsRemoved(QMargins(tip.Margin(0), tip.Margin(1), tip.Margin(2), tip.Margin(3)));
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (!text.contains(x, y))
                    QVERIFY2((drawn.pixelColor(x, y) == Qt::white) == inside.contains(x, y),
                             qPrintable(u"at %1,%2"_s.arg(x).arg(y)));
    }
};

QTEST_MAIN(cTooltipTest)
#include "cTooltipTest.moc"
