// The widget bases: opacity and fading, growth to fit children, captions, label style, combo-box
// selection, scroll-bar coupling, the touch scroll area, lines and the layout helpers.
#include "widgets/layouttools.h"
#include "widgets/qcomboboxex.h"
#include "widgets/qhorizontalline.h"
#include "widgets/qlabelex.h"
#include "widgets/qpushbuttonex.h"
#include "widgets/qscrollbarex.h"
#include "widgets/qwidgetex.h"
#include "widgets/touchscrollarea.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QPropertyAnimation>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>
#include <QtTest>

Q_DECLARE_METATYPE(QMouseEvent*)
Q_DECLARE_METATYPE(QKeyEvent*)

namespace {

class CountingWidget : public QWidgetEx {
public:
    int paints = 0;
    int retranslations = 0;
    void Retranslate() override { ++retranslations; }

protected:
    void paintEvent(QPaintEvent* e) override {
        ++paints;
        QWidgetEx::paintEvent(e);
    }
};

} // namespace

class TestWidgetBases : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qRegisterMetaType<QMouseEvent*>();
        qRegisterMetaType<QKeyEvent*>();
    }

    void opacityRepaintsOnlyOnChange() {
        CountingWidget w;
        w.resize(20, 20);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();
        w.paints = 0;
        w.setProperty("opacity", 1.0);
        QCoreApplication::processEvents();
        QCOMPARE(w.paints, 0);
        w.setProperty("opacity", 0.4);
        QTRY_COMPARE(w.paints, 1);
        QCOMPARE(w.opacity(), 0.4);
    }

    void fading() {
        QWidgetEx w;
        QCOMPARE(w.opacity(), 1.0);
        QVERIFY(w.testAttribute(Qt::WA_TranslucentBackground));
        w.SetOpacity(0.5, 0);
        QCOMPARE(w.opacity(), 0.5);
        QVERIFY(!w.findChild<QPropertyAnimation*>()); // made only when a fade is asked for

        w.SetOpacity(1.0, 300);
        auto* anim = w.findChild<QPropertyAnimation*>(QStringLiteral("AnimateOpacity"));
        QVERIFY(anim);
        QCOMPARE(anim->state(), QAbstractAnimation::Running);
        QCOMPARE(anim->duration(), 300);
        QCOMPARE(anim->startValue().toDouble(), 0.5);
        QCOMPARE(anim->endValue().toDouble(), 1.0);
        QCOMPARE(anim->easingCurve().type(), QEasingCurve::InOutQuad);
        // Half way along an in-out quadratic curve is half way in value.
        anim->setCurrentTime(150);
        QCOMPARE(w.opacity(), 0.75);

        // A direct set stops the fade where it is and keeps the animation for the next fade.
        w.SetOpacity(0.5, 0);
        QCOMPARE(anim->state(), QAbstractAnimation::Stopped);
        QCOMPARE(w.opacity(), 0.5);
        w.SetOpacity(0.0, 100);
        QCOMPARE(w.findChildren<QPropertyAnimation*>().size(), 1);
        QCOMPARE(anim->startValue().toDouble(), 0.5);
    }

    void recalcLayout_data() {
        QTest::addColumn<QRect>("child");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("inside the minimum") << QRect(5, 5, 10, 10) << QSize(50, 40);
        QTest::newRow("grows to hold child") << QRect(100, 50, 20, 10) << QSize(120, 60);
        QTest::newRow("wider only") << QRect(60, 0, 10, 10) << QSize(70, 40);
    }

    void recalcLayout() {
        QFETCH(QRect, child);
        QFETCH(QSize, expected);
        QWidgetEx w;
        w.setMinimumSize(50, 40);
        auto* inner = new QWidget(&w);
        auto* grandChild = new QWidget(inner); // descendants count, in their own parent's coordinates
        inner->setGeometry(0, 0, 1, 1);
        grandChild->setGeometry(child);
        w.RecalcLayout();
        QCOMPARE(w.size(), expected);
    }

    void autoResizeForChildren() {
        QWidgetEx w;
        auto* child = new QWidget(&w);
        child->setGeometry(30, 30, 40, 20);
        w.setProperty("autoresizeforchildren", true);
        QCOMPARE(w.size(), QSize(70, 50));
        child->setGeometry(30, 30, 80, 20);
        QEvent layoutRequest(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(&w, &layoutRequest);
        QCOMPARE(w.size(), QSize(110, 50));
    }

    void signalsAndRetranslate() {
        CountingWidget w;
        QSignalSpy enter(&w, &QWidgetEx::OnMouseEnter);
        QSignalSpy leave(&w, &QWidgetEx::OnMouseLeave);
        QEvent e(QEvent::Enter), l(QEvent::Leave), locale(QEvent::LocaleChange);
        QCoreApplication::sendEvent(&w, &e);
        QCoreApplication::sendEvent(&w, &l);
        QCoreApplication::sendEvent(&w, &locale);
        QCOMPARE(enter.count(), 1);
        QCOMPARE(leave.count(), 1);
        QCOMPARE(w.retranslations, 1);
    }

    void pushButtonCaption_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("html");
        QTest::newRow("tag pair") << "<b>Go</b>"
                                  << ""
                                  << "<b>Go</b>";
        QTest::newRow("only greater-than") << "a > b"
                                           << "a > b"
                                           << "";
        QTest::newRow("only less-than") << "a < b"
                                        << "a < b"
                                        << "";
        QTest::newRow("plain") << "Go"
                               << "Go"
                               << "";
    }

    void pushButtonCaption() {
        QFETCH(QString, text);
        QFETCH(QString, plain);
        QFETCH(QString, html);
        QPushButtonEx b;
        b.SetText(text);
        QCOMPARE(b.text(), plain);
        QCOMPARE(b.property("HTMLText").toString(), html);
        b.resize(80, 24);
        QVERIFY(!b.grab().isNull()); // both paint paths run
    }

    void pushButtonSignals() {
        QPushButtonEx b;
        QSignalSpy pressed(&b, &QPushButtonEx::mousepressed);
        b.resize(40, 20);
        QTest::mousePress(&b, Qt::LeftButton);
        QCOMPARE(pressed.count(), 1);
        QVERIFY(pressed.first().first().value<QMouseEvent*>() != nullptr);
        b.setDisabled(true);
        QVERIFY(!b.isEnabled());
        b.setEnabled(true);
        QVERIFY(b.isEnabled());
    }

    void labelStyle_data() {
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("size");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("extra");
        QTest::addColumn<QString>("sheet");
        QTest::newRow("nothing") << false << -1 << QColor() << ""
                                 << "";
        QTest::newRow("size") << false << 12 << QColor() << ""
                              << "QLabel { font-size:12px; }";
        QTest::newRow("all") << true << 9 << QColor(255, 0, 16) << "margin:1px;"
                             << "QLabel {color:#ff0010; font-size:9px; margin:1px;}";
        QTest::newRow("extra only") << false << -1 << QColor() << "padding:2px;"
                                    << "QLabel {  padding:2px;}";
    }

    void labelStyle() {
        QFETCH(bool, bold);
        QFETCH(int, size);
        QFETCH(QColor, color);
        QFETCH(QString, extra);
        QFETCH(QString, sheet);
        QLabelEx label(nullptr, QStringLiteral("Hi"), bold, size, color, extra);
        QCOMPARE(label.styleSheet(), sheet);
        QCOMPARE(label.font().bold(), bold);
    }

    void labelClicksAndHover() {
        QLabelEx label(nullptr, QStringLiteral("Hi"));
        QSignalSpy released(&label, &QLabelEx::released);
        QSignalSpy clicked(&label, &QLabelEx::clicked);
        QSignalSpy dbl(&label, &QLabelEx::OnDoubleClick);
        QTest::mouseClick(&label, Qt::LeftButton);
        QTest::mouseDClick(&label, Qt::LeftButton);
        QCOMPARE(released.count(), clicked.count());
        QVERIFY(clicked.count() >= 1);
        QCOMPARE(dbl.count(), 1);

        label.hoverStyle = QStringLiteral("color:red;");
        QEvent enter(QEvent::Enter), leave(QEvent::Leave);
        QCoreApplication::sendEvent(&label, &enter);
        QCOMPARE(label.styleSheet(), label.hoverStyle);
        QCoreApplication::sendEvent(&label, &leave); // no normal style: the hover style stays
        QCOMPARE(label.styleSheet(), label.hoverStyle);
        label.normalStyle = QStringLiteral("color:blue;");
        QCoreApplication::sendEvent(&label, &leave);
        QCOMPARE(label.styleSheet(), label.normalStyle);
    }

    void labelFitWidth() {
        QLabelEx label(nullptr, QStringLiteral("Some text"));
        label.setGeometry(100, 10, 300, 20);
        const int w = label.fontMetrics().horizontalAdvance(label.text()) + 1;
        label.FitWidthToText(0);
        QCOMPARE(label.geometry(), QRect(100, 10, w, 20));
        label.setGeometry(100, 10, 300, 20);
        label.FitWidthToText(2);
        QCOMPARE(label.geometry(), QRect(400 - w, 10, w, 20));
    }

    void comboSelectText_data() {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        const QStringList sizes{"16 px", "12 px", "10 px"};
        const QStringList words{"Alpha", "beta", "Gamma ray"};
        QTest::newRow("exact") << sizes << true << "12 px" << 1;
        QTest::newRow("by number") << sizes << true << "13" << 1;
        QTest::newRow("by number, trailing unit") << sizes << true << " 11pt " << 2;
        QTest::newRow("not numeric: contained entry") << sizes << false << "13" << 0;
        QTest::newRow("number below all") << sizes << true << "4" << 0;
        QTest::newRow("exact ignoring case") << words << false << "BETA" << 1;
        QTest::newRow("contains, case") << words << false << "ray" << 2;
        QTest::newRow("contains, any case") << words << false << "RAY" << 2;
        QTest::newRow("entry within text") << words << false << "the beta test" << 1;
        QTest::newRow("nothing matches") << words << false << "zzz" << 0;
        QTest::newRow("empty box") << QStringList() << false << "x" << -1;
    }

    void comboSelectText() {
        QFETCH(QStringList, items);
        QFETCH(bool, numeric);
        QFETCH(QString, text);
        QFETCH(int, index);
        QComboBoxEx box;
        box.setEditable(true);
        box.addItems(items);
        box.numeric = numeric;
        box.setCurrentIndex(-1);
        QSignalSpy changed(&box, qOverload<int>(&QComboBox::currentIndexChanged));
        box.SelectText(text);
        QCOMPARE(box.currentIndex(), index);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(box.currentText(), text);
        QVERIFY(!box.signalsBlocked());
    }

    // A closed box narrower than its text shows the text's start and "..."; a text that fits, and an editable
    // box's text, are shown whole.
    void comboShownText() {
        QComboBoxEx box;
        box.addItems({QStringLiteral("[MERVEX] Standard Controls"), QStringLiteral("Mine")});
        box.resize(90, 20);
        const QString shown = box.ShownText();
        QVERIFY2(shown.endsWith(QChar(0x2026)) && shown.startsWith(QLatin1String("[M")), qPrintable(shown));
        QVERIFY(box.fontMetrics().horizontalAdvance(shown) < 90);
        box.setCurrentIndex(1);
        QCOMPARE(box.ShownText(), QStringLiteral("Mine"));
        box.setCurrentIndex(0);
        box.resize(400, 20);
        QCOMPARE(box.ShownText(), QStringLiteral("[MERVEX] Standard Controls"));
        box.resize(90, 20);
        box.setEditable(true);
        QCOMPARE(box.ShownText(), QStringLiteral("[MERVEX] Standard Controls"));
        box.grab(); // paints
    }

    void comboMenu() {
        QComboBoxEx box;
        box.addItems({"a", "b"});
        QMenu* menu = box.GetMenu();
        QCOMPARE(box.GetMenu(), menu);
        QSignalSpy opened(&box, &QComboBoxEx::menuOpen);
        QSignalSpy closed(&box, &QComboBoxEx::menuClose);
        QAction* pick = menu->addAction(QStringLiteral("Picked"));
        QAction* shortcut = menu->addAction(QStringLiteral("Ctrl thing"));
        shortcut->setShortcut(QKeySequence(QStringLiteral("Ctrl+T")));

        box.OnMenuAction(pick); // menu not open: ignored
        QCOMPARE(box.count(), 2);
        box.OnMenuOpen();
        QVERIFY(box.isMenuOpen());
        shortcut->trigger(); // actions with a shortcut do not replace the entries
        QCOMPARE(box.count(), 2);
        pick->trigger();
        QCOMPARE(box.count(), 1);
        QCOMPARE(box.itemText(0), QStringLiteral("Picked"));
        box.OnMenuClose();
        QVERIFY(!box.isMenuOpen());
        box.OnMenuOpen();
        box.OnMenuClose();
        QCOMPARE(opened.count(), 2);
        QCOMPARE(closed.count(), 2);
    }

    // A real click on a menu entry: the menu hides before it reports the entry, and the entry still counts;
    // an entry reported after the click was handled does not.
    void comboMenuClick() {
        QComboBoxEx box;
        box.addItems({"a", "b"});
        QMenu* menu = box.GetMenu();
        QAction* pick = menu->addAction(QStringLiteral("Picked"));
        QAction* other = menu->addAction(QStringLiteral("Other"));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.showPopup();
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(pick).center());
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(box.count(), 1);
        QCOMPARE(box.itemText(0), QStringLiteral("Picked"));
        QTest::qWait(10);
        other->trigger();
        QCOMPARE(box.itemText(0), QStringLiteral("Picked"));
    }

    void comboTextHistory() {
        QComboBoxEx box;
        box.setEditable(true);
        box.setEditText(QStringLiteral("one"));
        box.setEditText(QStringLiteral("two"));
        QCOMPARE(box.currentEditText(), QStringLiteral("two"));
        QCOMPARE(box.previousEditText(), QStringLiteral("one"));
        box.setProperty("hovered", true);
        QVERIFY(box.isHovered());
    }

    void scrollBarLink() {
        QSlider slider(Qt::Horizontal);
        slider.setRange(0, 50);
        slider.setSingleStep(3);
        slider.setPageStep(9);
        QScrollBarEx bar;
        bar.LinkTo(&slider);
        QCOMPARE(bar.minimum(), 0);
        QCOMPARE(bar.maximum(), 50);
        QCOMPARE(bar.singleStep(), 3);
        QCOMPARE(bar.pageStep(), 9);
        slider.setValue(20);
        QCOMPARE(bar.value(), 20);
        bar.setValue(7);
        QCOMPARE(slider.value(), 7);
        slider.setPageStep(11);
        slider.setRange(5, 80);
        QCOMPARE(bar.maximum(), 80);
        QCOMPARE(bar.minimum(), 5);
        QCOMPARE(bar.pageStep(), 11);
    }

    void touchScrollAreaKeys_data() {
        QTest::addColumn<bool>("keysToArea");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("flags off, page down") << false << int(Qt::Key_PageDown) << false;
        QTest::newRow("flags off, down") << false << int(Qt::Key_Down) << false;
        QTest::newRow("to area, page down") << true << int(Qt::Key_PageDown) << true;
        QTest::newRow("to area, down arrow") << true << int(Qt::Key_Down) << false;
    }

    void touchScrollAreaKeys() {
        QFETCH(bool, keysToArea);
        QFETCH(int, key);
        QFETCH(bool, scrolls);
        TouchScrollArea area;
        area.resize(100, 100);
        auto* content = new QWidget;
        content->resize(100, 1000);
        SetScrollAreaWidget(&area, content);
        QVERIFY(!content->autoFillBackground());
        area.keysToArea = keysToArea;
        QSignalSpy spy(&area, &TouchScrollArea::keyPressed);
        QTest::keyClick(&area, Qt::Key(key));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(area.verticalScrollBar()->value() > 0, scrolls);
        QCOMPARE(area.objectName(), QStringLiteral("TouchScrollArea"));
        QCOMPARE(area.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void touchScrollAreaWheel() {
        TouchScrollArea area;
        area.resize(100, 100);
        auto* content = new QWidget;
        content->resize(1000, 1000);
        SetScrollAreaWidget(&area, content);
        area.wheelHorizontal = true;
        QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(area.viewport(), &wheel);
        QVERIFY(area.horizontalScrollBar()->value() > 0);
        QCOMPARE(area.verticalScrollBar()->value(), 0);
    }

    void horizontalLine_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QColor>("middle"); // colour at the middle row, x = 0
        QTest::newRow("plain") << 0 << QColor(48, 48, 48);
        QTest::newRow("dashed") << 1 << QColor(22, 69, 96);
    }

    void horizontalLine() {
        QFETCH(int, style);
        QFETCH(QColor, middle);
        QHorizontalLine line(nullptr, 40, 10, style);
        QCOMPARE(line.minimumSize(), QSize(40, 10));
        const QImage shot = line.grab().toImage();
        QCOMPARE(shot.pixelColor(0, 5), middle);
        if (style == 1)
            QVERIFY(shot.pixelColor(2, 5) != middle); // the gap of the 2-1 dash
    }

    void breakerLineIsCentred() {
        QHorizontalLine line(nullptr, 200, 20, 2);
        QHorizontalLine noMinimum(nullptr, -1, -1, 0);
        QCOMPARE(noMinimum.minimumSize(), QSize(0, 0));
        QImage shot(200, 20, QImage::Format_ARGB32);
        shot.fill(Qt::transparent);
        line.render(&shot, QPoint(), QRegion(), QWidget::DrawChildren);
        // The breaker image is 4 px high: rows 8 to 11 of 20.
        QVERIFY(qAlpha(shot.pixel(80, 10)) > 0);
        QCOMPARE(qAlpha(shot.pixel(80, 3)), 0);
        QCOMPARE(qAlpha(shot.pixel(80, 16)), 0);
    }

    void clearLayout() {
        QWidget host;
        auto* outer = new QVBoxLayout(&host);
        auto* inner = new QHBoxLayout;
        outer->addLayout(inner);
        QPointer<QWidget> a = new QWidget;
        QPointer<QWidget> b = new QWidget;
        outer->addWidget(a);
        inner->addWidget(b);
        QPointer<QLayout> innerGuard = inner;
        ClearLayout(outer);
        QCOMPARE(outer->count(), 0);
        QVERIFY(innerGuard.isNull());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(a.isNull());
        QVERIFY(b.isNull());
        ClearLayout(nullptr);
    }

    void fitWidthToSizeHint() {
        QLabel label(QStringLiteral("A somewhat longer caption"));
        label.setGeometry(10, 5, 400, 30);
        const int w = label.sizeHint().width();
        FitWidthToSizeHint(&label, 0);
        QCOMPARE(label.geometry(), QRect(10, 5, w, 30));
        label.setGeometry(10, 5, 400, 30);
        FitWidthToSizeHint(&label, 2);
        QCOMPARE(label.geometry(), QRect(410 - w, 5, w, 30));
    }
};

QTEST_MAIN(TestWidgetBases)
#include "test_widgetbases.moc"
