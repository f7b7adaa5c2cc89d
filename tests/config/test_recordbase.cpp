// The record head, keys, '@' names, enum texts and the deep map merge.
#include "config/datacfgrecords.h"
#include "tests/config/cfgtestutil.h"

#include <QCoreApplication>
#include <QMetaEnum>
#include <QTranslator>
#include <QtTest>

namespace {
class FakeTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QByteArray(context) == "Mervex" && QByteArray(source) == "Media")
            return QStringLiteral("Medien");
        if (QByteArray(context) == "Mervex" && QString::fromUtf8(source) == QStringLiteral("Größe"))
            return QStringLiteral("Size");
        return QString();
    }
    bool isEmpty() const override { return false; }
};
} // namespace

class TestRecordBase : public QObject {
    Q_OBJECT
private slots:
    void namedHead() {
        DataCfg::TBase a;
        QCOMPARE(a.id, -1);
        a.OnTick = QStringLiteral("old");
        a.Read(QVariantMap());
        QCOMPARE(a.Name, QStringLiteral("Unknown"));
        QVERIFY(a.OnTick.isEmpty()); // absent handler keys clear inherited ones
        QVERIFY(a.Write().isEmpty());
        QVERIFY(a.id > 0);
        DataCfg::TBase b;
        b.Read(J("{'Name':'Vol','OnInit':'S:init','OnReturn':'ret','Set':'ignored'}"));
        QVERIFY(b.id > a.id);
        QCOMPARE(b.OnInit, QStringLiteral("S:init"));
        QCOMPARE(b.OnReturn, QStringLiteral("ret"));
        QVERIFY(b.Set.isEmpty()); // readers never read the set
        QCOMPARE(b.Write(), J("{'Name':'Vol'}"));
        QCOMPARE(b.GetKey(), QStringLiteral("Vol"));
        b.Set = QStringLiteral("Ctrls");
        QCOMPARE(b.GetKey(), QStringLiteral("Ctrls:Vol"));
        DataCfg::TBase copy = b;
        QCOMPARE(copy.id, b.id);
        // Wrong types: a list or a map never passes for a text; numbers give their decimal text.
        DataCfg::TBase c;
        c.Read(J("{'Name':['x'],'OnInit':{'a':1},'OnTick':12}"));
        QVERIFY(c.Name.isEmpty());
        QVERIFY(c.OnInit.isEmpty());
        QCOMPARE(c.OnTick, QStringLiteral("12"));
    }

    void inheritReport() {
        LogCapture log;
        DataCfg::TNamed fresh;
        fresh.Read(J("{'Inherit':'Nowhere','Name':'X'}"));
        QVERIFY(log.Has(QStringLiteral("Inherit not found: \"Nowhere\"")));
        log.Clear();
        DataCfg::TNamed inherited;
        inherited.Name = QStringLiteral("Parent");
        inherited.Read(J("{'Inherit':'Parent'}"));
        QVERIFY(log.Lines().isEmpty());
        QCOMPARE(inherited.Name, QStringLiteral("Unknown")); // an inherited record without "Name" too
    }

    void splitFullName_data() {
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("setIn");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("set");
        QTest::newRow("set and name") << "Ctrls:Volume"
                                      << "X"
                                      << "Volume"
                                      << "Ctrls";
        QTest::newRow("bare keeps set") << "Volume"
                                        << "X"
                                        << "Volume"
                                        << "X";
        QTest::newRow("two colons") << "A:B:C"
                                    << ""
                                    << "B:C"
                                    << "A";
        QTest::newRow("leading colon") << ":N"
                                       << "X"
                                       << "N"
                                       << "";
        QTest::newRow("empty") << ""
                               << "X"
                               << ""
                               << "X";
    }
    void splitFullName() {
        QFETCH(QString, full);
        QFETCH(QString, setIn);
        QString set = setIn;
        SplitFullName(full, set);
        QTEST(full, "name");
        QTEST(set, "set");
    }

    void makeFullName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("set");
        QTest::addColumn<QString>("result");
        QTest::newRow("plain") << "Volume"
                               << "Ctrls"
                               << "Ctrls:Volume";
        QTest::newRow("has set") << "Other:Volume"
                                 << "Ctrls"
                                 << "Other:Volume";
        QTest::newRow("empty") << ""
                               << "Ctrls"
                               << "";
    }
    void makeFullName() {
        QFETCH(QString, name);
        QFETCH(QString, set);
        QTEST(MakeFullName(name, set), "result");
    }

    void translateNames_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");
        QTest::newRow("translated") << "@Media"
                                    << "Medien"
                                    << "Medien";
        QTest::newRow("no translation") << "@Other"
                                        << "Other"
                                        << "Other";
        QTest::newRow("plain") << "Media"
                               << "Media"
                               << "Media";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
        QTest::newRow("utf8 source") << QStringLiteral("@Größe") << "Size"
                                     << "Size";
        QTest::newRow("path") << "Apps/ @Media "
                              << "Apps/ @Media "
                              << "Apps / Medien";
        QTest::newRow("empty parts") << "a//b"
                                     << "a//b"
                                     << "a /  / b";
    }
    void translateNames() {
        FakeTranslator tr;
        QCoreApplication::installTranslator(&tr);
        QFETCH(QString, text);
        QTEST(TranslateAtName(text), "name");
        QTEST(TranslatePath(text), "path");
        QCoreApplication::removeTranslator(&tr);
    }

    void enumFromText_data() {
        QTest::addColumn<QString>("enumName");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("log");
        QTest::newRow("empty align is first") << "LayoutAlign"
                                              << "LA_"
                                              << "" << 9 << "";
        QTest::newRow("empty type is first") << "LayoutType"
                                             << "LT_"
                                             << "" << -1 << "";
        QTest::newRow("empty output") << "OutputType"
                                      << "OT_"
                                      << "" << 0 << "";
        QTest::newRow("bold") << "FontWeight"
                              << "FW_"
                              << "Bold" << 75 << "";
        QTest::newRow("case matters") << "FontWeight"
                                      << "FW_"
                                      << "bold" << -1 << "Unknown Enum Value:";
        QTest::newRow("tiling 3x3") << "GfxTiling"
                                    << "GT_"
                                    << "3x3" << 3 << "";
        QTest::newRow("config sub") << "ConfigOption"
                                    << "CO_"
                                    << "SubConfig" << 19 << "";
        QTest::newRow("unknown enum") << "Nope"
                                      << "N_"
                                      << "X" << -1 << "Unknown Enum Type:";
        QTest::newRow("prefix in text") << "MaskType"
                                        << "MT_"
                                        << "MT_Radial" << -1 << "Unknown Enum Value:";
    }
    void enumFromText() {
        QFETCH(QString, enumName);
        QFETCH(QString, prefix);
        QFETCH(QString, text);
        QFETCH(QString, log);
        LogCapture rec;
        QTEST(EnumFromText(enumName, prefix, text), "value");
        if (log.isEmpty())
            QVERIFY(rec.Lines().isEmpty());
        else
            QVERIFY(rec.Has(log));
    }

    void enumRoundTrip() {
        // Every enumerator of the ten configuration enums converts both ways.
        const QMetaObject& mo = DataCfg::staticMetaObject;
        QCOMPARE(mo.enumeratorCount(), 10);
        for (int i = 0; i < mo.enumeratorCount(); ++i) {
            const QMetaEnum e = mo.enumerator(i);
            const QString prefix = QString::fromLatin1(e.key(0)).left(3);
            for (int k = 0; k < e.keyCount(); ++k) {
                const QString text = EnumToText(QString::fromLatin1(e.name()), prefix, e.value(k));
                QCOMPARE(prefix + text, QString::fromLatin1(e.key(k)));
                QCOMPARE(EnumFromText(QString::fromLatin1(e.name()), prefix, text), e.value(k));
            }
        }
        LogCapture rec;
        QCOMPARE(EnumToText(QStringLiteral("LoadPermission"), QStringLiteral("LP_"), 3),
                 QStringLiteral("CertValidated"));
        QVERIFY(EnumToText(QStringLiteral("LoadPermission"), QStringLiteral("LP_"), 7).isEmpty());
        QVERIFY(rec.Has(QStringLiteral("Unknown Enum Value:")));
        QVERIFY(EnumToText(QStringLiteral("Nope"), QStringLiteral("LP_"), 0).isEmpty());
        QVERIFY(rec.Has(QStringLiteral("Unknown Enum Type:")));
    }

    void mergeVariantMaps() {
        const QVariantMap merged =
            MergeVariantMaps(J("{'a':1,'m':{'x':1,'y':2}}"), J("{'m':{'y':3,'z':4},'b':2,'s':5}"), {"s"});
        QCOMPARE(merged, J("{'a':1,'b':2,'m':{'x':1,'y':3,'z':4}}"));
        // A map over a non-map value replaces it by the overlay filtered at every depth.
        QCOMPARE(MergeVariantMaps(J("{'m':7,'k':{'q':1}}"), J("{'m':{'s':1,'t':{'s':2,'u':3}},'k':5}"), {"s"}),
                 J("{'m':{'t':{'u':3}},'k':5}"));
        // Inputs are not changed.
        const QVariantMap base = J("{'m':{'x':1}}");
        MergeVariantMaps(base, J("{'m':{'x':2}}"), {});
        QCOMPARE(base, J("{'m':{'x':1}}"));
    }

    void callArgs_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("name");
        QTest::newRow("two") << "Volume(5, up)" << QStringList{"5", " up"} << "Volume";
        QTest::newRow("none") << "Volume" << QStringList() << "Volume";
        QTest::newRow("unclosed") << "Volume(" << QStringList() << "Volume";
        QTest::newRow("empty parens") << "Volume()" << QStringList{""} << "Volume";
        QTest::newRow("empty parts kept") << "P:F(a,,b)x" << QStringList{"a", "", "b"} << "P:F";
        QTest::newRow("close before open") << "F)(a" << QStringList() << "F)";
    }
    void callArgs() {
        QFETCH(QString, text);
        QFETCH(QStringList, args);
        QVariantList expected;
        for (const QString& a : args)
            expected << a;
        QCOMPARE(ParseCallArgs(text), expected);
        QTEST(FuncNameOf(text), "name");
    }
};

QTEST_GUILESS_MAIN(TestRecordBase)
#include "test_recordbase.moc"
