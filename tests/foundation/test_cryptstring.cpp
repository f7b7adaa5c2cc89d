#include "foundation/cryptstring.h"
#include "foundation/json.h"
#include "foundation/simplecrypt.h"

#include <QMessageAuthenticationCode>
#include <QSet>
#include <QtTest>

namespace {

QVariant Secret(const QString& clear) {
    return QVariant::fromValue(CryptString(clear));
}

QVariant Read(const QByteArray& text) {
    QString err;
    const QVariant v = JsonParseText(QString::fromUtf8(text), err);
    if (!err.isEmpty())
        qWarning() << "unexpected error" << err;
    return v;
}

QByteArray Write(const QVariant& v) {
    QString err;
    return JsonSerialize(v, err, JsonCompact);
}

void UseMachine(const QString& id) {
    SetCryptMachineIdProvider([id] { return id; });
}

} // namespace

class TestCryptString : public QObject {
    Q_OBJECT
private slots:
    void init() { UseMachine(QStringLiteral("machine-A")); }

    void cipherRoundTrip_data() {
        QTest::addColumn<QString>("clear");
        QTest::newRow("empty") << QString();
        QTest::newRow("one letter") << QStringLiteral("a");
        QTest::newRow("key length") << QString(20, QLatin1Char('k'));
        QTest::newRow("longer than the key") << QStringLiteral("a password that is longer than twenty bytes");
        QTest::newRow("non-ASCII") << QStringLiteral("p\u00e4ss \u20ac \U0001F511");
        QTest::newRow("line breaks and tabs") << QStringLiteral("two\nlines\tand\rmore");
    }

    void cipherRoundTrip() {
        QFETCH(QString, clear);
        const SimpleCrypt crypt(QByteArray("0123456789abcdefghij"));
        const QByteArray bytes = crypt.EncryptToByteArray(clear.toUtf8());
        QCOMPARE(bytes.size(), clear.toUtf8().size() + 2);
        QCOMPARE(int(bytes[0]), 1);
        bool ok = false;
        QCOMPARE(crypt.DecryptToByteArray(bytes, &ok), clear.toUtf8());
        QVERIFY(ok);

        const QString text = crypt.EncryptToString(clear);
        QCOMPARE(QByteArray::fromBase64(text.toLatin1()).size(), bytes.size());
        ok = false;
        QCOMPARE(crypt.DecryptToString(text, &ok), clear);
        QVERIFY(ok);
    }

    void randomFirstByteVariesTheCipherText() {
        const SimpleCrypt crypt(QByteArray("0123456789abcdefghij"));
        QSet<QString> seen;
        for (int i = 0; i < 32; ++i) {
            const QString c = crypt.EncryptToString(QStringLiteral("same text"));
            QCOMPARE(crypt.DecryptToString(c), QStringLiteral("same text"));
            seen.insert(c);
        }
        QVERIFY(seen.size() > 1);
    }

    void notCipherText_data() {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QString>("cipher");
        QTest::newRow("no key") << QByteArray() << SimpleCrypt("k").EncryptToString(QStringLiteral("x"));
        QTest::newRow("empty text") << QByteArray("k") << QString();
        QTest::newRow("not base64") << QByteArray("k") << QStringLiteral("@@not base64@@");
        QTest::newRow("wrong version") << QByteArray("k") << QString::fromLatin1(QByteArray("\x02xyz").toBase64());
    }

    void notCipherText() {
        QFETCH(QByteArray, key);
        QFETCH(QString, cipher);
        bool ok = true;
        QCOMPARE(SimpleCrypt(key).DecryptToString(cipher, &ok), QString());
        QVERIFY(!ok);
    }

    void wrongKeyIsAlmostAlwaysDetected() {
        // The XOR chain has no check of its own; a wrong key gives clear text XOR (key difference), which is
        // rarely well-formed text without control characters.
        const SimpleCrypt right(CryptKeyForPath(QStringLiteral("/Mail/Password")));
        UseMachine(QStringLiteral("machine-B"));
        const SimpleCrypt wrong(CryptKeyForPath(QStringLiteral("/Mail/Password")));
        int accepted = 0;
        for (int i = 0; i < 200; ++i) {
            const QString clear = QStringLiteral("Pw-%1-secret").arg(i * 7919);
            bool ok = false;
            wrong.DecryptToString(right.EncryptToString(clear), &ok);
            accepted += ok;
        }
        QVERIFY2(accepted <= 2, qPrintable(QString::number(accepted)));
    }

    void keyDerivation() {
        const QByteArray expected = QMessageAuthenticationCode::hash(
            QByteArray("machine-A"), QByteArray("MervexVault/Mail/Password"), QCryptographicHash::Sha1);
        QCOMPARE(CryptKeyForPath(QStringLiteral("/Mail/Password")), expected);
        QCOMPARE(expected.size(), 20);
        QVERIFY(CryptKeyForPath(QStringLiteral("/Mail/Pass")) != expected);
    }

    void machineIdIsKeptOnlyOnceKnown() {
        int calls = 0;
        SetCryptMachineIdProvider([&calls] { return ++calls == 1 ? QString() : QStringLiteral("late-id"); });
        const QByteArray first = CryptKeyForPath(QStringLiteral("/x"));  // empty id: not kept
        const QByteArray second = CryptKeyForPath(QStringLiteral("/x")); // asks again, keeps "late-id"
        const QByteArray third = CryptKeyForPath(QStringLiteral("/x"));
        QCOMPARE(calls, 2);
        QVERIFY(first != second);
        QCOMPARE(third, second);
        UseMachine(QStringLiteral("late-id"));
        QCOMPARE(CryptKeyForPath(QStringLiteral("/x")), second);
    }

    void variantConvertsToClearText() {
        InstallCryptStringConversion();
        const QVariant v = Secret(QStringLiteral("clear"));
        QVERIFY(v.canConvert<QString>());
        QCOMPARE(v.toString(), QStringLiteral("clear"));
        QCOMPARE(QMetaType::typeName(CryptStringTypeId()), "CryptString");
    }

    void treePassKeysByPath() {
        QVariantMap mail;
        mail[QStringLiteral("Password")] = Secret(QStringLiteral("pw"));
        mail[QStringLiteral("Servers")] = QVariantList{Secret(QStringLiteral("s1")), QVariantList{Secret("s2")}};
        mail[QStringLiteral("Plain")] = QStringLiteral("text");
        QVariantMap root;
        root[QStringLiteral("Mail")] = mail;
        QVariant tree = root;

        JsonCryptStrings(tree, QString(), false);
        const QVariantMap enc = tree.toMap()[QStringLiteral("Mail")].toMap();
        QCOMPARE(enc[QStringLiteral("Plain")].toString(), QStringLiteral("text"));
        const auto cipherOf = [](const QVariant& v) { return v.value<CryptString>().Text; };
        const SimpleCrypt atPassword(CryptKeyForPath(QStringLiteral("/Mail/Password")));
        QCOMPARE(atPassword.DecryptToString(cipherOf(enc[QStringLiteral("Password")])), QStringLiteral("pw"));
        // Every element of a list, at any depth of lists, shares the list member's path.
        const SimpleCrypt atServers(CryptKeyForPath(QStringLiteral("/Mail/Servers")));
        const QVariantList servers = enc[QStringLiteral("Servers")].toList();
        QCOMPARE(atServers.DecryptToString(cipherOf(servers[0])), QStringLiteral("s1"));
        QCOMPARE(atServers.DecryptToString(cipherOf(servers[1].toList()[0])), QStringLiteral("s2"));

        JsonCryptStrings(tree, QString(), true);
        QCOMPARE(tree, QVariant(root));
    }

    void treeWithoutSecretsIsUntouched() {
        QVariantMap m;
        m[QStringLiteral("a")] = QVariantList{1, QStringLiteral("x"), QVariantMap()};
        QVariant tree = m;
        JsonCryptStrings(tree, QStringLiteral("/base"), false);
        QCOMPARE(tree, QVariant(m));
        JsonCryptStrings(tree, QStringLiteral("/base"), true);
        QCOMPARE(tree, QVariant(m));
    }

    void valueThatDoesNotDecryptIsKeptAsStored_data() {
        QTest::addColumn<QString>("readOn");
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("stored"); // what stands before the cipher text in the value read
        QTest::addColumn<bool>("escaped");   // the written text differs from the file's, being escaped
        QTest::newRow("another machine") << "machine-B" << QByteArray() << QByteArray() << QString() << false;
        QTest::newRow("moved to another key")
            << "machine-A" << QByteArray("\"Mail\"") << QByteArray("\"Post\"") << QString() << false;
        QTest::newRow("damaged") << "machine-A" << QByteArray("!\"") << QByteArray("!\"AQ") << QStringLiteral("AQ")
                                 << false;
        // Control characters stored raw (as a hand edit leaves them) and an escaped backslash: written back
        // escaped.
        QTest::newRow("raw control characters") << "machine-A" << QByteArray("!\"") << QByteArray("!\"\x01\t\n\\\\x")
                                                << QStringLiteral("\x01\t\n\\x") << true;
        // Escapes in the stored text, a quote and a lone surrogate half among them.
        QTest::newRow("escapes") << "machine-A" << QByteArray("!\"") << QByteArray("!\"\\\"q\\\\\\u0041\\ud800\\n")
                                 << QStringLiteral("\"q\\A\xd800\n") << true;
    }

    void valueThatDoesNotDecryptIsKeptAsStored() {
        QFETCH(QString, readOn);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, stored);
        QFETCH(bool, escaped);
        QVariantMap mail;
        mail[QStringLiteral("Password")] = Secret(QStringLiteral("Tr0ub4dor&3"));
        QVariantMap root;
        root[QStringLiteral("Mail")] = mail;
        QByteArray file = Write(root);
        const QString cipher = file.mid(file.indexOf("!\"") + 2).split('"').first();
        if (!from.isEmpty())
            file.replace(from, to);

        UseMachine(readOn);
        const auto password = [](const QVariant& tree) {
            return tree.toMap().first().toMap()[QStringLiteral("Password")];
        };
        const QVariant read = Read(file);
        const QVariant pw = password(read);
        QCOMPARE(pw.userType(), CryptStringTypeId());
        QVERIFY(pw.value<CryptString>().Undecryptable);
        QCOMPARE(pw.toString(), QString()); // never garbage
        QCOMPARE(pw.value<CryptString>().Text, stored + cipher);

        // Saved again, the stored text reads back exactly as it was read, so the machine that wrote it can still
        // read it; a cipher text, which has nothing to escape, comes back byte for byte.
        const QByteArray written = Write(read);
        QCOMPARE(password(Read(written)).value<CryptString>().Text, pw.value<CryptString>().Text);
        if (!escaped)
            QCOMPARE(written, file);
        else
            QVERIFY2(!written.contains('\n') && !written.contains('\x01') && !written.contains('\t'), written);

        // Back on the machine and at the place it was written for, it decrypts.
        if (from == "!\"")
            return;
        QByteArray back = written;
        if (!from.isEmpty())
            back.replace(to, from);
        UseMachine(QStringLiteral("machine-A"));
        QCOMPARE(password(Read(back)).toString(), QStringLiteral("Tr0ub4dor&3"));
    }
};

QTEST_GUILESS_MAIN(TestCryptString)
#include "test_cryptstring.moc"
