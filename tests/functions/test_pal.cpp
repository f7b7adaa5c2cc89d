#include "foundation/helpers.h"
#include "functions/pal/pal.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestPal : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // A generated identity must never land in the real user's configuration.
        QStandardPaths::setTestModeEnabled(true);
    }

    void machineIdIsStable() {
        const QString id = PAL::GetMachineId();
        QCOMPARE(id.size(), 28);
        QCOMPARE(QByteArray::fromBase64(id.toLatin1()).size(), 20);
        QCOMPARE(PAL::GetMachineId(), id);

        QFile system(QStringLiteral("/etc/machine-id"));
        if (system.open(QIODevice::ReadOnly)) {
            const QByteArray guid = system.readAll().trimmed();
            if (!guid.isEmpty())
                QCOMPARE(id, HmacSha1Base64(guid, QStringLiteral("LatchNameR")));
        }
    }

    void machineGuidSources_data() {
        QTest::addColumn<bool>("haveFile");
        QTest::addColumn<QByteArray>("fileContent");
        QTest::addColumn<QString>("expected"); // "*" for a generated id
        QTest::newRow("system file, trimmed")
            << true << QByteArray("  3d1219c7c4c5\n") << QStringLiteral("3d1219c7c4c5");
        QTest::newRow("blank system file") << true << QByteArray(" \n") << QStringLiteral("*");
        QTest::newRow("no system file") << false << QByteArray() << QStringLiteral("*");
    }
    void machineGuidSources() {
        QFETCH(bool, haveFile);
        QFETCH(QByteArray, fileContent);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString idFile = dir.filePath(QStringLiteral("machine-id"));
        const QString settings = dir.filePath(QStringLiteral("cfg/machine.ini"));
        if (haveFile) {
            QFile f(idFile);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(fileContent);
        }
        const QString first = PAL_INT::ReadMachineGuid(idFile, settings);
        if (expected != QLatin1String("*")) {
            QCOMPARE(first, expected);
            QVERIFY(!QFile::exists(settings));
            return;
        }
        QVERIFY(!QUuid::fromString(first).isNull());
        // The generated id is kept, so the next start sees the same one.
        QCOMPARE(PAL_INT::ReadMachineGuid(idFile, settings), first);
        QCOMPARE(QSettings(settings, QSettings::IniFormat).value(QStringLiteral("MachineGuid")).toString(), first);
    }

    void machineGuidEmptyWhenNothingCanBeKept() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // A plain file where the settings folder should be: the generated id cannot be stored.
        const QString blocker = dir.filePath(QStringLiteral("blocker"));
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(PAL_INT::ReadMachineGuid(dir.filePath(QStringLiteral("missing")), blocker + QStringLiteral("/m.ini")),
                 QString());
    }
};

QTEST_GUILESS_MAIN(TestPal)
#include "test_pal.moc"
