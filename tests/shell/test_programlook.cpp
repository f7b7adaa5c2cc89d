// The program's look: every font family the program asks for is drawn with the shipped fonts (bold where
// bold is asked), the tab captions of the shipped grids and of a new custom grid fit their tab, and check boxes
// show their state under white text.
#include "config/datacfg.h"
#include "config/tgrid.h"
#include "shell/mervexstyle.h"
#include "shell/programlook.h"
#include "tests/common/wiredprogram.h"
#include "widgets/tabfont.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QtTest>

namespace {
// The brightness (0 to 255) of a pixel.
double Luma(QRgb p) {
    return 0.2126 * qRed(p) + 0.7152 * qGreen(p) + 0.0722 * qBlue(p);
}

// Pixels that an eye tells apart between two looks of the same widget.
int VisiblyDifferent(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < qMin(a.height(), b.height()); ++y)
        for (int x = 0; x < qMin(a.width(), b.width()); ++x)
            n += qAbs(Luma(a.pixel(x, y)) - Luma(b.pixel(x, y))) > 60 ? 1 : 0;
    return n;
}
} // namespace

class TestProgramLook : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QApplication::setStyle(new MervexStyle);
        ProgramLook::Install();
    }

    void askedFamiliesUseTheShippedFonts() {
        for (const QString& family : ProgramLook::MappedFamilies()) {
            for (const bool bold : {false, true}) {
                QFont font(family);
                font.setPixelSize(14);
                font.setBold(bold);
                const QFontInfo info(font);
                QVERIFY2(info.family() == ProgramLook::ShippedFamily(), qPrintable(family + " -> " + info.family()));
                QVERIFY2(info.bold() == bold, qPrintable(family));
            }
        }
        // The tab font names its family as asked: the style's shadow goes by that name.
        QCOMPARE(QFontInfo(TabCaptionFont()).family(), ProgramLook::ShippedFamily());
    }

    void tabCaptionsFitTheirTab() {
        DataCfg cfg;
        cfg.LoadDataFolder(WiredProgram::DataFolder());
        QStringList captions = {QStringLiteral("CUSTOM\nGRID #99")};
        for (const DataCfg::TGrid& grid : cfg.Grids())
            captions << (grid.Title.isEmpty() ? grid.GetDisplayName() : grid.Title);
        QVERIFY(captions.size() > 3);
        const QFontMetrics fm(TabCaptionFont());
        for (const QString& caption : captions)
            for (const QString& line : caption.split(QLatin1Char('\n')))
                QVERIFY2(fm.horizontalAdvance(line) <= 149, qPrintable(line));
    }

    // A page that makes its text white (as the settings pages do) still shows whether a box is checked, and a
    // partly checked box differs from both.
    void checkBoxesShowTheirStateUnderWhiteText() {
        QWidget page;
        page.setStyleSheet(QStringLiteral("QCheckBox { color: white; }"));
        auto* box = new QCheckBox(QStringLiteral("Read news feeds"), &page);
        box->setTristate(true);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QList<QImage> looks;
        for (Qt::CheckState state : {Qt::Unchecked, Qt::PartiallyChecked, Qt::Checked}) {
            box->setCheckState(state);
            looks << box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        }
        QVERIFY(VisiblyDifferent(looks[0], looks[1]) >= 6);
        QVERIFY(VisiblyDifferent(looks[1], looks[2]) >= 6);
        QVERIFY(VisiblyDifferent(looks[0], looks[2]) >= 6);
    }
};

QTEST_MAIN(TestProgramLook)
#include "test_programlook.moc"
