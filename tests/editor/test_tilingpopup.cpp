// The tiling popup: loading a value into the mode panels and composing it back.
#include "editor/tilingpopup.h"

#include <QLineEdit>
#include <QPointer>
#include <QtTest>

namespace {
// In the compact writer's key order.
const QString k3x3 = R"({"Tiles":["0,0,10,10,rr","10,0,20,10,sr","30,0,10,10,rr",)"
                     R"("0,10,10,20,rs","10,10,20,20,ss","30,10,10,20,rs","0,30,10,10,rr","10,30,20,10,sr",)"
                     R"("30,30,10,10,rr"],"Tiling":"3x3"})";
const QString k3x1 = R"({"Tiles":["0,0,5,20,rr","5,0,10,20,sr","15,0,5,20,rr"],"Tiling":"3x1"})";

QStringList Texts(const QList<QLineEdit*>& edits) {
    QStringList texts;
    for (QLineEdit* e : edits)
        texts << e->text();
    return texts;
}
} // namespace

class TestTilingPopup : public QObject {
    Q_OBJECT
private slots:
    void loadAndCompose_data();
    void loadAndCompose();
    void modesKeepTheirOwnTexts();
    void okAndCancel();
    void tileTextsSurviveOk_data();
    void tileTextsSurviveOk();
    void allInOneEdit();
    void defaultButtonLoadsDefault();
};

void TestTilingPopup::loadAndCompose_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("composed");
    QTest::newRow("3x3 round trip") << k3x3 << 2 << k3x3;
    QTest::newRow("3x1 round trip") << k3x1 << 0 << k3x1;
    QTest::newRow("1x3, flags any case") << R"({"Tiling":"1x3","Tiles":["0,0,20,5,Rx","0,5,20,10,ss","0,15,20,5,RR"]})"
                                         << 1
                                         << R"({"Tiles":["0,0,20,5,rs","0,5,20,10,ss","0,15,20,5,rr"],"Tiling":"1x3"})";
    QTest::newRow("too few tiles") << R"({"Tiling":"3x1","Tiles":["1,2,3,4,ss"]})" << 0
                                   << R"({"Tiles":["1,2,3,4,ss","",""],"Tiling":"3x1"})";
    QTest::newRow("other tiling") << R"({"Tiling":"Scale"})" << -1 << "{}";
    QTest::newRow("not json") << "no json at all" << -1 << "{}";
    QTest::newRow("empty") << "" << -1 << "{}";
}

void TestTilingPopup::loadAndCompose() {
    QFETCH(QString, value);
    QFETCH(int, mode);
    QFETCH(QString, composed);
    TilingPopup popup(nullptr, value, QString());
    QCOMPARE(popup.CurrentMode(), mode);
    for (int m = 0; m < 3; ++m)
        QCOMPARE(!popup.Panel(m)->isHidden(), m == mode);
    QCOMPARE(popup.ComposeValue(), composed);
    QString inner = composed;
    inner.remove(0, 1).chop(1);
    QCOMPARE(popup.AllInOneEdit()->text(), inner);
}

void TestTilingPopup::modesKeepTheirOwnTexts() {
    TilingPopup popup(nullptr, k3x3, QString());
    const QStringList nine = Texts(popup.TileEdits(2));
    QCOMPARE(nine.size(), 9);
    popup.OnCmb(0);
    QVERIFY(
        popup.ComposeValue().startsWith(R"({"Tiles":["0,0,10,10,rr","10,0,20,10,sr","30,0,10,10,rr"],"Tiling":"3x1")"));
    popup.OnCmb(2);
    QCOMPARE(Texts(popup.TileEdits(2)), nine);
    QCOMPARE(popup.ComposeValue(), k3x3);
}

void TestTilingPopup::okAndCancel() {
    {
        QPointer<TilingPopup> popup = new TilingPopup(nullptr, k3x1, QString());
        popup->TileEdits(0).at(1)->setText("5,0,10,20,ss");
        popup->done(PopupWnd::CANCEL);
        QCOMPARE(popup->GetValue(), k3x1);
        delete popup;
    }
    QPointer<TilingPopup> popup = new TilingPopup(nullptr, k3x1, QString());
    popup->TileEdits(0).at(1)->setText("5,0,10,20,ss");
    popup->done(PopupWnd::OK);
    QCOMPARE(popup->GetValue(), QString(k3x1).replace("5,0,10,20,sr", "5,0,10,20,ss"));
    delete popup;
}

void TestTilingPopup::tileTextsSurviveOk_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("pixels") << "0,0,10,10,sr"
                            << "0,0,10,10,sr";
    QTest::newRow("fractions") << "0.5,0.25,0.5,1.0,ss"
                               << "0.5,0.25,0.5,1.0,ss";
    QTest::newRow("mixed") << "12,0.5,16,0.75,rs"
                           << "12,0.5,16,0.75,rs";
    QTest::newRow("zero fraction is zero pixels") << "0.0,0,0,0.0,rr"
                                                  << "0,0,0,0,rr";
    QTest::newRow("many digits") << "0.333333333,0,1.5,1,rr"
                                 << "0.333333333,0,1.5,1,rr";
    QTest::newRow("flags any case") << "1,2,3,4,Rx"
                                    << "1,2,3,4,rs";
    QTest::newRow("no flags") << "1,2,3,4"
                              << "1,2,3,4,rr";
}

void TestTilingPopup::tileTextsSurviveOk() {
    // Opened and closed with OK, twice, as a user does who only looks: the tile means what it meant.
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QString value = QStringLiteral(R"({"Tiling":"3x1","Tiles":["%1","%1","%1"]})").arg(typed);
    const QString expected = QStringLiteral(R"({"Tiles":["%1","%1","%1"],"Tiling":"3x1"})").arg(written);
    for (int round = 0; round < 2; ++round) {
        QPointer<TilingPopup> popup = new TilingPopup(nullptr, value, QString());
        popup->done(PopupWnd::OK);
        value = popup->GetValue();
        delete popup;
        QCOMPARE(value, expected);
    }
}

void TestTilingPopup::allInOneEdit() {
    TilingPopup popup(nullptr, k3x1, QString());
    QLineEdit* all = popup.AllInOneEdit();
    // Typed without braces, and incomplete on the way: whatever parses is loaded, the typing stays.
    all->setText(R"("Tiling":"1x3","Tiles":["1,1,1,1,ss"])");
    popup.UpdateFromAll();
    QCOMPARE(popup.CurrentMode(), 1);
    QCOMPARE(popup.TileEdits(1).at(0)->text(), QString("1,1,1,1,ss"));
    QCOMPARE(all->text(), QString(R"("Tiling":"1x3","Tiles":["1,1,1,1,ss"])"));
    all->setText(R"("Til)");
    popup.UpdateFromAll();
    QCOMPARE(popup.CurrentMode(), -1);
    QCOMPARE(popup.ComposeValue(), QString("{}"));
    // Editing a tile refreshes the all-in-one edit.
    popup.OnCmb(0);
    QLineEdit* tile = popup.TileEdits(0).at(2);
    QTest::keyClick(tile, Qt::Key_X);
    QVERIFY(all->text().contains(tile->text()));
}

void TestTilingPopup::defaultButtonLoadsDefault() {
    TilingPopup popup(nullptr, k3x1, k3x3);
    popup.OnDefault();
    QCOMPARE(popup.CurrentMode(), 2);
    QCOMPARE(popup.ComposeValue(), k3x3);
}

QTEST_MAIN(TestTilingPopup)
#include "test_tilingpopup.moc"
