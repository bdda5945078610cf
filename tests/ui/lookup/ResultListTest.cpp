// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lookup/ResultList.h"

#include <QHeaderView>
#include <QImage>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;

namespace {

const QList<std::pair<QString, QString>> Rows{{u"flange"_s, u"flanșă"_s}, {u"gasket"_s, u"garnitură"_s}};

QImage Painted(ResultList &list)
{
    return list.viewport()->grab().toImage();
}

} // namespace

class ResultListTest : public QObject {
    Q_OBJECT

private slots:
    // The user's own rows are bold and described; the others are plain entries.
    void personalRowsAreMarked()
    {
        ResultList list;
        list.setRows(Rows, 1, u"my term"_s);
        QCOMPARE(list.topLevelItem(0)->text(0), u"flange"_s);
        QCOMPARE(list.topLevelItem(1)->text(1), u"garnitură"_s);
        QVERIFY(list.topLevelItem(0)->font(0).bold());
        QCOMPARE(list.topLevelItem(0)->data(0, Qt::AccessibleDescriptionRole).toString(), u"my term"_s);
        QVERIFY(!list.topLevelItem(1)->font(0).bold());
        QVERIFY(list.topLevelItem(1)->data(0, Qt::AccessibleDescriptionRole).toString().isEmpty());
    }

    // Rows painted again look as they did the first time, and a row whose font or colours
    // changed is painted anew, not copied from how the same text looked before.
    void rowsPaintedAgainLookAsBefore()
    {
        ResultList list;
        list.resize(320, 120);
        list.header()->resizeSection(0, 150);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));

        list.setRows(Rows, 1, u"my term"_s);
        const QImage personal = Painted(list);
        list.setRows(Rows);
        const QImage plain = Painted(list);
        QVERIFY(plain != personal);

        list.topLevelItem(0)->setSelected(true);
        const QImage selected = Painted(list);
        QVERIFY(selected != plain);
        list.topLevelItem(0)->setSelected(false);
        QCOMPARE(Painted(list), plain);

        list.insertOffered(0, u"Base forms:"_s, {Rows.first()}, Qt::darkGreen, Qt::white);
        QVERIFY(Painted(list) != plain);
        list.setRows(Rows, 1, u"my term"_s);
        QCOMPARE(Painted(list), personal);
    }
};

QTEST_MAIN(ResultListTest)
#include "ResultListTest.moc"
