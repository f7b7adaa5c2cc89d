#include "connectivity/bytebuffer.h"
#include "connectivity/objecthandle.h"
#include "connectivity/textutil.h"
#include "connectivity/thread.h"
#include "connectivity/xmldocument.h"
#include "tests/connectivity/syslogcapture.h"

#include <QtTest>

#include <atomic>

namespace {

class CountingHandle : public Quorl::Win32::ObjectHandle {
public:
    explicit CountingHandle(intptr_t h) { handle_ = h; }
    int closes = 0;

protected:
    WaitResult DoWait(int) override { return Signalled; }
    void DoClose() override { ++closes; }
};

class Blocking : public Quorl::Win32::Thread {
public:
    Quorl::Win32::Event release{true, false};
    void run() override { release.Wait(-1); }
};

class Throwing : public Quorl::Win32::Thread {
public:
    bool quorl = true;
    void run() override {
        if (quorl)
            throw Quorl::Exception("[Test][Run]", "went wrong");
        throw 42;
    }
};

} // namespace

class TestZynPrimitives : public QObject {
    Q_OBJECT
private slots:
    void handleWaitAndClose() {
        CountingHandle none(-1);
        QVERIFY(none.Wait(0));
        CountingHandle never(0);
        QVERIFY_EXCEPTION_THROWN(never.Wait(0), Quorl::Exception);
        CountingHandle open(5);
        open.Close();
        open.Close();
        QCOMPARE(open.closes, 1);
        QCOMPARE(open.Handle(), intptr_t(-1));
    }

    void events() {
        Quorl::Win32::Event autoReset(false, true);
        QVERIFY(autoReset.Wait(0));
        QVERIFY(!autoReset.Wait(0));
        Quorl::Win32::Event manual(true, false);
        QVERIFY(!manual.Wait(0));
        manual.Set();
        QVERIFY(manual.Wait(0));
        QVERIFY(manual.Wait(0));
        manual.Reset();
        QVERIFY(!manual.Wait(0));
    }

    void threadStartErrors() {
        Blocking t;
        t.Start();
        try {
            t.Start();
            QFAIL("second start accepted");
        } catch (const Quorl::Exception& e) {
            QCOMPARE(QString::fromStdString(e.where()), QString("[Win32Thread][Start]"));
            QCOMPARE(QString::fromStdString(e.what()), QString("Attempted to start already running thread"));
        }
        QVERIFY(!t.Wait(0)); // still running, untouched
        t.release.Set();
        QVERIFY(t.Wait(-1));

        Blocking orphan;
        orphan.SetRunnable(nullptr);
        try {
            orphan.Start();
            QFAIL("start without runnable accepted");
        } catch (const Quorl::Exception& e) {
            QCOMPARE(QString::fromStdString(e.what()), QString("Invalid runnable attached to thread"));
        }
    }

    void escapedExceptionIsReported_data() {
        QTest::addColumn<bool>("quorl");
        QTest::addColumn<QString>("entry");
        QTest::newRow("library exception") << true << "test_zynprimitives\t[Test][Run]\twent wrong";
        QTest::newRow("other exception") << false << "test_zynprimitives\t";
    }
    void escapedExceptionIsReported() {
        QFETCH(bool, quorl);
        QFETCH(QString, entry);
        TakeSyslogEntries();
        Throwing t;
        t.quorl = quorl;
        t.Start();
        QVERIFY(t.Wait(-1));
        QCOMPARE(TakeSyslogEntries(), QStringList{entry});
    }

    void eventSourceName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("source");
        QTest::newRow("windows path") << "C:\\Tools\\Remote.Control.exe"
                                      << "Remote";
        QTest::newRow("posix path") << "/opt/tools/zynclient"
                                    << "zynclient";
        QTest::newRow("none") << ""
                              << "Application";
        QTest::newRow("dot file") << "/opt/.hidden"
                                  << "Application";
    }
    void eventSourceName() {
        QFETCH(QString, path);
        QFETCH(QString, source);
        QCOMPARE(QString::fromStdString(PAL_WIN32_INT::EventSourceName(path.toStdString())), source);
    }

    void byteBuffer() {
        Quorl::ByteBuffer empty;
        QVERIFY(empty.resize(100));
        QCOMPARE(empty.capacity(), size_t(100));

        Quorl::ByteBuffer ten;
        const uint8_t bytes[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        QVERIFY(ten.assign(bytes, 10, true));
        QVERIFY(ten.resize(100));
        QCOMPARE(ten.capacity(), size_t(128));
        QCOMPARE(int(ten.data()[9]), 9);

        ten.resize(10);
        ten.dropFront(4);
        QCOMPARE(ten.size(), size_t(6));
        QCOMPARE(int(ten.data()[0]), 4);
        ten.dropFront(100);
        QCOMPARE(ten.size(), size_t(0));

        Quorl::ByteBuffer borrowed;
        QVERIFY(borrowed.assign(bytes, 10, false));
        QVERIFY(borrowed.borrowed());
        QCOMPARE(borrowed.data(), bytes);
        QVERIFY(!borrowed.resize(20));
        QVERIFY(!borrowed.clear());

        Quorl::ByteBuffer a, b, shorter;
        const uint8_t x[2] = {1, 0x80}, y[2] = {1, 0x7F}, z[1] = {0xFF};
        a.assign(x, 2, true);
        b.assign(y, 2, true);
        shorter.assign(z, 1, true);
        QVERIFY(b < a); // bytes compare unsigned
        QVERIFY(!(a < b));
        QVERIFY(shorter < b);
    }

    void guidFromText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString g = "{0123ABCD-4567-89EF-0011-223344556677}";
        QTest::newRow("braces, capitals") << g << g;
        QTest::newRow("small letters, no braces") << "0123abcd-4567-89ef-0011-223344556677" << g;
        QTest::newRow("digits only") << "0123abcd456789ef0011223344556677" << g;
        QTest::newRow("four digits") << "1234"
                                     << "{00000000-0000-0000-0000-000000000000}";
        QTest::newRow("empty") << ""
                               << "{00000000-0000-0000-0000-000000000000}";
    }
    void guidFromText() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        ZYNGUID g = Quorl::Text::GuidFromText(text.toStdString());
        QCOMPARE(QString::fromStdString(Quorl::Text::GuidToText(g, true)), expected);
        QCOMPARE(QString::fromStdString(Quorl::Text::GuidToText(g, false)), expected.mid(1, 36));
    }

    void guidFields() {
        ZYNGUID g = Quorl::Text::GuidFromText("01020304-0506-0708-090A-0B0C0D0E0F10");
        QCOMPARE(g.Data1, 0x01020304u);
        QCOMPARE(int(g.Data2), 0x0506);
        QCOMPARE(int(g.Data3), 0x0708);
        QCOMPARE(int(g.Data4[0]), 0x09);
        QCOMPARE(int(g.Data4[7]), 0x10);
        ZYNGUID braced;
        QVERIFY(Quorl::Text::GuidFromBracedText("{01020304-0506-0708-090A-0B0C0D0E0F10}", &braced));
        QVERIFY(Quorl::Text::Equal(g, braced));
        QVERIFY(!Quorl::Text::GuidFromBracedText("01020304-0506-0708-090A-0B0C0D0E0F10", &braced));
        QVERIFY(!Quorl::Text::IsNil(Quorl::Text::NewGuid()));
        QCOMPARE(Quorl::Text::HexToInt("xx12345678ab"), 0x345678abu);
        QCOMPARE(Quorl::Text::HexToInt("1g"), 0x10u);
    }

    void base64_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no padding") << "TWFu" << true << QByteArray("Man");
        QTest::newRow("one pad") << "TWE=" << true << QByteArray("Ma");
        QTest::newRow("two pads") << "TQ==" << true << QByteArray("M");
        QTest::newRow("two groups") << "TWFuTQ==" << true << QByteArray("ManM");
        QTest::newRow("empty") << "" << true << QByteArray();
        QTest::newRow("five characters") << "TWFuT" << false << QByteArray();
        QTest::newRow("pad in the middle") << "TQ==TWFu" << false << QByteArray();
        QTest::newRow("pad third only") << "TQ=u" << false << QByteArray();
        QTest::newRow("pad first places") << "=QTW" << false << QByteArray();
        QTest::newRow("outside alphabet") << "TW-u" << false << QByteArray();
    }
    void base64() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QByteArray, bytes);
        std::vector<uint8_t> out;
        QCOMPARE(Quorl::Text::Base64Decode(text.toStdString(), &out), ok);
        if (ok)
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(out.data()), int(out.size())), bytes);
    }

    // A cut never splits a character; bytes that start no character are cut where they fall.
    void utf8Cut_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("length");
        QTest::newRow("fits") << QByteArray("abc") << 3 << 3;
        QTest::newRow("ASCII") << QByteArray("abcdef") << 4 << 4;
        QTest::newRow("before a two-byte character") << QByteArray("ab\xc3\xa9") << 3 << 2;
        QTest::newRow("inside a four-byte character") << QByteArray("a\xf0\x9f\x98\x80"
                                                                    "b")
                                                      << 4 << 1;
        QTest::newRow("after a four-byte character") << QByteArray("a\xf0\x9f\x98\x80"
                                                                   "b")
                                                     << 5 << 5;
        QTest::newRow("stray continuation bytes") << QByteArray("\x80\x80\x80\x80\x80\x80") << 5 << 5;
        QTest::newRow("nothing fits") << QByteArray("\xc3\xa9") << 1 << 0;
    }
    void utf8Cut() {
        QFETCH(QByteArray, text);
        QFETCH(int, max);
        QTEST(int(Quorl::Text::Utf8CutLength(text.toStdString(), size_t(max))), "length");
    }

    void xmlReader_data() {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<bool>("ok");
        QTest::newRow("plain") << "<Session a=\"1\"><User GUID='x'/>text</Session>" << true;
        QTest::newRow("declaration and comment") << "<?xml version=\"1.0\"?><!-- c --><Session/>" << true;
        QTest::newRow("entities") << "<S a=\"&lt;&amp;&#65;&#x42;\">&gt;</S>" << true;
        QTest::newRow("unclosed") << "<Session><User></Session>" << false;
        QTest::newRow("two roots") << "<A/><B/>" << false;
        QTest::newRow("doctype") << "<!DOCTYPE x [<!ENTITY e \"boom\">]><x>&e;</x>" << false;
        QTest::newRow("unknown entity") << "<x>&nbsp;</x>" << false;
        QTest::newRow("duplicate attribute") << "<x a='1' a='2'/>" << false;
        QTest::newRow("lt in attribute") << "<x a='<'/>" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("too deep") << QString("<a>").repeated(100) + QString("</a>").repeated(100) << false;
    }
    void xmlReader() {
        QFETCH(QString, xml);
        QFETCH(bool, ok);
        Quorl::Xml::Document doc;
        QCOMPARE(doc.Load(xml.toStdString()), ok);
        QCOMPARE(doc.DocumentElement() != nullptr, ok);
    }

    void xmlContent() {
        Quorl::Xml::Document doc;
        QVERIFY(doc.Load("<S a=\"&lt;&amp;&#65;&#x42;\"> <G id='1'/>x<![CDATA[<y>]]><G/> </S>"));
        const Quorl::Xml::Node* s = doc.DocumentElement();
        std::string v;
        QVERIFY(s->Attribute("a", &v));
        QCOMPARE(QString::fromStdString(v), QString("<&AB"));
        QVERIFY(!s->Attribute("b", &v));
        QCOMPARE(int(s->Select("G").size()), 2);
        QVERIFY(s->SelectSingle("G"));
        QVERIFY(!s->SelectSingle("H"));
        QCOMPARE(QString::fromStdString(s->Text()), QString("x<y>"));
    }
};

QTEST_APPLESS_MAIN(TestZynPrimitives)
#include "test_zynprimitives.moc"
