#include "functions/pal/pal.h"
#include "functions/pal/qtimertask.h"

#include <QPointer>

#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

// Three steps 5 ms apart, then done.
class StepTask : public QTimerTask {
public:
    QStringList* log;
    explicit StepTask(QStringList* log) : log(log) {}
    void run() override {
        *log << QStringLiteral("step");
        if (log->size() < 3)
            Start(5);
        else
            Finish();
    }
};

class TestPalShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Settings and folders go to the test locations, never the user's own.
        QStandardPaths::setTestModeEnabled(true);
        qputenv("MV_TEST_ROOT", "/srv/root");
        qputenv("MV_TEST_NEST", "<%MV_TEST_ROOT%>");
        qputenv("MV_TEST_SELF", "x%MV_TEST_SELF%y");
        qputenv("MV_TEST_EMPTY", "");
        qputenv("MV_TEST_MANY", QByteArray("ab") + QByteArray("%MV_TEST_MANY%").repeated(10));
        qputenv("MV_TEST_BIG", QByteArray(20000, 'b'));
        qunsetenv("MV_TEST_UNDEFINED");
    }

    void expandEnvironment_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("leading reference") << "%MV_TEST_ROOT%/bin"
                                           << "/srv/root/bin";
        QTest::newRow("two references") << "%MV_TEST_ROOT%:%MV_TEST_ROOT%"
                                        << "/srv/root:/srv/root";
        QTest::newRow("undefined stays") << "a%MV_TEST_UNDEFINED%b"
                                         << "a%MV_TEST_UNDEFINED%b";
        QTest::newRow("single percent stays") << "100% sure"
                                              << "100% sure";
        QTest::newRow("two percent signs of text") << "100% or 50%"
                                                   << "100% or 50%";
        QTest::newRow("percent text before a reference") << "100% of %MV_TEST_ROOT%"
                                                         << "100% of /srv/root";
        QTest::newRow("undefined then defined") << "%MV_TEST_UNDEFINED%%MV_TEST_ROOT%"
                                                << "%MV_TEST_UNDEFINED%/srv/root";
        QTest::newRow("defined but empty") << "a%MV_TEST_EMPTY%b"
                                           << "ab";
        QTest::newRow("nested value expanded") << "[%MV_TEST_NEST%]"
                                               << "[</srv/root>]";
        QTest::newRow("empty name") << "a%%b"
                                    << "a%%b";
        QTest::newRow("no references") << "plain"
                                       << "plain";
    }
    void expandEnvironment() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(PAL::ExpandEnvironment(text), expected);
    }

    void expandEnvironmentSelfReferenceEnds() {
        // A value that names itself is expanded a bounded number of times, then left as it is.
        const QString result = PAL::ExpandEnvironment(QStringLiteral("%MV_TEST_SELF%"));
        QVERIFY(result.startsWith(QLatin1String("xxxxxxxx")));
        QVERIFY(result.endsWith(QLatin1String("yyyyyyyy")));
        QVERIFY(result.size() < 100);
    }

    void expandEnvironmentIsBounded() {
        // A value that names itself ten times would grow ten-fold at every level: the result stops at the
        // bound, and what does not fit stays as written.
        const QString many = PAL::ExpandEnvironment(QStringLiteral("%MV_TEST_MANY%"));
        QVERIFY(many.size() <= 32767);
        QVERIFY(many.startsWith(QLatin1String("abab")));
        QVERIFY(many.contains(QLatin1String("%MV_TEST_MANY%")));

        const QString big = PAL::ExpandEnvironment(QStringLiteral("%MV_TEST_BIG%+%MV_TEST_BIG%"));
        QCOMPARE(big, QString(20000, QLatin1Char('b')) + QStringLiteral("+%MV_TEST_BIG%"));
    }

    void resolveShellFolder_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto loc = [](QStandardPaths::StandardLocation l) { return QStandardPaths::writableLocation(l); };
        QTest::newRow("music with rest") << ":Music/Album" << loc(QStandardPaths::MusicLocation) + "/Album";
        QTest::newRow("downloads") << ":Downloads/x" << loc(QStandardPaths::DownloadLocation) + "/x";
        QTest::newRow("backslashes") << ":Pictures\\a\\b" << loc(QStandardPaths::PicturesLocation) + "/a/b";
        QTest::newRow("no rest") << ":Videos" << loc(QStandardPaths::MoviesLocation);
        QTest::newRow("unknown name") << ":Elsewhere/f" << loc(QStandardPaths::DocumentsLocation) + "/f";
        QTest::newRow("case matters") << ":music" << loc(QStandardPaths::DocumentsLocation);
        QTest::newRow("no colon") << "Music/Album"
                                  << "Music/Album";
    }
    void resolveShellFolder() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(PAL::ResolveShellFolder(text), expected);
    }

    void autostartRoundTrip() {
        QFile::remove(PAL_INT::AutostartEntryPath());
        QVERIFY(!PAL::GetAutostart());
        QVERIFY(!PAL::SetAutostart(false)); // nothing to delete
        QVERIFY(PAL::SetAutostart(true));
        QVERIFY(PAL::GetAutostart());
        QFile file(PAL_INT::AutostartEntryPath());
        QVERIFY(file.open(QFile::ReadOnly | QFile::Text));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        const QString program = QCoreApplication::applicationFilePath();
        QVERIFY(QFileInfo(program).isAbsolute());
        QCOMPARE(lines.value(0), QStringLiteral("[Desktop Entry]"));
        QVERIFY(lines.contains(QStringLiteral("Type=Application")));
        QVERIFY(lines.contains("Exec=\"" + program + "\" /m"));
        QVERIFY(PAL::SetAutostart(false));
        QVERIFY(!PAL::GetAutostart());
    }

    void identity() {
        QCOMPARE(PAL::GetComputerName(), QSysInfo::machineHostName());
        QVERIFY(!PAL::GetOSName().isEmpty());
        QCOMPARE(PAL::GetOSName(), PAL::GetOSName());
    }

    void programDescriptionFromDesktopEntry() {
        QTemporaryDir dir;
        const QString entry = dir.filePath("player.desktop");
        QFile file(entry);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Desktop Action x]\nName=Wrong\n[Desktop Entry]\nType=Application\nName[de]=Spieler\n"
                   "Name=Media Player, the best\nIcon=player\n");
        file.close();
        QCOMPARE(PAL_INT::GetProcessDesc(entry), QStringLiteral("Media Player, the best"));
        QCOMPARE(PAL::GetProgramDescription(entry), QStringLiteral("Media Player, the best"));
        QFile::remove(entry);
        QCOMPARE(PAL::GetProgramDescription(entry), QStringLiteral("Media Player, the best")); // cached
        QCOMPARE(PAL::GetProgramDescription(dir.filePath("missing-program")), QString());
    }

    void iconFromImageFile() {
        QTemporaryDir dir;
        QImage image(24, 16, QImage::Format_ARGB32);
        image.fill(Qt::red);
        const QString path = dir.filePath("icon.png");
        QVERIFY(image.save(path));
        QCOMPARE(PAL::LoadIconImage(path).size(), QSize(24, 16));
        QCOMPARE(PAL::LoadIconImage(path + ",0").size(), QSize(24, 16));
        QCOMPARE(PAL::LoadIconImage(path + ",7").size(), QSize(24, 16)); // beyond the last: the last
    }

    void warningSound() {
        const int before = PAL_INT::WarningSoundCount();
        QCOMPARE(PAL::PlayWarningSound(true), 0);
        QCOMPARE(PAL_INT::WarningSoundCount(), before);
        PAL::PlayWarningSound(false);
        QCOMPARE(PAL_INT::WarningSoundCount(), before + 1);
    }

    void timerTaskRunsItsStepsThenDeletesItself() {
        QStringList log;
        QPointer<StepTask> task = new StepTask(&log);
        task->Start(0);
        task->Start(0); // restarting replaces the pending step
        QTRY_VERIFY_WITH_TIMEOUT(task.isNull(), 5000);
        QCOMPARE(log.size(), 3);
    }

    void lastErrorText() {
        errno = 0;
        QCOMPARE(PAL::GetLastErrorText(), QString());
        errno = ENOENT;
        QCOMPARE(PAL::GetLastErrorText(), QString::fromLocal8Bit(strerror(ENOENT)));
    }
};

// Started through a bare name, as a shell finds a program on its search path: the first argument then names a
// file of the working folder, which is not the program.
int main(int argc, char* argv[]) {
    char bareName[] = "vellichor";
    argv[0] = bareName;
    QTEST_MAIN_IMPL(TestPalShell)
}
#include "test_palshell.moc"
