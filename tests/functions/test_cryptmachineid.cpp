#include "foundation/cryptstring.h"
#include "foundation/helpers.h"
#include "foundation/json.h"
#include "functions/pal/pal.h"

#include <QStandardPaths>
#include <QtTest>

// The program entry hands the platform layer's machine identity to the foundation's encrypted values;
// this checks that pairing end to end.
class TestCryptMachineId : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void secretsAreKeyedByThisMachine() {
        SetCryptMachineIdProvider(&PAL::GetMachineId);
        const QString id = PAL::GetMachineId();
        QVERIFY(!id.isEmpty());
        QCOMPARE(CryptKeyForPath(QStringLiteral("/Mail/Password")),
                 QByteArray::fromBase64(
                     HmacSha1Base64(id.toUtf8(), QStringLiteral("MervexVault/Mail/Password")).toLatin1()));

        QVariantMap mail;
        mail[QStringLiteral("Password")] = QVariant::fromValue(CryptString(QStringLiteral("hunter2")));
        QVariantMap root;
        root[QStringLiteral("Mail")] = mail;
        QString err;
        const QByteArray file = JsonSerialize(root, err, 0);
        QVERIFY(err.isEmpty());
        QVERIFY(!file.contains("hunter2"));
        const QVariant back = JsonParseText(QString::fromUtf8(file), err);
        QVERIFY(err.isEmpty());
        QCOMPARE(back.toMap()[QStringLiteral("Mail")].toMap()[QStringLiteral("Password")].toString(),
                 QStringLiteral("hunter2"));
    }
};

QTEST_GUILESS_MAIN(TestCryptMachineId)
#include "test_cryptmachineid.moc"
