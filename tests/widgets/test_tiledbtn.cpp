// Tiled buttons: tile names, composition at every size, the state order of painting, size hints and the
// family's settings.
#include "widgets/addtabbtn.h"
#include "widgets/btnadd2grid.h"
#include "widgets/imgwidget.h"
#include "widgets/mainctrlbtn.h"
#include "widgets/stdbtn.h"
#include "widgets/stdicnbtn.h"
#include "widgets/stdicnbtnnd.h"
#include "widgets/subnavbtn.h"

#include <QtTest>

namespace {

// A fixed tile set drawn by the test, so the composition can be checked pixel by pixel.
struct Tiles {
    QTemporaryDir dir;
    QStringList names;

    Tiles(int capWidth, int centreWidth, int height) {
        auto tile = [&](const QString& name, int w, QColor c) {
            QImage img(w, height, QImage::Format_ARGB32);
            img.fill(c);
            if (w > 1)
                img.setPixelColor(w - 1, 0, Qt::black); // marks each piece's last column
            const QString path = dir.path() + "/" + name + ".png";
            img.save(path);
            names << path;
        };
        const QColor states[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::gray};
        for (const QColor& c : states) {
            tile("L" + c.name(), capWidth, c.darker(150));
            tile("C" + c.name(), centreWidth, c);
            tile("R" + c.name(), capWidth, c.lighter(150));
        }
    }
};

void Show(QWidget& w, QSize size) {
    w.resize(size);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
}

// What the widget paints, over a transparent background.
QImage Shot(QWidget& w) {
    QImage image(w.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    w.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace

class TestTiledBtn : public QObject {
    Q_OBJECT

private slots:
    void applyImages_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("count");
        QTest::newRow("one base name") << QStringList{"B"} << 15;
        QTest::newRow("explicit tiles") << QStringList{"a", "b", "c"} << 3;
        QTest::newRow("none") << QStringList() << 0;
    }

    void applyImages() {
        QFETCH(QStringList, names);
        QFETCH(int, count);
        TiledBtn b;
        b.imageNames = names;
        b.ApplyImages();
        QCOMPARE(b.imageNames.size(), count);
        if (count == 15) {
            QCOMPARE(b.imageNames.first(), QStringLiteral("BLN"));
            QCOMPARE(b.imageNames.at(4), QStringLiteral("BCH"));
            QCOMPARE(b.imageNames.at(9), QStringLiteral("BLA"));
            QCOMPARE(b.imageNames.last(), QStringLiteral("BRD"));
        }
    }

    void compose_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("wide") << 100;
        QTest::newRow("centre cut") << 23;
        QTest::newRow("exactly two caps") << 12;
        QTest::newRow("narrower than caps") << 9;
    }

    void compose() {
        QFETCH(int, width);
        Tiles tiles(6, 5, 20);
        TiledBtn b;
        b.imageNames = tiles.names;
        Show(b, QSize(width, 20));

        const QImage n = b.stateImage(TiledBtn::Normal);
        QCOMPARE(n.size(), QSize(width, 20));
        QCOMPARE(n.format(), QImage::Format_ARGB32);
        const QRgb centre = QColor(Qt::red).rgba(), left = QColor(Qt::red).darker(150).rgba(),
                   right = QColor(Qt::red).lighter(150).rgba(), black = qRgb(0, 0, 0);
        // The right cap is always whole at the right end; it overlaps the left one on narrow buttons.
        QCOMPARE(n.pixel(width - 6, 5), right);
        QCOMPARE(n.pixel(width - 1, 0), black);
        if (width >= 12)
            QCOMPARE(n.pixel(0, 5), left);
        else
            QCOMPARE(n.pixel(width - 7, 5), left);
        // Centre pieces are repeated from x = 6 and the last one is cut before the right cap.
        for (int x = 6; x < width - 6; ++x) {
            const bool lastColumnOfPiece = (x - 6) % 5 == 4;
            QCOMPARE(n.pixel(x, lastColumnOfPiece ? 0 : 5), lastColumnOfPiece ? black : centre);
        }
        for (int s = 0; s < TiledBtn::StateCount; ++s)
            QCOMPARE(b.stateImage(TiledBtn::State(s)).size(), QSize(width, 20));
    }

    void missingTilesKeepStateImage() {
        TiledBtn b;
        b.imageNames = QStringList{":/images/BtnStd"};
        b.ApplyImages();
        b.imageNames[9] = b.imageNames[10] = b.imageNames[11] = QStringLiteral(":/images/Nothing");
        Show(b, QSize(50, 23));
        QVERIFY(b.stateImage(TiledBtn::Active).isNull());
        QVERIFY(!b.stateImage(TiledBtn::Disabled).isNull());
        // 0 x N does nothing: the images of the last size stay.
        b.resize(0, 23);
        QCoreApplication::processEvents();
        QCOMPARE(b.stateImage(TiledBtn::Normal).size(), QSize(50, 23));
        // Fewer than nine names compose nothing.
        TiledBtn few;
        few.imageNames = QStringList{":/images/BtnStdLN", ":/images/BtnStdCN", ":/images/BtnStdRN"};
        Show(few, QSize(30, 23));
        QVERIFY(few.stateImage(TiledBtn::Normal).isNull());
    }

    void stdButtonFromResources() {
        StdBtn b(nullptr, 0);
        Show(b, QSize(100, 23));
        const QImage left(QStringLiteral(":/images/BtnStdLN"));
        const QImage centre(QStringLiteral(":/images/BtnStdCN"));
        const QImage right(QStringLiteral(":/images/BtnStdRN"));
        const QImage n = b.stateImage(TiledBtn::Normal);
        QCOMPARE(n.pixel(1, 11), left.convertToFormat(QImage::Format_ARGB32).pixel(1, 11));
        QCOMPARE(n.pixel(50, 11), centre.convertToFormat(QImage::Format_ARGB32).pixel(50 % centre.width(), 11));
        QCOMPARE(n.pixel(98, 11), right.convertToFormat(QImage::Format_ARGB32).pixel(right.width() - 2, 11));
    }

    // Each case sets one combination and names the state whose image must show at the centre.
    void paintState_data() {
        QTest::addColumn<bool>("active");
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("hover");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("state");
        QTest::newRow("normal") << false << false << false << true << int(TiledBtn::Normal);
        QTest::newRow("hover") << false << false << true << true << int(TiledBtn::Hover);
        QTest::newRow("pressed beats hover") << false << true << true << true << int(TiledBtn::Pressed);
        QTest::newRow("active beats pressed") << true << true << true << true << int(TiledBtn::Active);
        QTest::newRow("disabled") << false << false << false << false << int(TiledBtn::Disabled);
        QTest::newRow("disabled ignores hover") << false << false << true << false << int(TiledBtn::Disabled);
    }

    void paintState() {
        QFETCH(bool, active);
        QFETCH(bool, down);
        QFETCH(bool, hover);
        QFETCH(bool, enabled);
        QFETCH(int, state);
        Tiles tiles(4, 4, 20);
        TiledBtn b;
        b.imageNames = tiles.names;
        Show(b, QSize(40, 20));
        b.setActive(active);
        b.setDown(down);
        b.setAttribute(Qt::WA_UnderMouse, hover);
        b.setEnabled(enabled);
        QCOMPARE(Shot(b).pixel(10, 10), b.stateImage(TiledBtn::State(state)).pixel(10, 10));
    }

    void disabledWithoutTilesIsHalfNormal() {
        TiledBtn b;
        b.imageNames = QStringList{":/images/BtnStd"};
        b.ApplyImages();
        b.imageNames = b.imageNames.mid(0, 9); // no active, no disabled tiles
        Show(b, QSize(40, 23));
        b.setEnabled(false);
        const QRgb normal = b.stateImage(TiledBtn::Normal).pixel(20, 11);
        const QRgb shown = Shot(b).pixel(20, 11);
        QVERIFY(qAbs(qAlpha(shown) - qAlpha(normal) / 2) <= 2);
        // Active without active tiles falls through to the next state.
        b.setEnabled(true);
        b.setActive(true);
        QCOMPARE(Shot(b).pixel(20, 11), normal);
    }

    void sizeHint() {
        TiledBtn b;
        QCOMPARE(b.sizeHint(), QSize(10, 6));
        b.padLeft = 3;
        b.padRight = 4;
        b.setText(QStringLiteral("Caption"));
        const QRect r = QFontMetrics(b.captionFont)
                            .boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX), 0, QStringLiteral("Caption"));
        QCOMPARE(b.sizeHint(), QSize(r.width() + 27, r.height() + 6));
        b.setMaximumWidth(30);
        b.setText(QStringLiteral("A much longer caption than thirty pixels"));
        QCOMPARE(b.sizeHint().width(), 30);

        StdBtn std(nullptr, 0);
        QCOMPARE(std.sizeHint().height(), 23);
        StdBtn small(nullptr, 1);
        QCOMPARE(small.sizeHint().height(), 19);
    }

    void family_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("firstTile");
        QTest::addColumn<int>("minHeight");
        QTest::addColumn<QColor>("disabledColor");
        QTest::newRow("StdBtn 0") << "std0"
                                  << ":/images/BtnStdLN" << 23 << QColor(112, 113, 113);
        QTest::newRow("StdBtn 1") << "std1"
                                  << ":/images/BtnSmlLN" << 19 << QColor(112, 113, 113);
        QTest::newRow("StdBtn 2") << "std2"
                                  << ":/images/BtnBluLN" << 23 << QColor(112, 113, 113);
        QTest::newRow("StdBtn other") << "std7"
                                      << ":/images/BtnStdLN" << 23 << QColor(112, 113, 113);
        QTest::newRow("MainCtrlBtn") << "main"
                                     << ":/images/BtnMainCtrlLN" << 0 << QColor(80, 80, 80);
        QTest::newRow("SubnavBtn") << "subnav"
                                   << ":/images/BtnSubnavLN" << 30 << QColor(112, 113, 113);
        QTest::newRow("StdIcnBtnND") << "icnnd"
                                     << ":/images/BtnStdLN" << 23 << QColor(112, 113, 113);
        QTest::newRow("AddTabBtn") << "addtab"
                                   << ":/images/BtnBluIcnLN" << 22 << QColor(112, 113, 113);
    }

    void family() {
        QFETCH(QString, kind);
        QFETCH(QString, firstTile);
        QFETCH(int, minHeight);
        QFETCH(QColor, disabledColor);
        QScopedPointer<TiledBtn> b;
        if (kind.startsWith("std"))
            b.reset(new StdBtn(nullptr, kind.mid(3).toInt()));
        else if (kind == "main")
            b.reset(new MainCtrlBtn);
        else if (kind == "subnav")
            b.reset(new SubnavBtn);
        else if (kind == "icnnd")
            b.reset(new StdIcnBtnND(nullptr, QStringLiteral(":/images/BtnAddTabIcn")));
        else
            b.reset(new AddTabBtn);
        QCOMPARE(b->imageNames.size(), 15);
        QCOMPARE(b->imageNames.first(), firstTile);
        QCOMPARE(b->minimumHeight(), minHeight);
        QCOMPARE(b->textColor(TiledBtn::Disabled), disabledColor);
        Show(*b, QSize(60, qMax(minHeight, 20)));
        QVERIFY(!b->stateImage(TiledBtn::Normal).isNull());
    }

    void iconButtons() {
        AddTabBtn add;
        QCOMPARE(add.padLeft, 20);
        QVERIFY(add.iconWidget());
        QCOMPARE(add.iconWidget()->size(), QSize(16, 16));

        StdIcnBtn b(nullptr, QStringLiteral(":/images/BtnAddTabIcn"));
        QVERIFY(b.divider());
        QCOMPARE(b.divider()->pos(), QPoint(20, 0));
        b.AddDivider();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(b.findChildren<ImgWidget*>().size(), 2); // the icon and one divider
    }

    void mainCtrlClickCarriesId() {
        MainCtrlBtn b;
        b.id = 7;
        QSignalSpy spy(&b, qOverload<int>(&MainCtrlBtn::clicked));
        b.resize(40, 20);
        QTest::mouseClick(&b, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().toInt(), 7);
    }

    void keepFocus_data() {
        QTest::addColumn<bool>("keep");
        QTest::newRow("keep focus") << true;
        QTest::newRow("ordinary") << false;
    }

    void keepFocus() {
        // A pressed button losing the focus normally springs back; with keepFocus the loss is ignored.
        QFETCH(bool, keep);
        TiledBtn b;
        b.keepFocus = keep;
        b.setDown(true);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(&b, &out);
        QCOMPARE(b.isDown(), keep);
    }

    void twoLineCaption() {
        BtnAdd2Grid b;
        b.SetText(QStringLiteral("Add\nGrid"));
        QCOMPARE(b.twoLineText, QStringLiteral("Add\nGrid"));
        QCOMPARE(b.text(), QString());
        b.SetText(QStringLiteral("Plain"));
        QCOMPARE(b.text(), QStringLiteral("Plain"));
        QCOMPARE(b.twoLineText, QStringLiteral("Add\nGrid"));
        b.resize(120, 50);
        QVERIFY(!b.grab().isNull());
    }
};

QTEST_MAIN(TestTiledBtn)
#include "test_tiledbtn.moc"
