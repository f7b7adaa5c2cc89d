#include "tests/common/logcapture.h"
#include "widgets/ctrlposition.h"
#include "widgets/foldwidget.h"
#include "widgets/imgbtn.h"

#include <QApplication>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QtTest>

namespace {
void Send(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, pos, w->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void Hover(QWidget* w, QPoint pos) {
    Send(w, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
}

void Click(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    Send(w, QEvent::MouseButtonPress, pos, button, button);
    Send(w, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

const QPoint kLeftTop(3, 3);
const QPoint kCentre(10, 10);
} // namespace

class TestCtrlPosition : public QObject {
    Q_OBJECT

private slots:
    void arrowsStep() {
        CtrlPosition pad;
        QCOMPARE(pad.size(), QSize(21, 21));
        QSignalSpy spy(&pad, &CtrlPosition::changed);
        Hover(&pad, kLeftTop);
        QCOMPARE(pad.hoverIndex, 0);
        for (int i = 0; i < 3; ++i)
            Click(&pad, kLeftTop);
        QCOMPARE(pad.value, QPoint(-3, -3));
        QCOMPARE(spy.count(), 3);
        // A double click is two steps.
        Send(&pad, QEvent::MouseButtonPress, kLeftTop, Qt::LeftButton, Qt::LeftButton);
        Send(&pad, QEvent::MouseButtonRelease, kLeftTop, Qt::LeftButton, Qt::NoButton);
        Send(&pad, QEvent::MouseButtonDblClick, kLeftTop, Qt::LeftButton, Qt::LeftButton);
        Send(&pad, QEvent::MouseButtonRelease, kLeftTop, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(pad.value, QPoint(-5, -5));

        Hover(&pad, QPoint(17, 17));
        Click(&pad, QPoint(17, 17));
        QCOMPARE(pad.value, QPoint(-4, -4));

        Click(&pad, QPoint(17, 3), Qt::RightButton);
        QCOMPARE(pad.value, QPoint(0, 0));
        QCOMPARE(spy.last().at(0).toPoint(), QPoint(0, 0));
    }

    void centreDrags() {
        CtrlPosition pad;
        pad.SetValue("3,-4");
        QSignalSpy spy(&pad, &CtrlPosition::changed);
        Hover(&pad, kCentre);
        QCOMPARE(pad.hoverIndex, 4);
        Send(&pad, QEvent::MouseButtonPress, kCentre, Qt::LeftButton, Qt::LeftButton);
        Send(&pad, QEvent::MouseMove, kCentre + QPoint(1, 0), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(pad.value, QPoint(3, -4));
        QVERIFY(!pad.dragging);
        Send(&pad, QEvent::MouseMove, kCentre + QPoint(3, 0), Qt::NoButton, Qt::LeftButton);
        QVERIFY(pad.dragging);
        QCOMPARE(pad.value, QPoint(3, -4)); // the move that starts the drag does not count
        Send(&pad, QEvent::MouseMove, kCentre + QPoint(5, -2), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(pad.value, QPoint(8, -6));
        Send(&pad, QEvent::MouseButtonRelease, kCentre + QPoint(5, -2), Qt::LeftButton, Qt::NoButton);
        QVERIFY(!pad.pressed);
        QCOMPARE(pad.value, QPoint(8, -6)); // the centre's step is (0, 0)
        QVERIFY(spy.count() >= 2);
    }

    void setValueText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("value");
        QTest::newRow("pair") << "3,-4" << QPoint(3, -4);
        QTest::newRow("one number") << "7" << QPoint(1, 1);
        QTest::newRow("letters") << "a,b" << QPoint(0, 0);
        QTest::newRow("huge") << "99999999999,5" << QPoint(0, 5);
        QTest::newRow("empty") << "" << QPoint(1, 1);
    }

    void setValueText() {
        QFETCH(QString, text);
        CtrlPosition pad;
        pad.value = QPoint(1, 1);
        QSignalSpy spy(&pad, &CtrlPosition::changed);
        pad.SetValue(text);
        QTEST(pad.value, "value");
        QCOMPARE(spy.count(), 0);
    }

    void foldWidget() {
        FoldWidget fold;
        fold.resize(100, 140);
        QCOMPARE(fold.SetHeights(20, -1), 140);
        fold.doexpand(false);
        auto* anim = fold.findChild<QPropertyAnimation*>(QStringLiteral("AnimateHeight"));
        QVERIFY(anim);
        QCOMPARE(anim->startValue().toInt(), 140);
        QCOMPARE(anim->endValue().toInt(), 20);
        QCOMPARE(anim->duration(), 250);
        anim->stop();
        fold.doexpand(false, false);
        QCOMPARE(fold.height(), 20);
        QCOMPARE(fold.maximumHeight(), 20);
        fold.doexpand(true, false);
        QCOMPARE(fold.height(), 140);
        fold.setProperty("fixedheight", 60);
        QCOMPARE(fold.property("fixedheight").toInt(), 60);
    }

    void imgBtnFromThreeImages() {
        ImgBtn btn;
        btn.SetImage(QString());
        btn.SetImage(QStringLiteral("BtnWndClose")); // only N, H, D... of the window close button
        QVERIFY(btn.Image(ImgBtn::AN).isNull());
        QVERIFY(!btn.Image(ImgBtn::IN).isNull());
        QCOMPARE(btn.size(), btn.Image(ImgBtn::IN).size());
        btn.setCheckable(true);
        const QImage unchecked = btn.grab().toImage();
        btn.setChecked(true);
        QCOMPARE(btn.grab().toImage(), unchecked);

        LogCapture log;
        ImgBtn missing;
        missing.SetImage(QStringLiteral("NoSuchImage"));
        QCOMPARE(missing.size(), QSize(0, 0));
        missing.grab();
        // The looks a set lacks are not warned about one by one; a set with none at all is, once.
        QCOMPARE(log.Count(QStringLiteral("cannot read image")), 0);
        QCOMPARE(log.Count(QStringLiteral("ImgBtn: no image for the button")), 1);
        QVERIFY(log.Has(QStringLiteral("NoSuchImage")));
    }
};

QTEST_MAIN(TestCtrlPosition)
#include "test_ctrlposition.moc"
