// Languages: the three translations of a switch, the compiled-in program translations, the configuration's
// translations from the data folder, and custom translation sources compiled in the background under a time
// limit (a compiler that hangs is killed; a broken source is reported and the compiled-in translation stays).

#include "config/datacfg.h"
#include "shell/customtranslation.h"
#include "shell/languageswitcher.h"
#include "tests/shell/popupwatcher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
QString Tr(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

bool WriteFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

QByteArray TsSource(const char* language, const char* context, const char* source, const char* translation) {
    return QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"") +
           language + "\"><context><name>" + context + "</name><message><source>" + source + "</source><translation>" +
           translation + "</translation></message></context></TS>\n";
}

// A stand-in compiler that never ends (exec: the kill reaches the sleeping process itself).
bool WriteHangingCompiler(const QString& folder) {
    const QString path = folder + QStringLiteral("/lrelease");
    if (!WriteFile(path, "#!/bin/sh\nexec sleep 61.25\n"))
        return false;
    return QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
}
// Finished entries (source -> translation) of a translation source.
QHash<QString, QString> FinishedEntries(const QString& tsPath, int* total) {
    QHash<QString, QString> found;
    QFile f(tsPath);
    if (!f.open(QIODevice::ReadOnly))
        return found;
    QXmlStreamReader xml(&f);
    QString source;
    *total = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            ++*total;
            const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const QString text = xml.readElementText();
            if (!unfinished && !text.isEmpty())
                found.insert(source, text);
        }
    }
    return found;
}

const QString kRepo = QStringLiteral(MERVEX_TEST_SOURCE_DIR "/../..");
} // namespace

class TestLanguages : public QObject {
    Q_OBJECT
private:
    QTemporaryDir work;
    QString systemCompiler;

private slots:
    void initTestCase() {
        QVERIFY(work.isValid());
        systemCompiler = CustomTranslation::FindCompiler(QString());
        QVERIFY2(!systemCompiler.isEmpty(), "lrelease (qttools5-dev-tools) is needed");
    }

    void compilerOfTheDataFolderComesFirst() {
        QTemporaryDir data;
        QCOMPARE(CustomTranslation::FindCompiler(data.path()), systemCompiler);
        QVERIFY(WriteHangingCompiler(data.path()));
        QCOMPARE(CustomTranslation::FindCompiler(data.path()), data.path() + QStringLiteral("/lrelease"));
    }

    // A source compiles into a translation that loads; a broken one reports the compiler's own error text; a
    // missing one is no error at all.
    void compile_data() {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<bool>("compiles");
        QTest::addColumn<QString>("errorPart");
        QTest::newRow("valid") << TsSource("de", "X", "Hello", "Hallo") << true << QString();
        QTest::newRow("broken") << QByteArray("<?xml version=\"1.0\"?>\n<TS version=\"2.1\"><context><name>X</na")
                                << false << QStringLiteral("lrelease error");
    }
    void compile() {
        QFETCH(QByteArray, source);
        QFETCH(bool, compiles);
        QFETCH(QString, errorPart);
        const QString ts = work.filePath(QStringLiteral("c.ts"));
        QVERIFY(WriteFile(ts, source));
        CustomTranslation compiler;
        compiler.SetCompiler(systemCompiler);
        compiler.SetOutputPath(work.filePath(QStringLiteral("out.qm")));
        QSignalSpy compiled(&compiler, &CustomTranslation::Compiled);
        QSignalSpy failed(&compiler, &CustomTranslation::Failed);
        QString error;
        QCOMPARE(compiler.Start(ts, &error), CustomTranslation::Started);
        QTRY_VERIFY_WITH_TIMEOUT(compiled.size() + failed.size() == 1, 20000);
        QCOMPARE(compiled.size(), compiles ? 1 : 0);
        if (compiles) {
            const QByteArray qm = compiled.first().at(1).toByteArray();
            QTranslator translator;
            QVERIFY(translator.load(reinterpret_cast<const uchar*>(qm.constData()), qm.size()));
            QCOMPARE(translator.translate("X", "Hello"), QStringLiteral("Hallo"));
        } else {
            QVERIFY2(failed.first().at(1).toString().contains(errorPart), qPrintable(failed.first().at(1).toString()));
        }
        // The compiler's output file does not stay behind.
        QVERIFY(!QFile::exists(compiler.OutputPath()));
        QCOMPARE(compiler.Start(work.filePath(QStringLiteral("none.ts")), &error), CustomTranslation::NoSource);
    }

    // The review's fault: the compiler was awaited without any bound. Now it is killed at the limit and the
    // failure is reported, while the event loop kept running.
    void hangingCompilerIsKilledAtTheLimit() {
        QTemporaryDir data;
        QVERIFY(WriteHangingCompiler(data.path()));
        const QString ts = work.filePath(QStringLiteral("hang.ts"));
        QVERIFY(WriteFile(ts, TsSource("de", "X", "a", "b")));
        CustomTranslation compiler;
        compiler.SetCompiler(CustomTranslation::FindCompiler(data.path()));
        compiler.SetTimeout(300);
        QSignalSpy failed(&compiler, &CustomTranslation::Failed);
        QElapsedTimer clock;
        clock.start();
        QString error;
        QCOMPARE(compiler.Start(ts, &error), CustomTranslation::Started);
        QVERIFY(compiler.IsRunning());
        QVERIFY(failed.wait(10000));
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(!compiler.IsRunning());
        QVERIFY2(failed.first().at(1).toString().contains(QLatin1String("did not finish")),
                 qPrintable(failed.first().at(1).toString()));
        // Nothing of the killed compiler is left running.
        QProcess pgrep;
        pgrep.start(QStringLiteral("pgrep"), {QStringLiteral("-f"), QStringLiteral("^sleep 61.25$")});
        pgrep.waitForFinished(5000);
        QVERIFY(pgrep.readAllStandardOutput().trimmed().isEmpty());
    }

    void missingCompilerAndUndeletableOutputAreReported() {
        const QString ts = work.filePath(QStringLiteral("m.ts"));
        QVERIFY(WriteFile(ts, TsSource("de", "X", "a", "b")));
        CustomTranslation compiler;
        compiler.SetCompiler(work.filePath(QStringLiteral("no-such-compiler")));
        compiler.SetOutputPath(work.filePath(QStringLiteral("m.qm")));
        QSignalSpy failed(&compiler, &CustomTranslation::Failed);
        QString error;
        QCOMPARE(compiler.Start(ts, &error), CustomTranslation::Started);
        QVERIFY(failed.wait(10000));
        QVERIFY(!failed.first().at(1).toString().isEmpty());

        // An output that cannot be deleted (a folder with content) stops the compile before it starts.
        QVERIFY(QDir().mkpath(work.filePath(QStringLiteral("busy.qm/x"))));
        compiler.SetCompiler(systemCompiler);
        compiler.SetOutputPath(work.filePath(QStringLiteral("busy.qm")));
        QCOMPARE(compiler.Start(ts, &error), CustomTranslation::NotStarted);
        QVERIFY(error.startsWith(QLatin1String("Cannot delete tmp file: ")));
        QVERIFY(error.endsWith(QLatin1String("busy.qm")));
    }

    // A switch installs the program's compiled-in translation and the configuration's from the data folder;
    // the next switch replaces all three.
    void switchInstallsAndReplacesTranslations() {
        QTemporaryDir data;
        QVERIFY(QDir().mkpath(data.filePath(QStringLiteral("locale"))));
        // The configuration's translation for de, compiled as a packager does.
        const QString configTs = work.filePath(QStringLiteral("config_src.ts"));
        QVERIFY(WriteFile(configTs, TsSource("de", "Mervex", "Media", "Medien")));
        QCOMPARE(QProcess::execute(systemCompiler, {QStringLiteral("-silent"), configTs, QStringLiteral("-qm"),
                                                    data.filePath(QStringLiteral("locale/config_de.qm"))}),
                 0);
        QTemporaryDir custom; // no custom sources
        LanguageSwitcher switcher;
        switcher.SetDataPath(data.path());
        switcher.SetCustomFolder(custom.path());

        switcher.Switch(QStringLiteral("de_DE"));
        QCOMPARE(CurrentLanguage(), QStringLiteral("de"));
        QCOMPARE(switcher.Code(), QStringLiteral("de_DE"));
        QVERIFY(switcher.Translator(LanguageSwitcher::Toolkit));
        QVERIFY(!switcher.Translator(LanguageSwitcher::Program)->isEmpty());
        QCOMPARE(Tr("MervexWnd", "SETTINGS"), QStringLiteral("EINSTELLUNGEN"));
        QCOMPARE(Tr("Mervex", "Media"), QStringLiteral("Medien"));
        QVERIFY(!switcher.IsCompiling());

        switcher.Switch(QStringLiteral("en"));
        QCOMPARE(CurrentLanguage(), QStringLiteral("en"));
        QCOMPARE(Tr("MervexWnd", "SETTINGS"), QStringLiteral("SETTINGS"));
        QCOMPARE(Tr("Mervex", "Media"), QStringLiteral("Media"));
    }

    // The build compiles the configuration's translation sources into the shipped data folder, where a switch
    // finds them: every offered language has its file, and each finished entry reaches the '@' names.
    void shippedConfigurationTranslations_data() {
        QTest::addColumn<QString>("code");
        for (const char* code : {"en", "fr", "de", "ru", "es", "pt", "cn", "tw"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }

    void shippedConfigurationTranslations() {
        QFETCH(QString, code);
        const QString data = kRepo + QStringLiteral("/data/");
        QVERIFY2(QFileInfo::exists(data + QStringLiteral("locale/config_") + code + QStringLiteral(".qm")),
                 "the build puts the compiled configuration translations into the data folder");
        int total = 0;
        const QHash<QString, QString> finished =
            FinishedEntries(kRepo + QStringLiteral("/data-src/locale/config_") + code + QStringLiteral(".ts"), &total);
        QVERIFY(total > 100);
        LanguageSwitcher switcher;
        switcher.SetDataPath(data);
        switcher.SetCustomFolder(work.filePath(QStringLiteral("nothing-here")));
        switcher.Switch(code);
        for (auto it = finished.constBegin(); it != finished.constEnd(); ++it)
            QCOMPARE(TranslateAtName(QLatin1Char('@') + it.key()), it.value());
        if (code != QLatin1String("en") && finished.size() < total)
            qInfo("%s: %d of %d configuration texts translated", qPrintable(code), int(finished.size()), total);
        // A name without the mark stays as it is in every language.
        QCOMPARE(TranslateAtName(QStringLiteral("Media")), QStringLiteral("Media"));
        switcher.Switch(QStringLiteral("en"));
    }

    void brokenConfigTranslationIsLoggedAndLeavesTextsAlone() {
        QTemporaryDir data;
        QVERIFY(QDir().mkpath(data.filePath(QStringLiteral("locale"))));
        QVERIFY(WriteFile(data.filePath(QStringLiteral("locale/config_de.qm")), "not a translation"));
        LanguageSwitcher switcher;
        switcher.SetDataPath(data.path());
        switcher.SetCustomFolder(work.filePath(QStringLiteral("nothing-here")));
        switcher.Switch(QStringLiteral("de"));
        QCOMPARE(Tr("Mervex", "Media"), QStringLiteral("Media"));
        QCOMPARE(Tr("MervexWnd", "SETTINGS"), QStringLiteral("EINSTELLUNGEN"));
    }

    // A custom source in the working folder replaces the compiled-in translation once it compiled, and the
    // user is told; a broken one is reported with the compiler's text and the compiled-in one stays.
    void customTranslation_data() {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("box");
        QTest::newRow("loads") << TsSource("de", "MervexWnd", "SETTINGS", "MEINE EINSTELLUNGEN")
                               << QStringLiteral("MEINE EINSTELLUNGEN")
                               << QStringLiteral("Info|Custom translation successfully loaded: ");
        QTest::newRow("broken") << QByteArray("<TS><context>") << QStringLiteral("EINSTELLUNGEN")
                                << QStringLiteral("Fehler|lrelease error: ");
    }
    void customTranslation() {
        QFETCH(QByteArray, source);
        QFETCH(QString, settings);
        QFETCH(QString, box);
        QTemporaryDir custom;
        QVERIFY(WriteFile(custom.filePath(QStringLiteral("mervexsrv_de.ts")), source));
        PopupWatcher popups;
        LanguageSwitcher switcher;
        switcher.SetCustomFolder(custom.path());
        QSignalSpy loaded(&switcher, &LanguageSwitcher::CustomTranslationLoaded);
        QSignalSpy failed(&switcher, &LanguageSwitcher::CustomTranslationFailed);
        switcher.Switch(QStringLiteral("de_AT"));
        // The compiled-in translation serves at once; the custom one arrives later.
        QCOMPARE(Tr("MervexWnd", "SETTINGS"), QStringLiteral("EINSTELLUNGEN"));
        QVERIFY(switcher.IsCompiling());
        QTRY_VERIFY_WITH_TIMEOUT(loaded.size() + failed.size() == 1, 20000);
        QVERIFY(popups.WaitSeen(1));
        QVERIFY2(popups.seen.first().startsWith(box), qPrintable(popups.seen.first()));
        QCOMPARE(Tr("MervexWnd", "SETTINGS"), settings);
        QCOMPARE(switcher.IsCustom(LanguageSwitcher::Program), loaded.size() == 1);
        QVERIFY(!switcher.IsCompiling());
    }

    // A switch while a custom source compiles drops that compile: its result never lands on the new language.
    void switchDuringCompileDropsIt() {
        QTemporaryDir data;
        QVERIFY(WriteHangingCompiler(data.path()));
        QTemporaryDir custom;
        QVERIFY(WriteFile(custom.filePath(QStringLiteral("mervexsrv_de.ts")), TsSource("de", "X", "a", "b")));
        LanguageSwitcher switcher;
        switcher.SetDataPath(data.path());
        switcher.SetCustomFolder(custom.path());
        QSignalSpy failed(&switcher, &LanguageSwitcher::CustomTranslationFailed);
        switcher.Switch(QStringLiteral("de"));
        QVERIFY(switcher.IsCompiling());
        switcher.Switch(QStringLiteral("fr"));
        QVERIFY(!switcher.IsCompiling());
        QTest::qWait(200);
        QCOMPARE(failed.size(), 0);
        QCOMPARE(CurrentLanguage(), QStringLiteral("fr"));
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
