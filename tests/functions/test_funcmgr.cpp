#include "foundation/logger/QsLog.h"
#include "functions/funcmgr.h"
#include "functions/funcmgrregistry.h"
#include "functions/macromat.h"
#include "tests/common/logcapture.h"

#include <QPluginLoader>
#include <QtTest>

namespace {

QStringList g_deleted; // names of deleted plug-in objects, in order

class FakeProvider : public IFuncProvider {
    Q_OBJECT
public:
    explicit FakeProvider(const QString& name) : name(name) {}
    ~FakeProvider() override { g_deleted << name; }
    QString GetName() override { return name; }
    QStringList GetFunctionNames() override { return {QStringLiteral("f")}; }
    QVariant GetValue(const QString& function, const QVariantList& args) override {
        lastFunction = function;
        lastArgs = args;
        return QStringLiteral("%1 ran %2").arg(name, function);
    }
    QString name;
    QString lastFunction;
    QVariantList lastArgs;
};

// Keeps IPluginBase's own GetValue.
class BareProvider : public IFuncProvider {
    Q_OBJECT
public:
    QString GetName() override { return QStringLiteral("Bare"); }
    QStringList GetFunctionNames() override { return {}; }
};

class FakeSource : public IIncomingDataSource {
    Q_OBJECT
public:
    explicit FakeSource(const QString& name) : name(name) {}
    ~FakeSource() override { g_deleted << name; }
    QString GetName() override { return name; }
    void SetSettings(const QVariantMap& map) override {
        settings = map;
        ++setCount;
    }
    QVariantMap GetSettings() override { return settings; }
    QMap<qint64, QVariantMap> GetEntries() override { return entries; }
    QVariant GetValue(const QString& function, const QVariantList& args) override {
        return QStringLiteral("%1.%2(%3)").arg(name, function).arg(args.size());
    }
    bool IsActive() override { return settings.value(QStringLiteral("Active")).toString() == QLatin1String("1"); }
    QString name;
    QVariantMap settings;
    QMap<qint64, QVariantMap> entries;
    int setCount = 0;
};

// What a plug-in library's root object looks like.
class LibraryProvider : public IFuncProvider {
    Q_OBJECT
    Q_INTERFACES(IFuncProvider)
public:
    QString GetName() override { return QStringLiteral("Lib"); }
    QStringList GetFunctionNames() override { return {}; }
};

class LibrarySource : public IIncomingDataSource {
    Q_OBJECT
    Q_INTERFACES(IIncomingDataSource)
public:
    QString GetName() override { return QStringLiteral("LibSrc"); }
    QMap<qint64, QVariantMap> GetEntries() override { return {}; }
    bool IsActive() override { return false; }
};

QVariantMap Map(const char* key, const QVariant& value) {
    return QVariantMap{{QString::fromLatin1(key), value}};
}

QStringList Names(const DataSourceList& list) {
    QStringList names;
    for (IIncomingDataSource* s : list)
        names << s->GetName();
    return names;
}

} // namespace

class TestFuncMgr : public QObject {
    Q_OBJECT

    QVariantMap stored;

private slots:
    void initTestCase() {
        // Built-ins, as program entry installs them; "Twice" shows that a built-in is refused like any source.
        RegisterBuiltInFuncProvider([] { return new FakeProvider(QStringLiteral("DFP")); });
        RegisterBuiltInDataSource([] { return new FakeSource(QStringLiteral("NewsFeed")); });
        RegisterBuiltInDataSource([] { return new FakeSource(QStringLiteral("Twitter")); });
        RegisterBuiltInDataSource([] { return new FakeSource(QStringLiteral("Twitter")); });
        SetDataSourceSettingsMap(&stored);
    }

    void init() {
        stored = QVariantMap{{QStringLiteral("NewsFeed"), Map("Active", "1")},
                             {QStringLiteral("Twitter"), QStringLiteral("not a map")},
                             {QStringLiteral("Other"), Map("Kept", 7)}};
        g_deleted.clear();
    }

    void cleanup() {
        DeleteFuncProviders();
        DeleteDataSources();
    }

    void interfaceIds() {
        QCOMPARE(QByteArray(qobject_interface_iid<IFuncProvider*>()), QByteArray("org.mervex.vellichor.IFuncProvider"));
        QCOMPARE(QByteArray(qobject_interface_iid<IIncomingDataSource*>()),
                 QByteArray("org.mervex.vellichor.IIncomingDataSource"));
        LibraryProvider provider;
        LibrarySource source;
        QObject* roots[] = {&provider, &source};
        QCOMPARE(qobject_cast<IFuncProvider*>(roots[0]), static_cast<IFuncProvider*>(&provider));
        QCOMPARE(qobject_cast<IIncomingDataSource*>(roots[0]), nullptr);
        QCOMPARE(qobject_cast<IIncomingDataSource*>(roots[1]), static_cast<IIncomingDataSource*>(&source));
        QCOMPARE(qobject_cast<IFuncProvider*>(roots[1]), nullptr);
    }

    void pluginLibrary() {
        QPluginLoader loader(QStringLiteral(MERVEX_TEST_PROVIDER));
        QObject* root = loader.instance();
        QVERIFY2(root, qPrintable(loader.errorString()));
        QCOMPARE(loader.metaData().value(QStringLiteral("IID")).toString(),
                 QStringLiteral("org.mervex.vellichor.IFuncProvider"));
        QCOMPARE(qobject_cast<IIncomingDataSource*>(root), nullptr);
        IFuncProvider* provider = qobject_cast<IFuncProvider*>(root);
        QVERIFY(provider);
        FuncProviderList& list = GetFuncProviderList();
        list.append(provider);
        QCOMPARE(CallProviderFunction(list, QStringLiteral("X:Twice"), {21}), QVariant(42));
        QVERIFY(!CallProviderFunction(list, QStringLiteral("X:Other"), {}).isValid());
        // The registry deletes what it holds; the loader notices and does not delete it again.
        QPointer<QObject> guard(root);
        DeleteFuncProviders();
        QVERIFY(guard.isNull());
        QVERIFY(loader.unload());
    }

    void callByName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("provider"); // empty: none answers
        QTest::addColumn<QString>("function");
        QTest::newRow("provider and function") << "DFP:CPU_Count"
                                               << "DFP"
                                               << "CPU_Count";
        QTest::newRow("no colon: the name is both") << "DFP"
                                                    << "DFP"
                                                    << "DFP";
        QTest::newRow("cut at the first colon") << "A:B:C"
                                                << "A"
                                                << "B:C";
        QTest::newRow("empty function") << "A:"
                                        << "A"
                                        << "";
        QTest::newRow("names are case-sensitive") << "dfp:CPU_Count"
                                                  << ""
                                                  << "";
        QTest::newRow("unknown provider") << "Nope:X"
                                          << ""
                                          << "";
        QTest::newRow("empty provider name") << ":X"
                                             << ""
                                             << "";
    }
    void callByName() {
        QFETCH(QString, name);
        QFETCH(QString, provider);
        QFETCH(QString, function);
        FuncProviderList& list = GetFuncProviderList();
        list.append(new FakeProvider(QStringLiteral("A")));
        LogCapture log;
        const QVariantList args{1, QStringLiteral("two")};
        const QVariant result = CallProviderFunction(list, name, args);
        if (provider.isEmpty()) {
            QCOMPARE(result.userType(), int(QMetaType::Int));
            QCOMPARE(result.toInt(), 0);
            QCOMPARE(log.Count(QStringLiteral("Missing Function Provider for: \"%1\"").arg(name)), 1);
            QCOMPARE(log.Lines().size(), 1);
            return;
        }
        auto* target = static_cast<FakeProvider*>(FindPluginByName(list, name));
        QVERIFY(target);
        QCOMPARE(target->name, provider);
        QCOMPARE(result.toString(), QStringLiteral("%1 ran %2").arg(provider, function));
        QCOMPARE(target->lastFunction, function);
        QCOMPARE(target->lastArgs, args);
        QVERIFY(log.Lines().isEmpty());
    }

    void missingProviderIsQuietAboveDebug() {
        LogCapture log;
        GetLogger().SetLevel(QsLogging::InfoLevel);
        const QVariant result = CallProviderFunction(GetFuncProviderList(), QStringLiteral("Nope:X"), {});
        GetLogger().SetLevel(QsLogging::TraceLevel);
        QCOMPARE(result, QVariant(0));
        QVERIFY(log.Lines().isEmpty());
    }

    void providerWithoutFunctionsAnswersInvalid() {
        FuncProviderList& list = GetFuncProviderList();
        list.append(new BareProvider);
        const QVariant result = CallProviderFunction(list, QStringLiteral("Bare:Anything"), {});
        QVERIFY(!result.isValid());
    }

    void builtInProviderComesFirst() {
        FuncProviderList& list = GetFuncProviderList();
        QCOMPARE(list.size(), 1);
        auto* builtIn = static_cast<FakeProvider*>(list.first());
        auto* plugin = new FakeProvider(QStringLiteral("DFP"));
        list.append(plugin); // providers are not checked for duplicates
        QCOMPARE(list.size(), 2);
        CallProviderFunction(list, QStringLiteral("DFP:CPU_Count"), {});
        QCOMPARE(builtIn->lastFunction, QStringLiteral("CPU_Count"));
        QVERIFY(plugin->lastFunction.isEmpty());
        QCOMPARE(FindPluginByName(list, QStringLiteral("DFP:whatever")), static_cast<IFuncProvider*>(builtIn));
    }

    void dataSourceListBuiltInsWithSettings() {
        LogCapture log;
        DataSourceList& list = GetDataSourceList();
        // The second built-in "Twitter" is refused: the first keeps its place.
        QCOMPARE(Names(list), QStringList({"NewsFeed", "Twitter"}));
        QCOMPARE(log.Count(QStringLiteral("Data Source already added: \"Twitter\"")), 1);
        QCOMPARE(g_deleted, QStringList({"Twitter"})); // the refused one was not leaked
        auto* news = static_cast<FakeSource*>(list[0]);
        auto* twitter = static_cast<FakeSource*>(list[1]);
        QCOMPARE(news->settings, Map("Active", "1"));
        QCOMPARE(twitter->settings, QVariantMap()); // its stored entry is no map
        QCOMPARE(twitter->setCount, 1);
        QCOMPARE(&GetDataSourceList(), &list); // built once
    }

    void addDataSourceRefusals_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("logged");
        QTest::newRow("empty name") << ""
                                    << "Data Source needs a name!";
        QTest::newRow("built-in name") << "Twitter"
                                       << "Data Source already added: \"Twitter\"";
        QTest::newRow("name of a plug-in source") << "Plug:in"
                                                  << "Data Source already added: \"Plug:in\"";
    }
    void addDataSourceRefusals() {
        QFETCH(QString, name);
        QFETCH(QString, logged);
        DataSourceList& list = GetDataSourceList();
        QVERIFY(AddDataSource(list, new FakeSource(QStringLiteral("Plug"))));
        const QStringList before = Names(list);
        LogCapture log;
        FakeSource refused(name);
        QVERIFY(!AddDataSource(list, &refused));
        QCOMPARE(Names(list), before);
        QCOMPARE(refused.setCount, 0);
        QCOMPARE(log.Lines().size(), 1);
        QVERIFY2(log.Lines().first().trimmed().endsWith(logged), qPrintable(log.Lines().first()));
    }

    void pluginSourceGetsItsSettings() {
        DataSourceList& list = GetDataSourceList();
        auto* other = new FakeSource(QStringLiteral("Other"));
        QVERIFY(AddDataSource(list, other));
        QCOMPARE(Names(list), QStringList({"NewsFeed", "Twitter", "Other"}));
        QCOMPARE(other->settings, Map("Kept", 7));
        QCOMPARE(FindPluginByName(list, QStringLiteral("Other:fn")), static_cast<IIncomingDataSource*>(other));
        QCOMPARE(FindPluginByName(list, QStringLiteral("other")), nullptr);
    }

    void dataSourceNames() {
        DataSourceList& list = GetDataSourceList();
        auto* active = new FakeSource(QStringLiteral("Mail"));
        stored.insert(QStringLiteral("Mail"), Map("Active", "1"));
        QVERIFY(AddDataSource(list, active));
        QVERIFY(AddDataSource(list, new FakeSource(QStringLiteral("Chat"))));
        QCOMPARE(GetDataSourceNames(false), QStringList({"NewsFeed", "Twitter", "Mail", "Chat"}));
        QCOMPARE(GetDataSourceNames(true), QStringList({"NewsFeed", "Mail"}));
    }

    void saveSettingsBeforeTheListExists() {
        const QVariantMap before = stored;
        SaveDataSourceSettings();
        QCOMPARE(stored, before);
        QCOMPARE(g_deleted, QStringList()); // and no list was built for it
        DeleteDataSources();
        QCOMPARE(g_deleted, QStringList());
    }

    void closeSequence() {
        FuncProviderList& providers = GetFuncProviderList();
        providers.append(new FakeProvider(QStringLiteral("P1")));
        providers.append(nullptr); // a null slot is skipped
        DataSourceList& sources = GetDataSourceList();
        static_cast<FakeSource*>(sources[1])->settings = Map("Active", "1");
        AddDataSource(sources, new FakeSource(QStringLiteral("Plug")));
        g_deleted.clear();

        SaveDataSourceSettings();
        QCOMPARE(stored.value(QStringLiteral("NewsFeed")).toMap(), Map("Active", "1"));
        QCOMPARE(stored.value(QStringLiteral("Twitter")).toMap(), Map("Active", "1"));
        QCOMPARE(stored.value(QStringLiteral("Plug")).toMap(), QVariantMap());
        QCOMPARE(stored.value(QStringLiteral("Other")).toMap(), Map("Kept", 7)); // entries of absent sources stay

        DeleteFuncProviders();
        DeleteDataSources();
        QCOMPARE(g_deleted, QStringList({"DFP", "P1", "NewsFeed", "Twitter", "Plug"}));
        g_deleted.clear();
        DeleteFuncProviders();
        DeleteDataSources();
        QVERIFY(g_deleted.isEmpty());

        // The next use builds the built-ins again, with the settings stored at close.
        QCOMPARE(GetFuncProviderList().size(), 1);
        DataSourceList& again = GetDataSourceList();
        QCOMPARE(Names(again), QStringList({"NewsFeed", "Twitter"}));
        QCOMPARE(static_cast<FakeSource*>(again[1])->settings, Map("Active", "1"));
    }

    void runtimeView() {
        FuncMgrRegistry registry;
        auto* plug = new FakeSource(QStringLiteral("Plug"));
        plug->entries.insert(1700000000123, Map("title", "b"));
        plug->entries.insert(1699999999456, Map("title", "a"));
        QVERIFY(AddDataSource(GetDataSourceList(), plug));

        QCOMPARE(registry.CallProviderFunction(QStringLiteral("DFP:x"), {}).toString(), QStringLiteral("DFP ran x"));
        QCOMPARE(registry.CallProviderFunction(QStringLiteral("Nope:x"), {}), QVariant(0));
        QCOMPARE(registry.GetDataSourceNames(false), QStringList({"NewsFeed", "Twitter", "Plug"}));
        QVariantMap entries;
        QVERIFY(registry.GetDataSourceEntries(QStringLiteral("Plug"), &entries));
        QCOMPARE(entries.keys(), QStringList({"1699999999456", "1700000000123"}));
        QCOMPARE(entries.first().toMap(), Map("title", "a"));
        QVERIFY(!registry.GetDataSourceEntries(QStringLiteral("None"), &entries));
        QVariant result;
        QVERIFY(registry.CallDataSourceFunc(QStringLiteral("Plug"), QStringLiteral("Refresh"), {1, 2}, &result));
        QCOMPARE(result.toString(), QStringLiteral("Plug.Refresh(2)"));
        QVERIFY(!registry.CallDataSourceFunc(QStringLiteral("None"), QStringLiteral("Refresh"), {}, &result));
        QObject owner;
        MacroPlayer* player = registry.NewMacroPlayer(&owner);
        QVERIFY(qobject_cast<Macromat*>(player));
        QCOMPARE(player->parent(), &owner);
    }

    void withoutSettingsMap() {
        SetDataSourceSettingsMap(nullptr);
        DataSourceList& list = GetDataSourceList();
        QCOMPARE(static_cast<FakeSource*>(list[0])->settings, QVariantMap());
        SaveDataSourceSettings(); // nowhere to write: nothing happens
        SetDataSourceSettingsMap(&stored);
    }
};

QTEST_GUILESS_MAIN(TestFuncMgr)
#include "test_funcmgr.moc"
