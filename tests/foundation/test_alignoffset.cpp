// The alignment bits placing an item in a space: every one of the nine alignments, the end bit winning over
// the centre bit, odd sizes halved on their own, and an unaligned axis keeping its coordinate.
#include "foundation/alignoffset.h"

#include <QtTest>

class TestAlignOffset : public QObject {
    Q_OBJECT
private slots:
    void offsets_data() {
        QTest::addColumn<int>("align");
        QTest::addColumn<QSize>("space");
        QTest::addColumn<QSize>("item");
        QTest::addColumn<QPoint>("unaligned");
        QTest::addColumn<QPoint>("expected");
        const QSize space(100, 50), item(20, 10);
        const QPoint none;
        QTest::newRow("left top") << 0x9 << space << item << none << QPoint(0, 0);
        QTest::newRow("centre top") << 0xA << space << item << none << QPoint(40, 0);
        QTest::newRow("right top") << 0xC << space << item << none << QPoint(80, 0);
        QTest::newRow("left centre") << 0x11 << space << item << none << QPoint(0, 20);
        QTest::newRow("centre centre") << 0x12 << space << item << none << QPoint(40, 20);
        QTest::newRow("right centre") << 0x14 << space << item << none << QPoint(80, 20);
        QTest::newRow("left bottom") << 0x21 << space << item << none << QPoint(0, 40);
        QTest::newRow("centre bottom") << 0x22 << space << item << none << QPoint(40, 40);
        QTest::newRow("right bottom") << 0x24 << space << item << none << QPoint(80, 40);
        // 101/2 - 21/2 = 50 - 10, not (101 - 21)/2.
        QTest::newRow("odd sizes halved apart") << 0x12 << QSize(101, 51) << QSize(21, 11) << none << QPoint(40, 20);
        QTest::newRow("larger item") << 0x24 << space << QSize(120, 60) << none << QPoint(-20, -10);
        QTest::newRow("end wins over centre") << 0x36 << space << item << none << QPoint(80, 40);
        QTest::newRow("all bits") << -1 << space << item << none << QPoint(80, 40);
        QTest::newRow("left top keeps the position") << 0x9 << space << item << QPoint(7, -3) << QPoint(7, -3);
        QTest::newRow("no bits keep the position") << 0 << space << item << QPoint(7, 3) << QPoint(7, 3);
        QTest::newRow("one axis aligned") << 0x21 << space << item << QPoint(7, 3) << QPoint(7, 40);
    }

    void offsets() {
        QFETCH(int, align);
        QFETCH(QSize, space);
        QFETCH(QSize, item);
        QFETCH(QPoint, unaligned);
        QFETCH(QPoint, expected);
        QCOMPARE(AlignOffset(align, space, item, unaligned), expected);
    }
};

QTEST_MAIN(TestAlignOffset)
#include "test_alignoffset.moc"
