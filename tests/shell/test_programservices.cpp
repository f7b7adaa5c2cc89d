// The program's process-wide services: what installing them puts in place, removing them takes away again,
// and a second installation after a removal puts everything back once, without doubles.
#include "functions/funcmgr.h"
#include "functions/funcregistry.h"
#include "runtime/scriptobjectfactory.h"
#include "shell/programservices.h"

#include <QtTest>

class TestProgramServices : public QObject {
    Q_OBJECT

    static QStringList ProviderNames() {
        QStringList names;
        for (IFuncProvider* provider : GetFuncProviderList())
            names << provider->GetName();
        DeleteFuncProviders();
        return names;
    }
    static QStringList SourceNames() {
        const QStringList names = GetDataSourceNames(false);
        DeleteDataSources();
        return names;
    }

private slots:
    void removeTakesDownWhatInstallPutsUp() {
        const QStringList sources = {"NewsFeed", "Facebook", "Twitter", "Skype", "EMail", "Teamspeak"};
        for (int round = 1; round <= 2; ++round) {
            InstallProgramServices();
            QVERIFY(FuncRegistry::Instance());
            QVERIFY(ScriptObjectFactory::Instance());
            QCOMPARE(ProviderNames().size(), 1);
            QCOMPARE(SourceNames(), sources);

            RemoveProgramServices();
            QVERIFY(!FuncRegistry::Instance());
            QVERIFY(!ScriptObjectFactory::Instance());
            QCOMPARE(ProviderNames(), QStringList());
            QCOMPARE(SourceNames(), QStringList());
        }
    }
};

QTEST_MAIN(TestProgramServices)
#include "test_programservices.moc"
