// The program's look: every font family the program asks for is drawn with the shipped fonts (bold where
// bold is asked), and the tab captions of the shipped grids and of a new custom grid fit their tab.
#include "config/datacfg.h"
#include "config/tgrid.h"
#include "shell/programlook.h"
#include "tests/common/wiredprogram.h"
#include "widgets/tabfont.h"

#include <QFontInfo>
#include <QtTest>

class TestProgramLook : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ProgramLook::Install(); }

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
};

QTEST_MAIN(TestProgramLook)
#include "test_programlook.moc"
