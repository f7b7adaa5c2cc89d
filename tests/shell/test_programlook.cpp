// The program's look: every font family the program asks for is drawn with the shipped fonts (bold where
// bold is asked), the tab captions of the shipped grids and of a new custom grid fit their tab, the toolkit's
// own controls are dark like the rest of the program, and check boxes show their state under white text.
#include "config/datacfg.h"
#include "config/tgrid.h"
#include "shell/mervexstyle.h"
#include "shell/programlook.h"
#include "tests/common/wiredprogram.h"
#include "widgets/tabfont.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTreeView>
#include <QtTest>

namespace {
// The brightness (0 to 255) of a pixel.
double Luma(QRgb p) {
    return 0.2126 * qRed(p) + 0.7152 * qGreen(p) + 0.0722 * qBlue(p);
}

// The mean brightness of what the widget draws.
double MeanLuma(QWidget* w) {
    const QImage image = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += Luma(image.pixel(x, y));
    return sum / qMax(1, image.width() * image.height());
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

    // On the program's dark panels, the toolkit's controls are dark too: none of them shows its light default.
    void controlsAreDark_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind :
             {"combo box", "editable combo box", "vertical scroll bar", "horizontal scroll bar", "line edit", "tree"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void controlsAreDark() {
        QFETCH(QString, kind);
        QWidget panel;
        panel.setObjectName(QStringLiteral("panel"));
        panel.setStyleSheet(QStringLiteral("#panel { background-color: #0d0d0d; }"));
        panel.resize(300, 200);
        QWidget* w = nullptr;
        if (kind.endsWith(QLatin1String("combo box"))) {
            auto* combo = new QComboBox(&panel);
            combo->addItems({QStringLiteral("All Grids"), QStringLiteral("Preset Grids")});
            combo->setEditable(kind.startsWith(QLatin1String("editable")));
            w = combo;
        } else if (kind.endsWith(QLatin1String("scroll bar"))) {
            auto* bar =
                new QScrollBar(kind.startsWith(QLatin1String("vertical")) ? Qt::Vertical : Qt::Horizontal, &panel);
            bar->setRange(0, 100);
            bar->resize(bar->orientation() == Qt::Vertical ? QSize(19, 180) : QSize(180, 19));
            w = bar;
        } else if (kind == QLatin1String("line edit")) {
            w = new QLineEdit(QStringLiteral("text"), &panel);
        } else {
            auto* tree = new QTreeView(&panel);
            auto* model = new QStandardItemModel(tree);
            model->appendRow(new QStandardItem(QStringLiteral("Media")));
            tree->setModel(model);
            w = tree;
        }
        if (!qobject_cast<QScrollBar*>(w))
            w->resize(200, kind == QLatin1String("tree") ? 120 : 22);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QVERIFY2(MeanLuma(w) < 80, qPrintable(QString::number(MeanLuma(w))));
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
