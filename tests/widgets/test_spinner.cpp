#include "widgets/qcomboboxex.h"
#include "widgets/spindrop.h"
#include "widgets/spinner.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {
// A mouse event with the buttons held and an explicit global position (away from the screen edges).
void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, pos, pos + QPoint(200, 300), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void Press(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonPress, pos, button, button);
}

void Move(QWidget* w, QPoint pos) {
    SendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
}

void Release(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

QStringList Steps(int from, int to, int step) {
    QStringList items;
    for (int i = from; i <= to; i += step)
        items << QString::number(i);
    return items;
}
} // namespace

class TestSpinner : public QObject {
    Q_OBJECT

private slots:
    void rangeTexts_data() {
        QTest::addColumn<QString>("rangeText");
        QTest::addColumn<int>("startValue");
        QTest::addColumn<int>("def");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("signals");
        QTest::newRow("full") << "255:0-255" << 300 << 255 << 0 << 255 << 255 << 1;
        QTest::newRow("range only keeps the default") << "10-20" << 0 << 0 << 10 << 20 << 10 << 1;
        QTest::newRow("single number changes nothing") << "5" << 7 << 0 << -1000000 << 1000000 << 7 << 0;
        QTest::newRow("empty") << "" << 7 << 0 << -1000000 << 1000000 << 7 << 0;
        QTest::newRow("no negative bound") << "0:-10-10" << 5 << 0 << 0 << 10 << 5 << 1;
        QTest::newRow("hue") << "0:0-359" << 400 << 0 << 0 << 359 << 359 << 1;
        QTest::newRow("letters read as 0") << "x:a-b" << 7 << 0 << 0 << 0 << 0 << 1;
        QTest::newRow("colon only") << ":" << 7 << 0 << -1000000 << 1000000 << 7 << 0;
        QTest::newRow("huge numbers read as 0") << "99999999999:1-99999999999" << 7 << 0 << 1 << 0 << 1 << 1;
        QTest::newRow("inverted range pins to the minimum") << "0:50-10" << 20 << 0 << 50 << 10 << 50 << 1;
    }

    void rangeTexts() {
        QFETCH(QString, rangeText);
        QFETCH(int, startValue);
        Spinner s;
        s.value = startValue;
        QSignalSpy spy(&s, &Spinner::changed);
        s.SetSpec(rangeText);
        QTEST(s.defaultValue, "def");
        QTEST(s.minimum, "min");
        QTEST(s.maximum, "max");
        QTEST(s.value, "value");
        QTEST(int(spy.count()), "signals");
        if (spy.count() > 0)
            QCOMPARE(s.dragBase, s.value);
    }

    void clicksAndWheel() {
        Spinner s;
        s.SetSpec("5:0-10");
        s.SetValue(10);
        QSignalSpy spy(&s, &Spinner::changed);
        // Upper half at the maximum: still a signal, with the same number.
        Press(&s, QPoint(6, 2));
        Release(&s, QPoint(6, 2));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last().at(0).toInt(), 10);
        // Lower half steps down; rows 9 and below belong to it.
        Press(&s, QPoint(6, 9));
        Release(&s, QPoint(6, 9));
        QCOMPARE(s.value, 9);
        // Right click: the default.
        Press(&s, QPoint(6, 9), Qt::RightButton);
        QCOMPARE(s.value, 5);
        QCOMPARE(s.mouseState, int(Spinner::Idle));
        Release(&s, QPoint(6, 9), Qt::RightButton);

        spy.clear();
        QWheelEvent up(QPointF(6, 6), QPointF(206, 306), QPoint(), QPoint(0, 360), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
        QApplication::sendEvent(&s, &up);
        QCOMPARE(s.value, 6);
        QWheelEvent down(QPointF(6, 6), QPointF(206, 306), QPoint(), QPoint(0, -1), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(&s, &down);
        QCOMPARE(s.value, 5);
        QWheelEvent none(QPointF(6, 6), QPointF(206, 306), QPoint(), QPoint(0, 0), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(&s, &none);
        QCOMPARE(spy.count(), 2);
    }

    void dragCountsTwoPixelsPerStep() {
        Spinner s;
        s.SetSpec("0:0-100");
        s.SetValue(50);
        Press(&s, QPoint(6, 2));
        QCOMPARE(s.value, 51);
        QCOMPARE(s.mouseState, int(Spinner::DragUp));
        Move(&s, QPoint(6, -18)); // 20 pixels up
        QCOMPARE(s.value, 61);
        Move(&s, QPoint(6, -17)); // one pixel back: not yet a step
        QCOMPARE(s.value, 61);
        Move(&s, QPoint(6, -8)); // 10 pixels down from the last change
        QCOMPARE(s.value, 56);
        QCOMPARE(s.mouseState, int(Spinner::DragDown));
        Release(&s, QPoint(6, -8));
        QCOMPARE(s.mouseState, int(Spinner::Idle));
    }

    void dragAtBoundReversesAtOnce() {
        Spinner s;
        s.SetSpec("0:0-10");
        s.SetValue(9);
        Press(&s, QPoint(6, 2));
        QCOMPARE(s.value, 10);
        Move(&s, QPoint(6, -98)); // far beyond the maximum
        QCOMPARE(s.value, 10);
        Move(&s, QPoint(6, -96)); // two pixels back down: one step at once
        QCOMPARE(s.value, 9);
        Release(&s, QPoint(6, -96));
    }

    void spinDropItems() {
        SpinDrop sd(nullptr, "255:0-255", Steps(0, 255, 25) << "255", "%");
        QComboBoxEx* combo = sd.GetCombo();
        QCOMPARE(combo->itemText(0), QStringLiteral("255%"));
        QCOMPARE(combo->itemText(combo->count() - 1), QStringLiteral("0%"));
        QCOMPARE(combo->geometry().x(), 15);
        QCOMPARE(sd.Value(), 0);
        QCOMPARE(combo->currentText(), QStringLiteral("0%"));

        QSignalSpy spy(&sd, &SpinDrop::changed);
        sd.SetValue(300);
        QCOMPARE(sd.Value(), 255);
        QCOMPARE(combo->currentText(), QStringLiteral("255%"));
        QVERIFY(spy.count() >= 1);
        QCOMPARE(spy.last().at(0).toInt(), 255);

        // The spinner half drives the text.
        Press(sd.GetSpinner(), QPoint(6, 12));
        Release(sd.GetSpinner(), QPoint(6, 12));
        QCOMPARE(combo->currentText(), QStringLiteral("254%"));
        QCOMPARE(spy.last().at(0).toInt(), 254);
    }

    void spinDropTyping() {
        QWidget window;
        SpinDrop* sd = new SpinDrop(&window, "255:0-255", Steps(0, 255, 25), "");
        sd->resize(80, 19);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QComboBoxEx* combo = sd->GetCombo();
        combo->setFocus();
        QTRY_VERIFY(combo->hasFocus());

        combo->setEditText(QStringLiteral("1a2"));
        QCOMPARE(sd->Value(), 12);
        QCOMPARE(combo->currentText(), QStringLiteral("12"));

        combo->setEditText(QStringLiteral("900"));
        QCOMPARE(sd->Value(), 255);
        QCOMPARE(combo->currentText(), QStringLiteral("900")); // as typed while editing
        combo->clearFocus();
        QTRY_COMPARE(combo->currentText(), QStringLiteral("255"));

        combo->setFocus();
        QTRY_VERIFY(combo->hasFocus());
        combo->setEditText(QStringLiteral("-99999999999999999999"));
        QCOMPARE(sd->Value(), 255);
        combo->setEditText(QString());
        QCOMPARE(sd->Value(), 0);
    }
};

QTEST_MAIN(TestSpinner)
#include "test_spinner.moc"
