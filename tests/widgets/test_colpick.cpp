#include "foundation/helpers.h"
#include "widgets/colpickbtn.h"
#include "widgets/colpickpopup.h"
#include "widgets/qcolorluminancepicker.h"
#include "widgets/qcolorpicker.h"
#include "widgets/qcolorwell.h"
#include "widgets/spindrop.h"
#include "widgets/stdbtn.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {
void Press(QWidget* w, QPoint pos) {
    QMouseEvent e(QEvent::MouseButtonPress, pos, w->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void Release(QWidget* w, QPoint pos) {
    QMouseEvent e(QEvent::MouseButtonRelease, pos, w->mapToGlobal(pos), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Opens the button's popup, runs `drive` on it once it is up, then ends it with `result`.
void RunPopup(ColPickBtn& btn, const std::function<void(ColPickPopup*)>& drive, int result) {
    QTimer::singleShot(0, [&] {
        auto* popup = qobject_cast<ColPickPopup*>(QApplication::activeModalWidget());
        QVERIFY(popup);
        drive(popup);
        popup->done(result);
    });
    btn.OpenColorDialog();
}
} // namespace

class TestColPick : public QObject {
    Q_OBJECT

private slots:
    void buttonColorText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("back");
        QTest::newRow("opaque") << "#ff8000"
                                << "#ff8000";
        QTest::newRow("with alpha") << "#80ff8000"
                                    << "#80ff8000";
        QTest::newRow("transparent black") << "#00000000"
                                           << "#00000000";
        QTest::newRow("malformed") << "#zz" << ColorToText(ColorFromText("#zz"));
        QTest::newRow("huge") << QString(100000, QLatin1Char('f')) << ColorToText(ColorFromText(QString(100000, 'f')));
    }

    void buttonColorText() {
        QFETCH(QString, text);
        ColPickBtn btn;
        QCOMPARE(btn.size(), QSize(19, 19));
        QCOMPARE(btn.Color(), QRgb(0x007F7F7F));
        QSignalSpy spy(&btn, &ColPickBtn::changed);
        btn.SetColor(text);
        QTEST(btn.GetColor(), "back");
        QCOMPARE(spy.count(), 0);
        btn.grab();
    }

    void buttonPaintsColourThroughMask() {
        ColPickBtn btn;
        btn.SetColor("#ff0000");
        const QImage red = btn.grab().toImage();
        QVERIFY(qRed(red.pixel(9, 9)) > 240 && qGreen(red.pixel(9, 9)) < 10);
        btn.SetColor("#00ff0000");
        const QImage clear = btn.grab().toImage();
        QVERIFY(qRed(clear.pixel(9, 9)) < 240);
    }

    void cancelRestores() {
        ColPickBtn btn;
        btn.SetColor("#112233");
        QSignalSpy spy(&btn, &ColPickBtn::changed);
        RunPopup(
            btn,
            [](ColPickPopup* p) {
                p->OnWellSelectStd(3, 0);
                p->OnWellSelectStd(3, 3);
            },
            PopupWnd::CANCEL);
        QCOMPARE(btn.GetColor(), QStringLiteral("#112233"));
        QVERIFY(spy.count() >= 3);
        QCOMPARE(QRgb(spy.last().at(0).toUInt()), ColorFromText("#112233").rgba());
        // The preview showed the tried colours.
        bool sawBlue = false;
        for (const QList<QVariant>& args : spy)
            sawBlue |= QRgb(args.at(0).toUInt()) == 0xFF0000FFu;
        QVERIFY(sawBlue);
    }

    void okKeeps() {
        ColPickBtn btn;
        RunPopup(
            btn, [](ColPickPopup* p) { p->OnWellSelectStd(0, 7); }, PopupWnd::OK);
        QCOMPARE(btn.GetColor(), QStringLiteral("#65c3f7"));
    }

    void firstPickOnTransparentIsOpaque() {
        ColPickBtn btn;
        btn.SetColor("#00000000");
        RunPopup(
            btn,
            [](ColPickPopup* p) {
                QColorPicker* field = p->Picker();
                const QRect c = field->contentsRect();
                Press(field, c.topLeft() + QPoint(c.width() / 2, 0));
                Release(field, c.topLeft() + QPoint(c.width() / 2, 0));
            },
            PopupWnd::OK);
        const QColor got = QColor::fromRgba(btn.Color());
        QCOMPARE(got.alpha(), 255);
        QCOMPARE(got.value(), 255);
        QCOMPARE(got.hsvSaturation(), 255);
        QVERIFY(qAbs(got.hsvHue() - 180) <= 2);
    }

    void fieldsAndText() {
        ColPickPopup popup;
        QCOMPARE(popup.size(), QSize(540, 400));
        QCOMPARE(popup.currentColor(), QColor(Qt::white));
        popup.SetCurrentColor(QColor(10, 20, 30, 40));
        QCOMPARE(popup.Field(ColPickPopup::Red)->Value(), 10);
        QCOMPARE(popup.Field(ColPickPopup::Alpha)->Value(), 40);
        QCOMPARE(popup.OpacityBar()->value(), 255 - 40);
        QCOMPARE(popup.HexField()->text(), ColorToText(QColor(10, 20, 30, 40)));

        popup.Field(ColPickPopup::Green)->SetValue(200);
        QCOMPARE(popup.currentColor(), QColor(10, 200, 30, 40));
        popup.Field(ColPickPopup::Hue)->SetValue(400); // clamps to 359
        QCOMPARE(popup.Field(ColPickPopup::Hue)->Value(), 359);

        // A bad text leaves the colour; a good one takes it.
        const QColor before = popup.currentColor();
        popup.HexField()->setText(QStringLiteral("not a colour"));
        popup.HexField()->setText(QString(70000, QLatin1Char('9')));
        QCOMPARE(popup.currentColor(), before);
        popup.HexField()->setText(QStringLiteral("#336699"));
        QCOMPARE(popup.currentColor(), QColor(0x33, 0x66, 0x99));
    }

    void customColours() {
        QVariantMap settings;
        SetColorPickerSettings(&settings);
        {
            ColPickPopup popup;
            popup.SetCurrentColor(Qt::red);
        }
        QVERIFY(!settings.contains(QStringLiteral("CustomColors")));
        {
            ColPickPopup popup;
            popup.OnWellSelectCst(1, 3);
            QCOMPARE(popup.CurrentCustomIndex(), 7);
            popup.SetCurrentColor(QColor(1, 2, 3, 4));
            popup.OnAddCustomColor();
            popup.SetCurrentColor(QColor(5, 6, 7));
            QTest::mouseClick(popup.CustomButton(), Qt::LeftButton);
            QCOMPARE(popup.CustomWell()->ValueAt(1, 3), QColor(5, 6, 7).rgba());
        }
        const QStringList stored = settings.value(QStringLiteral("CustomColors")).toStringList();
        QCOMPARE(stored.size(), 16);
        QCOMPARE(stored.at(7), ColorToText(QColor(5, 6, 7)));
        QCOMPARE(stored.at(0), ColorToText(QColor::fromRgba(0)));
        SetColorPickerSettings(nullptr);
    }
};

QTEST_MAIN(TestColPick)
#include "test_colpick.moc"
