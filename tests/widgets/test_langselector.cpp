#include "widgets/langbtn.h"
#include "widgets/langselbtn.h"
#include "widgets/langselector.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestLangSelector : public QObject {
    Q_OBJECT

private slots:
    void panelLayout() {
        LangSelector panel;
        QCOMPARE(panel.size(), QSize(100, 145));
        const QList<LangSelBtn*> entries = panel.findChildren<LangSelBtn*>();
        QCOMPARE(entries.size(), 8);
        const QStringList codes{"en", "fr", "de", "ru", "es", "pt", "cn", "tw"};
        for (int i = 0; i < entries.size(); ++i) {
            QCOMPARE(entries.at(i)->GetCode(), codes.at(i));
            QCOMPARE(entries.at(i)->geometry(), QRect(0, 16 + 16 * i, 100, 16));
            QVERIFY2(entries.at(i)->HasFlag(), qPrintable(codes.at(i)));
        }
    }

    void names_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("flag");
        QTest::newRow("tc") << "tc" << QString::fromUtf8("簡體字") << false;
        QTest::newRow("br") << "br" << QString() << true;
        QTest::newRow("de") << "de"
                            << "Deutsch" << true;
        QTest::newRow("ru") << "ru" << QString::fromUtf8("Русский язык") << true;
        QTest::newRow("garbage") << "../../x" << QString() << false;
    }

    void names() {
        QFETCH(QString, code);
        LangSelBtn btn;
        btn.SetCode(code);
        QTEST(btn.GetName(), "name");
        QTEST(btn.HasFlag(), "flag");
        QCOMPARE(btn.size(), QSize(100, 16));
        if (code == QLatin1String("ru"))
            QCOMPARE(btn.GetName().at(0).unicode(), ushort(0x0420)); // Cyrillic Er, not the look-alike Greek Pi
        btn.grab();                                                  // paints without a flag or name as well
    }

    // Every offered language's name ends inside its entry, whatever face stands in for the asked one.
    void namesFitTheirEntry() {
        LangSelector panel;
        for (LangSelBtn* entry : panel.findChildren<LangSelBtn*>()) {
            const int right = 32 + QFontMetrics(entry->NameFont()).horizontalAdvance(entry->GetName());
            QVERIFY2(right < entry->width(), qPrintable(entry->GetName()));
            QVERIFY(entry->NameFont().pointSizeF() >= 5);
        }
    }

    void clickEmitsCode() {
        LangSelector panel;
        QSignalSpy spy(&panel, &LangSelector::LanguageClicked);
        LangSelBtn* de = panel.findChildren<LangSelBtn*>().at(2);
        de->SetCode("de"); // setting the code again keeps one connection
        QTest::mouseClick(de, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().at(0).toString(), QStringLiteral("de"));
    }

    void focusLossHides() {
        QWidget window;
        window.resize(300, 300);
        QLineEdit* other = new QLineEdit(&window);
        LangSelector* panel = new LangSelector(&window);
        panel->move(100, 20);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy spy(panel, &LangSelector::LanguageClicked);
        panel->hide();
        panel->show();
        QTRY_VERIFY(panel->hasFocus());
        other->setFocus();
        QTRY_VERIFY(!panel->isVisible());
        QCOMPARE(spy.count(), 0);
    }

    void langBtn() {
        LangBtn btn;
        QCOMPARE(btn.size(), QSize(32, 17));
        QVERIFY(!btn.HasFlag());
        btn.SetFlag("fr");
        QVERIFY(btn.HasFlag());
        btn.SetFlag("xx");
        QVERIFY(!btn.HasFlag());
    }
};

QTEST_MAIN(TestLangSelector)
#include "test_langselector.moc"
