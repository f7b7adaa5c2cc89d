// The application style: no focus frames on buttons or in combo-box lists, a blurred shadow under
// condensed button captions, and a glow that moves text in the program's blue to the right.
#include "shell/mervexstyle.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QtTest>

namespace {
QImage Blank(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

int CountPixels(const QImage& image, const std::function<bool(QRgb)>& test) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// The leftmost column holding an opaque pixel (the glow alone never is); -1 when none.
int LeftmostSolid(const QImage& image) {
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qAlpha(image.pixel(x, y)) > 240)
                return x;
    return -1;
}

QImage DrawText(const MervexStyle& style, const QString& family, const QColor& color, QPalette::ColorRole role) {
    QImage image = Blank(200, 60);
    QPainter p(&image);
    QFont font(family);
    font.setPixelSize(24);
    p.setFont(font);
    QPalette pal;
    pal.setColor(role, color);
    style.drawItemText(&p, QRect(20, 10, 170, 40), Qt::AlignLeft | Qt::AlignVCenter, pal, true, QStringLiteral("HIH"),
                       role);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
} // namespace

class TestMervexStyle : public QObject {
    Q_OBJECT

private slots:
    void focusFrames_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("button") << "button" << false;
        QTest::newRow("combo-box list") << "combolist" << false;
        QTest::newRow("line edit") << "lineedit" << true;
        QTest::newRow("list view alone") << "list" << true;
    }
    void focusFrames() {
        QFETCH(QString, kind);
        QFETCH(bool, drawn);
        MervexStyle style;
        QWidget top;
        QPushButton button(&top);
        QLineEdit edit(&top);
        QListView list(&top);
        QComboBox combo(&top);
        QWidget container(&combo);
        QListView comboList(&container);
        QWidget* widget = kind == "button"     ? static_cast<QWidget*>(&button)
                          : kind == "lineedit" ? static_cast<QWidget*>(&edit)
                          : kind == "list"     ? static_cast<QWidget*>(&list)
                                               : static_cast<QWidget*>(&comboList);
        QImage image = Blank(40, 20);
        QPainter p(&image);
        QStyleOptionFocusRect opt;
        opt.rect = QRect(2, 2, 36, 16);
        opt.palette.setColor(QPalette::WindowText, Qt::black);
        opt.palette.setColor(QPalette::Window, Qt::white);
        opt.state = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
        style.drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, widget);
        p.end();
        QCOMPARE(CountPixels(image, [](QRgb c) { return qAlpha(c) != 0; }) > 0, drawn);
    }

    void captionShadow_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("shadow");
        QTest::newRow("condensed caption") << "Eurostile LT Std Condensed" << int(QPalette::ButtonText) << true;
        QTest::newRow("other face") << "DejaVu Sans" << int(QPalette::ButtonText) << false;
        QTest::newRow("not a caption") << "Eurostile LT Std Condensed" << int(QPalette::WindowText) << false;
        QTest::newRow("case matters") << "eurostile condensed" << int(QPalette::ButtonText) << false;
    }
    void captionShadow() {
        QFETCH(QString, family);
        QFETCH(int, role);
        QFETCH(bool, shadow);
        MervexStyle style;
        const QImage image = DrawText(style, family, Qt::white, QPalette::ColorRole(role));
        // White text alone has no dark pixels; its blurred shadow does.
        const int dark = CountPixels(image, [](QRgb c) { return qAlpha(c) > 30 && qGray(c) < 60; });
        QCOMPARE(dark > 0, shadow);
    }

    void glowMovesTextRight() {
        MervexStyle style;
        const QImage plain =
            DrawText(style, QStringLiteral("DejaVu Sans"), QColor(100, 195, 248), QPalette::WindowText);
        const QImage glow =
            DrawText(style, QStringLiteral("DejaVu Sans"), MervexStyle::GlowColor(), QPalette::WindowText);
        QCOMPARE(LeftmostSolid(glow) - LeftmostSolid(plain), 4);
        // The glow itself reaches where the plain text has nothing.
        const int faint = CountPixels(glow, [](QRgb c) { return qAlpha(c) > 0 && qAlpha(c) < 120; });
        const int faintPlain = CountPixels(plain, [](QRgb c) { return qAlpha(c) > 0 && qAlpha(c) < 120; });
        QVERIFY(faint > faintPlain);
    }

    void emptyTextDrawsNothing() {
        MervexStyle style;
        QImage image = Blank(50, 20);
        QPainter p(&image);
        style.drawItemText(&p, image.rect(), 0, QPalette(), true, QString(), QPalette::ButtonText);
        p.end();
        QCOMPARE(CountPixels(image, [](QRgb c) { return qAlpha(c) != 0; }), 0);
    }

    void tabFont() {
        const QFont f = MervexStyle::GetTabFont();
        QCOMPARE(f.family(), QStringLiteral("Eurostile LT Std"));
        QCOMPARE(f.pixelSize(), 24);
        QCOMPARE(f.weight(), 63);
    }
};

QTEST_MAIN(TestMervexStyle)
#include "test_mervexstyle.moc"
