#include "functions/loadimagecached.h"
#include "widgets/ctrlalign.h"
#include "widgets/foldbtn.h"

#include <QApplication>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QtTest>

namespace {
void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButtons held) {
    QMouseEvent e(type, pos, w->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
} // namespace

class TestFoldAlign : public QObject {
    Q_OBJECT

private slots:
    void foldBtnNotFoldable() {
        QWidget window;
        FoldBtn* btn = new FoldBtn(&window, QStringLiteral("Layout"), true, -1, Qt::white);
        btn->setGeometry(0, 0, 120, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(btn->sizeHint(), QLabelEx(nullptr, QStringLiteral("Layout"), true, -1, Qt::white).sizeHint());

        QSignalSpy expanded(btn, &FoldBtn::expanded);
        QSignalSpy clicked(btn, &QLabelEx::clicked);
        QTest::mouseClick(btn, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(expanded.count(), 0);
        QVERIFY(!btn->isExpanded());
    }

    void foldBtnToggles() {
        QWidget window;
        FoldBtn* btn = new FoldBtn(&window, QStringLiteral("Layout"), false, 12, Qt::white);
        btn->foldable = true;
        btn->setGeometry(0, 0, 120, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int plainWidth = QLabelEx(nullptr, QStringLiteral("Layout"), false, 12, Qt::white).sizeHint().width();
        QCOMPARE(btn->sizeHint().width(), plainWidth + LoadImageCached(":/images/IcnCategoryCollapsed", false).width());

        QSignalSpy expanded(btn, &FoldBtn::expanded);
        QTest::mouseClick(btn, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(expanded.count(), 1);
        QCOMPARE(expanded.last().at(0).toBool(), true);
        auto* anim = btn->findChild<QPropertyAnimation*>(QStringLiteral("AnimateFrames"));
        QVERIFY(anim);
        QCOMPARE(anim->endValue().toDouble(), 1.0);
        QCOMPARE(anim->duration(), 250);

        // A second click reverses from where the arrow is now.
        btn->setAnimRel(0.4);
        anim->pause();
        QTest::mouseClick(btn, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(expanded.last().at(0).toBool(), false);
        QCOMPARE(anim->startValue().toDouble(), 0.4);
        QCOMPARE(anim->endValue().toDouble(), 0.0);

        btn->SetAnimRel(1.0, 0);
        QCOMPARE(anim->state(), QAbstractAnimation::Stopped);
        QCOMPARE(btn->animRel(), 1.0);

        // Released off the heading: no toggle.
        QTest::mousePress(btn, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QMouseEvent off(QEvent::MouseButtonRelease, QPoint(10, 500), btn->mapToGlobal(QPoint(10, 500)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(btn, &off);
        QCOMPARE(expanded.count(), 2);
    }

    void alignPress_data() {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<quint32>("value");
        QTest::newRow("top right") << QPoint(59, 0) << quint32(4 | 8);
        QTest::newRow("top left") << QPoint(0, 0) << quint32(1 | 8);
        QTest::newRow("bottom centre") << QPoint(30, 59) << quint32(2 | 0x20);
        QTest::newRow("middle left") << QPoint(15, 30) << quint32(1 | 0x10);
    }

    void alignPress() {
        QFETCH(QPoint, pos);
        CtrlAlign picker;
        QCOMPARE(picker.size(), QSize(60, 60));
        QCOMPARE(picker.value, quint32(18));
        QSignalSpy changed(&picker, &CtrlAlign::changed);
        SendMouse(&picker, QEvent::MouseButtonPress, pos, Qt::LeftButton);
        QTEST(picker.value, "value");
        QCOMPARE(changed.count(), 1);
        // Moving within the same cell while held changes nothing more.
        SendMouse(&picker, QEvent::MouseMove, pos + QPoint(pos.x() > 30 ? -1 : 1, pos.y() > 30 ? -1 : 1),
                  Qt::LeftButton);
        SendMouse(&picker, QEvent::MouseButtonRelease, pos, Qt::NoButton);
        QCOMPARE(changed.count(), 1);
        QVERIFY(!picker.pressed);
    }

    void alignHoverAndDrag() {
        CtrlAlign picker;
        QSignalSpy changed(&picker, &CtrlAlign::changed);
        SendMouse(&picker, QEvent::MouseMove, QPoint(5, 55), Qt::NoButton);
        QCOMPARE(picker.hoverValue, quint32(1 | 0x20));
        QCOMPARE(picker.value, quint32(18));
        QCOMPARE(changed.count(), 0);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&picker, &leave);
        QCOMPARE(picker.hoverValue, quint32(0));

        SendMouse(&picker, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
        SendMouse(&picker, QEvent::MouseMove, QPoint(55, 5), Qt::LeftButton);
        SendMouse(&picker, QEvent::MouseMove, QPoint(500, 5), Qt::LeftButton); // outside: ignored
        SendMouse(&picker, QEvent::MouseButtonRelease, QPoint(55, 5), Qt::NoButton);
        QCOMPARE(picker.value, quint32(4 | 8));
        QCOMPARE(changed.count(), 2);
    }

    void alignPaint() {
        // The mark shows where the value says, and not at all for "no mark".
        CtrlAlign picker;
        picker.value = 4 | 0x20;
        const QImage marked = picker.grab().toImage();
        picker.value = CtrlAlign::NoMark;
        const QImage bare = picker.grab().toImage();
        QVERIFY(marked.pixel(50, 50) != bare.pixel(50, 50));
        QCOMPARE(marked.pixel(10, 10), bare.pixel(10, 10));
        picker.hoverValue = 1 | 8;
        QCOMPARE(picker.grab().toImage(), bare);
    }
};

QTEST_MAIN(TestFoldAlign)
#include "test_foldalign.moc"
