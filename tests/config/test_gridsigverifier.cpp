#include "config/gridsigverifier.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestGridSigVerifier : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QByteArray m_testPub;

    QByteArray SignWith(const QString& keyPath, const QByteArray& data) {
        const QString in = m_dir.filePath(QStringLiteral("data.bin"));
        const QString out = m_dir.filePath(QStringLiteral("data.sig"));
        QFile f(in);
        f.open(QFile::WriteOnly);
        f.write(data);
        f.close();
        QProcess p;
        p.start(QStringLiteral("openssl"), {QStringLiteral("dgst"), QStringLiteral("-sha256"), QStringLiteral("-sign"),
                                            keyPath, QStringLiteral("-out"), out, in});
        p.waitForFinished(30000);
        QFile s(out);
        s.open(QFile::ReadOnly);
        return s.readAll();
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QProcess p;
        p.start(QStringLiteral("openssl"),
                {QStringLiteral("genpkey"), QStringLiteral("-algorithm"), QStringLiteral("RSA"),
                 QStringLiteral("-pkeyopt"), QStringLiteral("rsa_keygen_bits:2048"), QStringLiteral("-out"),
                 m_dir.filePath(QStringLiteral("k.pem"))});
        QVERIFY(p.waitForFinished(60000) && p.exitCode() == 0);
        p.start(QStringLiteral("openssl"), {QStringLiteral("pkey"), QStringLiteral("-in"),
                                            m_dir.filePath(QStringLiteral("k.pem")), QStringLiteral("-pubout")});
        QVERIFY(p.waitForFinished(30000) && p.exitCode() == 0);
        m_testPub = p.readAllStandardOutput();
    }

    void compiledInKeyLoads() {
        QFile res(QStringLiteral(":/security/MervexVL_Grid_Pub"));
        QVERIFY(res.open(QFile::ReadOnly));
        GridSigVerifier v;
        QVERIFY(v.LoadKey(res.readAll()));
    }

    void signedDataVerifiesAndAnyChangeFails() {
        GridSigVerifier v;
        QVERIFY(v.LoadKey(m_testPub));
        const QByteArray data = "{\"Name\":\"My Grid 2\",\"Set\":\"[MERVEX]\"}";
        const QByteArray sig = SignWith(m_dir.filePath(QStringLiteral("k.pem")), data);
        QVERIFY(!sig.isEmpty());
        QVERIFY(v.Verify(data, sig));

        QByteArray changed = data;
        changed[10] = 'X';
        QVERIFY(!v.Verify(changed, sig));
        QByteArray badSig = sig;
        badSig[0] = char(badSig[0] ^ 1);
        QVERIFY(!v.Verify(data, badSig));
        QVERIFY(!v.Verify(data, sig.left(100))); // wrong size
        QVERIFY(!v.Verify(QByteArray(), sig));
        QVERIFY(!v.Verify(data, QByteArray()));
    }

    void keyLoadFailures_data() {
        QTest::addColumn<QByteArray>("pem");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("not a key at all");
        QTest::newRow("cut") << m_testPub.left(120);
    }
    void keyLoadFailures() {
        QFETCH(QByteArray, pem);
        GridSigVerifier v;
        QVERIFY(v.LoadKey(m_testPub));
        QVERIFY(!v.LoadKey(pem)); // a failed load leaves no key behind
        QVERIFY(!v.HasKey());
        QVERIFY(!v.Verify("data", "sig"));
    }

    void signatureFileNames_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("file");
        QTest::newRow("set and name") << "[MERVEX]:My Grid 2"
                                      << "Grid_MERVEXMyGrid2.sig";
        QTest::newRow("only removed chars differ") << "[MERVEX]:My-Grid 2"
                                                   << "Grid_MERVEXMyGrid2.sig";
        QTest::newRow("non-ascii dropped") << QString::fromUtf8("S:Gr\xc3\xbc\xc3\x9f") << "Grid_SGr.sig";
    }
    void signatureFileNames() {
        QFETCH(QString, key);
        QFETCH(QString, file);
        QCOMPARE(GridSigVerifier::SignatureFileName(key), file);
    }
};

QTEST_APPLESS_MAIN(TestGridSigVerifier)
#include "test_gridsigverifier.moc"
