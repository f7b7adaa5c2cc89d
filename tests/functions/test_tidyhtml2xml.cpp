// The exported HTML-to-XML converter: its output reads as XML, entities as numbers, hostile nesting refused.
#include "functions/plugintools.h"

#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The text of the first element of that name, and whether the whole document read without error.
bool ReadXml(const QByteArray& xml, const QString& element, QString* text) {
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == element && text->isNull())
            *text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return !reader.hasError();
}

} // namespace

class TestTidyHtml2Xml : public QObject {
    Q_OBJECT

private slots:
    void wellFormed_data() {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("text");
        QTest::newRow("nbsp") << QByteArray("<html><head><title>a&nbsp;b</title></head><body><p>x</p></body></html>")
                              << "title" << QStringLiteral("a\u00a0b");
        QTest::newRow("unclosed tags") << QByteArray("<p>one<br>two<li>three") << "li" << QStringLiteral("three");
        QTest::newRow("bad comment") << QByteArray("<p>a<!-- x -- y -->b&copy;</p>") << "p"
                                     << QStringLiteral("ab\u00a9");
        QTest::newRow("empty") << QByteArray() << "body" << QString(QLatin1String(""));
    }
    void wellFormed() {
        QFETCH(QByteArray, html);
        QFETCH(QString, element);
        QFETCH(QString, text);
        const QByteArray xml = PluginTools::DoTidyHtml2Xml(html.constData());
        QVERIFY(!xml.contains("&nbsp;"));
        QString found;
        QVERIFY2(ReadXml(xml, element, &found), xml.constData());
        QCOMPARE(found.trimmed(), text);
    }

    void readsUpToNul() {
        const QByteArray html("<p>before</p>\0<p>after</p>", 26);
        const QByteArray xml = PluginTools::DoTidyHtml2Xml(html.constData());
        QVERIFY(xml.contains("before"));
        QVERIFY(!xml.contains("after"));
    }

    void deepNestingRefused() {
        const QByteArray html = "<html><body>" + QByteArray("<div>").repeated(200000) + "x";
        const QByteArray answer = PluginTools::DoTidyHtml2Xml(html.constData());
        QVERIFY(answer.contains("nested too deeply"));
        // Void and self-closed elements open no level, nor do those whose end a sibling implies.
        const QByteArray flat =
            "<html><body><ul>" + QByteArray("<br><img src=a><span/><li><p>x<table><tr><td>y</table>").repeated(20000);
        QVERIFY(!PluginTools::DoTidyHtml2Xml(flat.constData()).contains("nested too deeply"));
    }
};

QTEST_GUILESS_MAIN(TestTidyHtml2Xml)
#include "test_tidyhtml2xml.moc"
