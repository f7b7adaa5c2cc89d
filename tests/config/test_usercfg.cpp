// The user configuration record: its whole block reads, writes and reads back unchanged; device operations.
#include "config/datacfgrecords.h"
#include "tests/config/cfgtestutil.h"

#include "foundation/cryptstring.h"
#include "foundation/json.h"

#include <QFile>
#include <QtTest>

using DC = DataCfg;

namespace {
QVariantMap Fixture() {
    QFile f(QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/usercfg.json"));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture");
    QString error;
    const QVariant v = JsonParseText(QString::fromUtf8(f.readAll()), error);
    if (!error.isEmpty())
        qFatal("bad fixture: %s", qPrintable(error));
    return v.toMap();
}

// The record as the user configuration file holds it, and read back from that text.
QByteArray FileText(DataCfg::TUserCfg& cfg) {
    QString error;
    const QByteArray text = JsonSerialize(cfg.Write(), error);
    if (!error.isEmpty())
        qFatal("cannot write: %s", qPrintable(error));
    return text;
}
} // namespace

class TestUserCfg : public QObject {
    Q_OBJECT
private slots:
    void readWriteRead() {
        DC::TUserCfg first;
        first.Read(Fixture());
        QCOMPARE(first.Name, QStringLiteral("UserConfig"));
        QCOMPARE(first.Version, 7);
        QCOMPARE(first.Tabs.size(), 3);
        QCOMPARE(first.Devices.size(), 2);
        QCOMPARE(first.Macros.size(), 2);
        QCOMPARE(first.DynamicLibraries.size(), 5);
        QCOMPARE(first.CtrlSets.size(), 2);
        const QVariantMap written = first.Write();
        QCOMPARE(first.Version, 1);

        DC::TUserCfg second;
        second.Read(written);
        QCOMPARE(second.Write(), written);

        // Through the file's text: read -> write -> read -> write gives the same text.
        const QByteArray text = FileText(first);
        DC::TUserCfg third;
        third.Read(JsonParse(QString::fromUtf8(text)).toMap());
        QCOMPARE(FileText(third), text);

        QCOMPARE(written.value(QStringLiteral("Name")).toString(), QStringLiteral("UserConfig"));
        QCOMPARE(written.value(QStringLiteral("Version")).toInt(), 1);
        QCOMPARE(written.value(QStringLiteral("CfgBase")), Fixture().value(QStringLiteral("CfgBase")));
        QCOMPARE(written.value(QStringLiteral("CfgCtrls")), Fixture().value(QStringLiteral("CfgCtrls")));
        QCOMPARE(written.value(QStringLiteral("Tabs")).toList().at(2).toMap(), QVariantMap());
        QCOMPARE(written.value(QStringLiteral("Devices")).toList().at(1).toMap(),
                 J("{'Token':'t2','Desc':'','Active':false}"));
        QCOMPARE(written.value(QStringLiteral("Macros")).toList().at(1).toMap(), J("{'Category':'c','Data':''}"));
        QCOMPARE(written.value(QStringLiteral("CtrlSets")).toList().at(1).toMap(),
                 J("{'Expanded':['x'],'Collapsed':[]}"));
    }

    void secretSettingsSurvive() {
        SetCryptMachineIdProvider([] { return QStringLiteral("test-machine"); });
        DC::TUserCfg cfg;
        cfg.Read(Fixture());
        QVariantMap mail = cfg.CfgSrc.value(QStringLiteral("Mail")).toMap();
        mail.insert(QStringLiteral("Password"), QVariant::fromValue(CryptString(QStringLiteral("s3cret"))));
        cfg.CfgSrc.insert(QStringLiteral("Mail"), mail);
        const QByteArray text = FileText(cfg);
        QVERIFY(!text.contains("s3cret"));
        DC::TUserCfg back;
        back.Read(JsonParse(QString::fromUtf8(text)).toMap());
        const QVariant pw = back.CfgSrc.value(QStringLiteral("Mail")).toMap().value(QStringLiteral("Password"));
        QCOMPARE(pw.toString(), QStringLiteral("s3cret"));
    }

    void libraryPermissions_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("permission");
        QTest::addColumn<QString>("written");
        QTest::newRow("always") << 0 << 0 << "Always";
        QTest::newRow("none") << 1 << -1 << "None";
        QTest::newRow("never") << 2 << 1 << "Never";
        QTest::newRow("absent") << 3 << -1 << "None";
        QTest::newRow("unknown text") << 4 << -1 << "None";
    }
    void libraryPermissions() {
        QFETCH(int, index);
        DC::TUserCfg cfg;
        cfg.Read(Fixture());
        QTEST(cfg.DynamicLibraries[index].Permission, "permission");
        const QVariantMap lib = cfg.Write().value(QStringLiteral("DynamicLibraries")).toList().at(index).toMap();
        QTEST(lib.value(QStringLiteral("Permission")).toString(), "written");
        QVERIFY(!cfg.DynamicLibraries[index].Requested);
        QVERIFY(cfg.DynamicLibraries[index].Directory.isEmpty());
        QCOMPARE(cfg.FindDynLib(QStringLiteral("/plug/never.so")), 2);
        QCOMPARE(cfg.FindDynLib(QStringLiteral("/plug/NEVER.so")), -1);
    }

    void libraryOutsideEnum() {
        DC::TUserCfg cfg;
        DC::TDynLib lib;
        lib.Name = QStringLiteral("x");
        lib.Permission = 9;
        cfg.DynamicLibraries << lib;
        const QVariantMap written = cfg.Write().value(QStringLiteral("DynamicLibraries")).toList().at(0).toMap();
        QCOMPARE(written, J("{'Name':'x'}"));
    }

    void wrongTypes() {
        DC::TUserCfg cfg;
        cfg.Read(J("{'Tabs':'x','Devices':{'a':1},'Macros':[1,'two'],'CfgBase':[1],'Version':'v',"
                   "'DynamicLibraries':[{'Permission':['Always']}]}"));
        QVERIFY(cfg.Tabs.isEmpty());
        QVERIFY(cfg.Devices.isEmpty());
        QCOMPARE(cfg.Macros.size(), 2); // entries that are no maps read as empty maps
        QCOMPARE(cfg.Macros[0].Name, QStringLiteral("Unknown"));
        QVERIFY(cfg.CfgBase.isEmpty());
        QCOMPARE(cfg.Version, 0);
        QCOMPARE(cfg.DynamicLibraries[0].Permission, -1);
    }

    void devices() {
        DC::TUserCfg cfg;
        cfg.AddDevice(QStringLiteral("Phone"), QStringLiteral("t1"), QStringLiteral("label"));
        bool active = false;
        QVERIFY(cfg.FindDevice(QStringLiteral("Phone"), QStringLiteral("t1"), &active));
        QVERIFY(active);
        QVERIFY(!cfg.FindDevice(QStringLiteral("Other"), QStringLiteral("t1"), &active));
        QVERIFY(!active);
        cfg.SetDeviceActive(QStringLiteral("t1"), false);
        cfg.AddDevice(QStringLiteral("Renamed"), QStringLiteral("t1"), QStringLiteral("ignored"));
        QCOMPARE(cfg.Devices.size(), 1);
        QCOMPARE(cfg.Devices[0].Name, QStringLiteral("Renamed"));
        QCOMPARE(cfg.Devices[0].Desc, QStringLiteral("label"));
        QVERIFY(!cfg.Devices[0].Active);

        // Two devices share a token: every operation acts on the first only.
        DC::TDevice twin;
        twin.Token = QStringLiteral("t1");
        twin.Name = QStringLiteral("Twin");
        cfg.Devices << twin;
        cfg.SetDeviceLabel(QStringLiteral("t1"), QStringLiteral("new"));
        cfg.SetDeviceActive(QStringLiteral("t1"), true);
        QCOMPARE(cfg.Devices[1].Desc, QString());
        QVERIFY(!cfg.Devices[1].Active);
        QCOMPARE(cfg.GetDevice(QStringLiteral("t1")).Name, QStringLiteral("Renamed"));
        cfg.RemoveDevice(QStringLiteral("t1"));
        QCOMPARE(cfg.Devices.size(), 1);
        QCOMPARE(cfg.Devices[0].Name, QStringLiteral("Twin"));
        const DC::TDevice none = cfg.GetDevice(QStringLiteral("zz"));
        QCOMPARE(none.id, -1);
        QVERIFY(!none.Active);
        cfg.SetDeviceLabel(QStringLiteral("zz"), QStringLiteral("x"));
        cfg.RemoveDevice(QStringLiteral("zz"));
        QCOMPARE(cfg.Devices.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestUserCfg)
#include "test_usercfg.moc"
