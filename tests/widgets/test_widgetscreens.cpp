// Screenshots of a message box and of a tiled button in each state, compared with the committed golden
// images beside this test. The shots carry no text, so they do not depend on the machine's fonts.
// Set MERVEX_UPDATE_GOLDENS=1 to rewrite the golden images after an intended change of the drawings.
#include "widgets/popupwnd.h"
#include "widgets/stdbtn.h"

#include <QtTest>

namespace {

QString GoldenPath(const QString& name) {
    return QStringLiteral(MERVEX_TEST_SOURCE_DIR "/golden/") + name + QStringLiteral(".png");
}

// Equal sizes and no channel of any pixel further apart than tolerance.
bool SameImage(const QImage& a, const QImage& b, int tolerance, QString* why) {
    if (a.size() != b.size()) {
        *why = QStringLiteral("size %1x%2, golden %3x%4").arg(a.width()).arg(a.height()).arg(b.width()).arg(b.height());
        return false;
    }
    int bad = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > tolerance || qAbs(qGreen(p) - qGreen(q)) > tolerance ||
                qAbs(qBlue(p) - qBlue(q)) > tolerance || qAbs(qAlpha(p) - qAlpha(q)) > tolerance)
                ++bad;
        }
    }
    *why = QStringLiteral("%1 pixels differ").arg(bad);
    return bad == 0;
}

void CompareWithGolden(const QImage& shot, const QString& name) {
    const QImage actual = shot.convertToFormat(QImage::Format_ARGB32);
    const QString golden = GoldenPath(name);
    if (qEnvironmentVariableIntValue("MERVEX_UPDATE_GOLDENS") == 1) {
        QVERIFY(actual.save(golden, "PNG"));
        return;
    }
    const QImage expected(golden);
    QVERIFY2(!expected.isNull(), qPrintable("no golden image " + golden));
    QString why;
    if (!SameImage(actual, expected.convertToFormat(QImage::Format_ARGB32), 2, &why)) {
        const QString saved = QDir::temp().filePath(name + QStringLiteral("_actual.png"));
        actual.save(saved, "PNG");
        QFAIL(qPrintable(name + ": " + why + "; this run's shot is " + saved));
    }
}

} // namespace

class TestWidgetScreens : public QObject {
    Q_OBJECT

private slots:
    void messageBox() {
        // The real message box, shot while its modal loop runs; its button captions are cleared first.
        QImage shot;
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, [&shot, timer] {
            auto* box = qobject_cast<PopupWnd*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            timer->stop();
            for (QAbstractButton* b : box->buttonBox()->buttons())
                b->setText(QString());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); // captionless button widths
            shot = box->grab().toImage();
            box->reject();
        });
        timer->start(5);
        MsgBoxQuestion(nullptr, QString(), QString(), PopupWnd::YES | PopupWnd::NO, PopupWnd::YES);
        CompareWithGolden(shot, QStringLiteral("msgbox_question"));
    }

    void tiledButtonStates_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("state");
        for (int type : {0, 2}) {
            for (const char* state : {"normal", "hover", "pressed", "active", "disabled"})
                QTest::newRow(qPrintable(QStringLiteral("type %1 %2").arg(type).arg(state))) << type << state;
        }
    }

    void tiledButtonStates() {
        QFETCH(int, type);
        QFETCH(QString, state);
        StdBtn b(nullptr, type);
        b.resize(70, 23);
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        b.setAttribute(Qt::WA_UnderMouse, state == "hover");
        b.setDown(state == "pressed");
        b.setActive(state == "active");
        b.setEnabled(state != "disabled");
        CompareWithGolden(b.grab().toImage(), QStringLiteral("stdbtn%1_%2").arg(type).arg(state));
    }
};

QTEST_MAIN(TestWidgetScreens)
#include "test_widgetscreens.moc"
