// The open and website popups: what they give back, typed or chosen.
#include "editor/openpopup.h"
#include "editor/urlpopup.h"
#include "widgets/stdbtn.h"

#include <QLineEdit>
#include <QtTest>

class TestOpenPopups : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { OpenPopup::SetPathChooser(nullptr); }
    void typedTextIsTakenUnchanged_data();
    void typedTextIsTakenUnchanged();
    void fileAndFolderDialogs_data();
    void fileAndFolderDialogs();
    void cancelledDialogKeepsText();
};

void TestOpenPopups::typedTextIsTakenUnchanged_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("no scheme") << "www.example.org";
    QTest::newRow("not a url at all") << "ht!tp:// ::";
    QTest::newRow("path with blanks") << "/opt/my tools/run me";
    QTest::newRow("relative path") << "../x/../y";
}

void TestOpenPopups::typedTextIsTakenUnchanged() {
    QFETCH(QString, text);
    UrlPopup url(nullptr);
    QTest::keyClicks(url.UrlEdit(), text);
    QCOMPARE(url.GetUrl(), text);
    OpenPopup open(nullptr, true);
    QTest::keyClicks(open.PathEdit(), text);
    QCOMPARE(open.GetPath(), text);
}

void TestOpenPopups::fileAndFolderDialogs_data() {
    QTest::addColumn<bool>("application");
    QTest::addColumn<bool>("hasFolder");
    QTest::addColumn<QString>("filter");
    QTest::newRow("application") << true << false << "Executable (*.exe)";
    QTest::newRow("any") << false << true << "Any (*.*)";
}

void TestOpenPopups::fileAndFolderDialogs() {
    QFETCH(bool, application);
    QFETCH(bool, hasFolder);
    QFETCH(QString, filter);
    QStringList asked;
    OpenPopup::SetPathChooser([&](QWidget*, const QString& title, const QString& f, bool folder) {
        asked << title + "|" + f;
        return folder ? QString("/data/folder") : QString("/data/file.bin");
    });
    OpenPopup popup(nullptr, application);
    QCOMPARE(popup.FolderButton() != nullptr, hasFolder);
    popup.OnFile();
    QCOMPARE(popup.GetPath(), QString("/data/file.bin"));
    QCOMPARE(asked.last(), "Select File|" + filter);
    if (hasFolder) {
        popup.FolderButton()->click();
        QCOMPARE(popup.GetPath(), QString("/data/folder"));
        QCOMPARE(asked.last(), QString("Select Folder|"));
    }
}

void TestOpenPopups::cancelledDialogKeepsText() {
    OpenPopup::SetPathChooser([](QWidget*, const QString&, const QString&, bool) { return QString(); });
    OpenPopup popup(nullptr, false);
    popup.PathEdit()->setText("/kept");
    popup.OnFile();
    popup.OnFolder();
    QCOMPARE(popup.GetPath(), QString("/kept"));
}

QTEST_MAIN(TestOpenPopups)
#include "test_openpopups.moc"
