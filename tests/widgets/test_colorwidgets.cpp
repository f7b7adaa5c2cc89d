#include "widgets/qcolorluminancepicker.h"
#include "widgets/qcolorpicker.h"
#include "widgets/qcolorshowlabel.h"
#include "widgets/qcolorwell.h"
#include "widgets/qdragdropper.h"

#include <QApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

namespace {
void Press(QWidget* w, QPoint pos) {
    QMouseEvent e(QEvent::MouseButtonPress, pos, w->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void Release(QWidget* w, QPoint pos) {
    QMouseEvent e(QEvent::MouseButtonRelease, pos, w->mapToGlobal(pos), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Drops mime data at pos; answers whether the widget accepted it.
bool Drop(QWidget* w, QPoint pos, QMimeData* mime) {
    QDragEnterEvent enter(pos, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(pos, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &drop);
    return drop.isAccepted();
}
} // namespace

class TestColorWidgets : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QRgb>("QRgb"); }

    void wellCellsShowAlpha() {
        QRgb values[4] = {qRgba(0, 0, 0, 0), qRgba(255, 0, 0, 128), qRgba(0, 0, 255, 255), 0};
        QColorWell well(nullptr, 2, 2, values);
        well.resize(well.sizeHint());
        QCOMPARE(well.sizeHint(), QSize(56, 56));
        const QImage img = well.grab().toImage();
        // Cell (0,0) is transparent: the bare checkerboard, dark square at the inner top-left.
        QCOMPARE(img.pixel(5, 5), qRgb(0x5B, 0x5B, 0x5B));
        QCOMPARE(img.pixel(15, 5), qRgb(0xCC, 0xCC, 0xCC));
        // Cell (1,0) (entry 1) is half red: red over the squares.
        const QColor halfRed = img.pixelColor(5, 28 + 5);
        QVERIFY(halfRed.red() > 150 && halfRed.green() < 100 && halfRed.green() > 20);
        // Cell (0,1) (entry 2) is opaque blue; the frame is #323232.
        QCOMPARE(img.pixel(28 + 5, 5), qRgb(0, 0, 255));
        QCOMPARE(img.pixel(28 + 2, 10), qRgb(0x32, 0x32, 0x32));
    }

    void wellKeysAndSelection() {
        QRgb values[16] = {};
        QColorWell well(nullptr, 2, 8, values);
        QSignalSpy selected(&well, &QWellArray::selected);
        QTest::keyClick(&well, Qt::Key_Down);
        QCOMPARE(well.currentRow(), 1);
        QTest::keyClick(&well, Qt::Key_Down);
        QCOMPARE(well.currentRow(), 1);
        QTest::keyClick(&well, Qt::Key_Left);
        QCOMPARE(well.currentColumn(), 0);
        QTest::keyClick(&well, Qt::Key_Right);
        QTest::keyClick(&well, Qt::Key_Space);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.first(), (QList<QVariant>{1, 1}));
        QCOMPARE(well.selectedRow(), 1);
        well.SelectCell(-1, 3);
        QCOMPARE(well.selectedColumn(), -1);
        QCOMPARE(selected.count(), 1);

        Press(&well, QPoint(3 * 28 + 5, 5));
        Release(&well, QPoint(3 * 28 + 5, 5));
        QCOMPARE(selected.last(), (QList<QVariant>{0, 3}));
        well.SetCellFill(5, 5, Qt::red); // outside: ignored
        well.SetCellFill(1, 2, Qt::red);
        QCOMPARE(well.CellFill(1, 2).color(), QColor(Qt::red));
    }

    void wellDrops() {
        QRgb values[16] = {};
        QColorWell well(nullptr, 2, 8, values);
        well.setAcceptDrops(true);
        QSignalSpy changed(&well, &QWellArray::changed);
        QMimeData colour;
        colour.setColorData(QColor::fromRgba(qRgba(10, 20, 30, 40)));
        QVERIFY(Drop(&well, QPoint(28 * 3 + 5, 28 + 5), &colour));
        QCOMPARE(values[1 + 3 * 2], qRgba(10, 20, 30, 40));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).toInt(), 7);

        QMimeData text;
        text.setText(QStringLiteral("#ff0000"));
        QVERIFY(!Drop(&well, QPoint(5, 5), &text));
        QCOMPARE(values[0], QRgb(0));

        QColorShowLabel swatch;
        swatch.resize(65, 65);
        QSignalSpy dropped(&swatch, &QColorShowLabel::colorDropped);
        QVERIFY(!Drop(&swatch, QPoint(5, 5), &text));
        QVERIFY(Drop(&swatch, QPoint(5, 5), &colour));
        QCOMPARE(swatch.color().rgba(), qRgba(10, 20, 30, 40));
        QCOMPARE(dropped.count(), 1);
    }

    void pickerField() {
        QColorPicker picker;
        QCOMPARE(picker.hue(), 150);
        QCOMPARE(picker.saturation(), 255);
        picker.resize(100, 80);
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        QCOMPARE(picker.fieldPixmap().size(), QSize(100 - 2 * picker.frameWidth(), 80 - 2 * picker.frameWidth()));
        picker.setCol(400, -5);
        QCOMPARE(picker.hue(), 359);
        QCOMPARE(picker.saturation(), 0);

        QSignalSpy spy(&picker, &QColorPicker::newCol);
        const QRect c = picker.contentsRect();
        Press(&picker, c.topLeft());
        QCOMPARE(spy.last(), (QList<QVariant>{359, 255}));
        Press(&picker, c.bottomRight() + QPoint(50, 50)); // beyond the field: edge values
        QCOMPARE(spy.last(), (QList<QVariant>{0, 0}));
        // The field's top-left inner pixel has hue 360 - 360 / (cw - 1) and saturation near 255.
        const QColor inner = picker.fieldPixmap().toImage().pixelColor(1, 1);
        QCOMPARE(inner.value(), 200);
    }

    void luminanceBar_data() {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("value");
        QTest::newRow("top") << 4 << 255;
        QTest::newRow("bottom") << 260 << 0;
        QTest::newRow("below") << 400 << 0;
        QTest::newRow("above") << -100 << 255;
        QTest::newRow("middle") << 132 << 128;
    }

    void luminanceBar() {
        QFETCH(int, y);
        QColorLuminancePicker bar;
        bar.resize(20, 265);
        bar.setCol(0, 0, 100);
        QSignalSpy spy(&bar, &QColorLuminancePicker::newHsv);
        Press(&bar, QPoint(5, y));
        QTEST(bar.value(), "value");
        bar.grab();
    }

    void opacityBarHorizontal() {
        QColorLuminancePicker bar;
        bar.resize(160, 20);
        QVERIFY(bar.isHorizontal());
        QSignalSpy spy(&bar, &QColorLuminancePicker::newHsv);
        Press(&bar, QPoint(4, 5));
        QCOMPARE(bar.value(), 255);
        QCOMPARE(spy.count(), 0); // already 255: no change
        Press(&bar, QPoint(155, 5));
        QCOMPARE(bar.value(), 0);
        QCOMPARE(spy.count(), 1);
        bar.setCol(10, 20);
        QCOMPARE(spy.last(), (QList<QVariant>{10, 20, 0}));
        // Degenerate sizes paint without trouble.
        bar.resize(3, 2);
        bar.grab();
    }

    void dropperPointer() {
        QVERIFY(!RunningDropper());
        auto* drag = new QDragDropper(this);
        QCOMPARE(RunningDropper(), drag);
        delete drag;
        QVERIFY(!RunningDropper());
    }
};

QTEST_MAIN(TestColorWidgets)
#include "test_colorwidgets.moc"
