// The help-guide overlay: one at a time, its captions as written, closing lets it open again.
#include "shell/helpguideovl.h"
#include "tests/common/logcapture.h"
#include "widgets/imgbtn.h"
#include "widgets/qlabelex.h"

#include <QPointer>
#include <QtTest>

class TestHelpGuide : public QObject {
    Q_OBJECT

private slots:
    void oneOverlayAtATime() {
        QWidget window;
        window.resize(1024, 787);
        auto* first = new HelpGuideOvl(&window);
        QCOMPARE(HelpGuideOvl::Current(), first);
        QCOMPARE(first->geometry(), QRect(7, 89, 1010, 659));
        QPointer<HelpGuideOvl> second = new HelpGuideOvl(&window);
        QCOMPARE(HelpGuideOvl::Current(), first);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!second);
        QCOMPARE(window.findChildren<HelpGuideOvl*>().size(), 1);

        QPointer<HelpGuideOvl> closed = first;
        first->CloseButton()->click();
        QVERIFY(!HelpGuideOvl::Current());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!closed);
        auto* again = new HelpGuideOvl(&window);
        QCOMPARE(HelpGuideOvl::Current(), again);
        delete again;
        QVERIFY(!HelpGuideOvl::Current());
    }

    void captionsKeepTheirBreaksAndBlanks() {
        QWidget window;
        window.resize(1024, 787);
        HelpGuideOvl overlay(&window);
        QCOMPARE(overlay.Caption(0)->text(), QStringLiteral("Choose a control\nfrom category."));
        QCOMPARE(overlay.Caption(1)->text(), QStringLiteral("Edit control settings.\nPreview here."));
        QCOMPARE(overlay.Caption(2)->text(), QStringLiteral("Place on grid. "));
        QCOMPARE(overlay.Caption(3)->text(), QStringLiteral(" Add Grid\nto tab bar."));
        QCOMPARE(overlay.Caption(0)->pos(), QPoint(18, 329));
        QCOMPARE(overlay.Caption(2)->geometry(), QRect(55, 563, 445, 120));
        QCOMPARE(overlay.Caption(2)->alignment(), Qt::AlignRight | Qt::AlignTop);
        QCOMPARE(overlay.Caption(3)->geometry(), QRect(750, 535, 270, 120));
        ImgBtn* close = overlay.CloseButton();
        QVERIFY(!close->Image(ImgBtn::IN).isNull());
        QCOMPARE(close->pos(), QPoint(overlay.width() - close->width() - 20, 20));
        QVERIFY(!QImage(QStringLiteral(":/images/HelpGuideOvl_BG")).isNull());
    }

    // The close button has no checked looks; opening the guide looks for them without a warning each time.
    void openingLogsNoMissingLooks() {
        QWidget window;
        window.resize(1024, 787);
        LogCapture log;
        for (int i = 0; i < 2; ++i) {
            auto* overlay = new HelpGuideOvl(&window);
            QVERIFY(!overlay->CloseButton()->Image(ImgBtn::IH).isNull());
            overlay->OnClose();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        log.Stop();
        QCOMPARE(log.Count(QStringLiteral("WARN")), 0);
    }
};

QTEST_MAIN(TestHelpGuide)
#include "test_helpguide.moc"
